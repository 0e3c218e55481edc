// The country file reader on any bytes. It never reads more entries than it
// was asked for, it says where it stopped when it stops, and a table it
// filled, once made writable (the window turns commas into the replacement
// character and the reader drops leading blanks and takes a leading double
// quote as a quoted field), is written by the country file writer as a file
// that reads back complete to the same table and writes again to the same
// bytes.
//
// Only the entries the input reached (those read, and the one the reader
// stopped in) are written and read back: every row after them is checked to
// be untouched, and an untouched row's round trip is the same for every
// input, so it is checked once at start.
#include <QDateTime>
#include <algorithm>
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

const QDateTime kNow(QDate(2004, 12, 5), QTime(18, 47));

bool RowUntouched(const zv::CountryTable& t, int n) {
  for (int c = 0; c < zv::CountryTable::kCols; ++c)
    if (!t.text[n][c].isEmpty()) return false;
  return t.dstStart[n] == 0 && t.dstEnd[n] == 0;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  // Untouched rows: a table of empty entries writes and reads back whole.
  zv::CountryTable empty;
  const QByteArray file = zv::WriteCountriesBytes(empty, zv::kEntryCount, kNow);
  zv::CountryTable back;
  const zv::ReadResult r = zv::ReadCountriesText(QString::fromLatin1(file), back, zv::kEntryCount);
  FUZZ_CHECK(r.complete && r.entriesRead == zv::kEntryCount, "empty table read back %d entries",
             r.entriesRead);
  FUZZ_CHECK(back == empty, "empty table read back changed");
  FUZZ_CHECK(zv::WriteCountriesBytes(back, zv::kEntryCount, kNow) == file,
             "empty table second write differs");
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // The first byte picks how many entries to read (1 .. 224).
  const int entries = size ? 1 + data[0] % zv::kEntryCount : zv::kEntryCount;
  const QString text = QString::fromLatin1(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));

  zv::CountryTable table;
  const zv::ReadResult r = zv::ReadCountriesText(text, table, entries);
  FUZZ_CHECK(r.opened, "not opened");
  FUZZ_CHECK(r.entriesRead >= 0 && r.entriesRead <= entries, "%d of %d entries", r.entriesRead, entries);
  FUZZ_CHECK(!r.complete || r.entriesRead == entries, "complete with %d of %d", r.entriesRead, entries);
  FUZZ_CHECK(r.complete == (r.stop == zv::ReadStop::kNone), "complete %d but stop %d", r.complete,
             static_cast<int>(r.stop));
  FUZZ_CHECK(r.complete || (r.stopEntry == r.entriesRead + 1 && r.stopField >= 1 && r.stopField <= 13) ||
                 (r.stopEntry == 0 && r.entriesRead == 0 && r.stopField >= 1 && r.stopField <= 3),
             "stopped at entry %d field %d after %d entries", r.stopEntry, r.stopField, r.entriesRead);
  FUZZ_CHECK(r.stop != zv::ReadStop::kNoDate || r.stopField == 5 || r.stopField == 6, "no date in field %d",
             r.stopField);
  // The entries the input reached; every later row is as it was.
  const int reached = r.complete ? entries : std::max(1, std::min(entries, r.stopEntry));
  for (int n = reached + 1; n < zv::CountryTable::kRows; ++n)
    FUZZ_CHECK(RowUntouched(table, n), "row %d beyond the %d reached was filled", n, reached);
  FUZZ_CHECK(RowUntouched(table, 0), "row 0 was filled");

  for (int n = 1; n <= reached; ++n)
    for (int c = zv::kColName; c <= zv::kColHistory; ++c) table.text[n][c] = Writable(table.text[n][c]);
  FUZZ_CHECK(!zv::FirstUnwritableChar(table, reached), "a Latin-1 text is unwritable");

  const QDateTime& now = kNow;
  const QByteArray file = zv::WriteCountriesBytes(table, reached, now);
  FUZZ_CHECK(file.startsWith("Country TimeZone w/GMT DayLightSavingHrs  Dec 05  6:47 PM\r\n"), "title line");
  FUZZ_CHECK(file.endsWith("\r\n"), "no line end at the end");
  FUZZ_CHECK(file.count("\r\n") == 3 + reached, "%lld lines for %d entries",
             static_cast<long long>(file.count("\r\n")), reached);

  zv::CountryTable back;
  const zv::ReadResult r2 = zv::ReadCountriesText(QString::fromLatin1(file), back, reached);
  FUZZ_CHECK(r2.complete && r2.entriesRead == reached, "written file read %d of %d entries", r2.entriesRead,
             reached);
  for (int n = 1; n <= reached; ++n) {
    for (int c = zv::kColName; c <= zv::kColHistory; ++c)
      FUZZ_CHECK(back.text[n][c] == table.text[n][c], "row %d column %d: \"%s\" read back as \"%s\"", n, c,
                 Q(table.text[n][c]), Q(back.text[n][c]));
    FUZZ_CHECK(back.dstStart[n] == table.dstStart[n], "row %d start %.17g read back as %.17g", n,
               table.dstStart[n], back.dstStart[n]);
    FUZZ_CHECK(back.dstEnd[n] == table.dstEnd[n], "row %d end %.17g read back as %.17g", n, table.dstEnd[n],
               back.dstEnd[n]);
  }
  FUZZ_CHECK(zv::WriteCountriesBytes(back, reached, now) == file, "second write differs");
  return 0;
}
