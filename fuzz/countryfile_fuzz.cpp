// The country file reader on any bytes. It never reads more entries than it
// was asked for, and a table it filled, once made writable (the window turns
// commas into the replacement character and the reader drops leading blanks
// and takes a leading double quote as a quoted field), is written by the
// country file writer as a file that reads back complete to the same table
// and writes again to the same bytes.
#include <QDateTime>
#include <cstdint>

#include "data/countryfile.h"
#include "fuzzcheck.h"

namespace {

// What the writer can carry through the file unchanged.
QString Writable(QString s) {
  for (QChar& c : s)
    if (c == u',' || c == u'\r' || c == u'\n') c = QChar(zv::kReplacementChar);
  qsizetype lead = 0;
  while (lead < s.size() && (s[lead] == u' ' || s[lead] == u'\t')) ++lead;
  s.remove(0, lead);
  if (s.startsWith(u'"')) s[0] = QChar(zv::kReplacementChar);
  return s;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // The first byte picks how many entries to read (1 .. 224).
  const int entries = size ? 1 + data[0] % zv::kEntryCount : zv::kEntryCount;
  const QString text = QString::fromLatin1(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));

  zv::CountryTable table;
  const zv::ReadResult r = zv::ReadCountriesText(text, table, entries);
  FUZZ_CHECK(r.opened, "not opened");
  FUZZ_CHECK(r.entriesRead >= 0 && r.entriesRead <= entries, "%d of %d entries", r.entriesRead, entries);
  FUZZ_CHECK(!r.complete || r.entriesRead == entries, "complete with %d of %d", r.entriesRead, entries);
  for (int n = entries + 1; n < zv::CountryTable::kRows; ++n)
    for (int c = 0; c < zv::CountryTable::kCols; ++c)
      FUZZ_CHECK(table.text[n][c].isEmpty(), "row %d beyond the %d entries was filled", n, entries);

  for (int n = 1; n <= entries; ++n)
    for (int c = zv::kColName; c <= zv::kColHistory; ++c) table.text[n][c] = Writable(table.text[n][c]);
  FUZZ_CHECK(!zv::FirstUnwritableChar(table, entries), "a Latin-1 text is unwritable");

  const QDateTime now(QDate(2004, 12, 5), QTime(18, 47));
  const QByteArray file = zv::WriteCountriesBytes(table, entries, now);
  FUZZ_CHECK(file.startsWith("Country TimeZone w/GMT DayLightSavingHrs  Dec 05  6:47 PM\r\n"), "title line");
  FUZZ_CHECK(file.endsWith("\r\n"), "no line end at the end");
  FUZZ_CHECK(file.count("\r\n") == 3 + entries, "%lld lines for %d entries",
             static_cast<long long>(file.count("\r\n")), entries);

  zv::CountryTable back;
  const zv::ReadResult r2 = zv::ReadCountriesText(QString::fromLatin1(file), back, entries);
  FUZZ_CHECK(r2.complete && r2.entriesRead == entries, "written file read %d of %d entries", r2.entriesRead,
             entries);
  for (int n = 1; n <= entries; ++n) {
    for (int c = zv::kColName; c <= zv::kColHistory; ++c)
      FUZZ_CHECK(back.text[n][c] == table.text[n][c], "row %d column %d: \"%s\" read back as \"%s\"", n, c,
                 Q(table.text[n][c]), Q(back.text[n][c]));
    FUZZ_CHECK(back.dstStart[n] == table.dstStart[n], "row %d start %.17g read back as %.17g", n,
               table.dstStart[n], back.dstStart[n]);
    FUZZ_CHECK(back.dstEnd[n] == table.dstEnd[n], "row %d end %.17g read back as %.17g", n, table.dstEnd[n],
               back.dstEnd[n]);
  }
  FUZZ_CHECK(zv::WriteCountriesBytes(back, entries, now) == file, "second write differs");
  return 0;
}
