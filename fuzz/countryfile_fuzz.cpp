// The country file reader on any bytes: the entries it reached are written
// as a file that reads back complete to the same fields and dates (a date's
// kept text may differ: the first reading had none to keep) and writes again
// the same bytes.
#include "data/countryfile.h"
#include "fuzzcheck.h"

FUZZ_TARGET {
  const int entries = 1 + bytes.size() % zv::kEntryCount;
  zv::CountryTable table;
  const zv::ReadResult r = zv::ReadCountriesText(text, table, entries);
  if (bytes.contains('"')) return;  // a quoted field may hold what the writer cannot
  const int reached = std::min(entries, r.entriesRead + 1);
  const QByteArray file = zv::WriteCountriesBytes(table, reached, {});
  zv::CountryTable back;
  CHECK(zv::ReadCountriesText(QString::fromLatin1(file), back, reached).complete);
  CHECK(back.text == table.text && back.dstStart == table.dstStart && back.dstEnd == table.dstEnd);
  CHECK(zv::WriteCountriesBytes(back, reached, {}) == file);
}
