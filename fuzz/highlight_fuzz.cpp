// The highlight file reader on any bytes: at most 230 numbers, and the file
// the program writes for those numbers (HighlightLine for each) reads back to
// the same numbers.
#include <algorithm>
#include <cstdint>
#include <cstring>

#include "data/highlightfile.h"
#include "fuzzcheck.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  const std::vector<int> got = zv::ParseHighlightBytes(bytes);
  FUZZ_CHECK(got.size() <= static_cast<size_t>(zv::kMaxHighlights), "%zu numbers", got.size());

  QByteArray file;
  for (int n : got) file += zv::HighlightLine(n);
  const std::vector<int> back = zv::ParseHighlightBytes(file);
  FUZZ_CHECK(back == got, "%zu numbers written read back as %zu", got.size(), back.size());

  // Appending more lines than the file holds keeps the first 230.
  QByteArray longer = file;
  for (int k = static_cast<int>(got.size()); k < zv::kMaxHighlights + 3; ++k) longer += zv::HighlightLine(k);
  const std::vector<int> capped = zv::ParseHighlightBytes(longer);
  FUZZ_CHECK(capped.size() == static_cast<size_t>(zv::kMaxHighlights), "%zu numbers", capped.size());
  FUZZ_CHECK(std::equal(got.begin(), got.end(), capped.begin()), "first numbers changed");

  // Whole numbers from the raw bytes round-trip through their lines.
  std::vector<int> ints;
  for (size_t i = 0; i + 4 <= size && ints.size() < static_cast<size_t>(zv::kMaxHighlights); i += 4) {
    int32_t v;
    std::memcpy(&v, data + i, sizeof v);
    ints.push_back(v);
  }
  QByteArray intFile;
  for (int n : ints) intFile += zv::HighlightLine(n);
  FUZZ_CHECK(zv::ParseHighlightBytes(intFile) == ints, "%zu whole numbers do not read back", ints.size());
  return 0;
}
