// An argument or a folder's name of any bytes comes back as the same bytes,
// and is shown with no byte lost to U+FFFD.
#include "data/bytenames.h"
#include "fuzzcheck.h"

using namespace zv;

FUZZ_TARGET {
  (void)text;
  CHECK(BytesOfText(TextOfBytes(bytes)) == bytes);
  CHECK(!ShownBytes(bytes).contains(QChar::ReplacementCharacter) || bytes.contains("\xEF\xBF\xBD"));
}
