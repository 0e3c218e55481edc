// Numbers in any text, under a locale that writes decimals with a comma: the
// byte reader takes the same number as the text reader, and the general text
// of it reads back to it within 15 digits and writes again the same.
#include <clocale>
#include <cmath>

#include "data/numtext.h"
#include "fuzzcheck.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  std::setlocale(LC_ALL, "de_DE.UTF-8");
  return 0;
}

FUZZ_TARGET {
  const double v = zv::NumberInText(text);
  const QString g = zv::GeneralNumberText(v);
  const double back = zv::NumberInText(g);
  CHECK(zv::NumberInLatin1(bytes.toStdString()) == v && zv::IsNumberText(g) && !g.contains(u'e'));
  CHECK(std::fabs(back - v) <= 1e-14 * std::fabs(v) && zv::GeneralNumberText(back) == g);
}
