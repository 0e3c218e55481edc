// The country file reader on any bytes: it never reads more entries than
// asked for and says where it stopped; the entries it reached, once made
// writable (no separators, no leading blank or quote), are written as a file
// that reads back complete to the same table and writes again the same bytes.
#include <QRegularExpression>

#include "data/countryfile.h"
#include "fuzzcheck.h"

FUZZ_TARGET {
  const int entries = 1 + bytes.size() % zv::kEntryCount;
  zv::CountryTable table;
  const zv::ReadResult r = zv::ReadCountriesText(text, table, entries);
  CHECK(r.complete == (r.entriesRead == entries) && r.complete == (r.stop == zv::ReadStop::kNone));
  CHECK(r.complete || r.stopEntry == r.entriesRead + (r.stopEntry > 0));
  const int reached = std::min(entries, r.entriesRead + 1);
  zv::CountryTable writable;
  for (int n = 1; n <= reached; ++n) {
    for (int c = zv::kColName; c <= zv::kColHistory; ++c)
      writable.text[n][c] = QString(table.text[n][c])
                                .remove(QRegularExpression("[,\r\n]"))
                                .remove(QRegularExpression("^[ \t\"]+"));
    writable.dstStart[n] = table.dstStart[n];
    writable.dstEnd[n] = table.dstEnd[n];
  }
  const QByteArray file = zv::WriteCountriesBytes(writable, reached, {});
  zv::CountryTable back;
  CHECK(zv::ReadCountriesText(QString::fromLatin1(file), back, reached).complete && back == writable);
  CHECK(zv::WriteCountriesBytes(back, reached, {}) == file);
}
