#include "data/countrytable.h"

namespace zv {

void CopyEntries(const CountryTable& from, CountryTable& to, int entryCount) {
  for (int n = 1; n <= entryCount && n < CountryTable::kRows; ++n) {
    for (int c = kColName; c <= kColHistory; ++c) to.text[n][c] = from.text[n][c];
    to.dstStart[n] = from.dstStart[n];
    to.dstEnd[n] = from.dstEnd[n];
    to.dstStartText[n] = from.dstStartText[n];
    to.dstEndText[n] = from.dstEndText[n];
  }
}

}  // namespace zv
