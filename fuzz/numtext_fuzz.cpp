// Numbers in any text: the byte reader takes the same number as the text reader, and the general text
// of it reads back to it within 15 digits and writes again the same.
#include <cmath>

#include "data/numtext.h"
#include "fuzzcheck.h"

FUZZ_TARGET {
  const double v = zv::NumberInText(text);
  const QString g = zv::GeneralNumberText(v);
  const double back = zv::NumberInText(g);
  CHECK(zv::NumberInLatin1(bytes.toStdString()) == v && std::fabs(back - v) <= 1e-14 * std::fabs(v) &&
        zv::GeneralNumberText(back) == g);
}
