// The highlight file reader on any bytes: at most 230 numbers, which the
// file the program writes for them reads back to.
#include "data/highlightfile.h"
#include "fuzzcheck.h"

FUZZ_TARGET {
  const std::vector<int> got = zv::ParseHighlightBytes(bytes);
  QByteArray file;
  for (int n : got) zv::AppendHighlightLine(file, n);
  CHECK(got.size() <= 230 && zv::ParseHighlightBytes(file) == got);
}
