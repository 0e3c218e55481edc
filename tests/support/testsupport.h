#pragma once
// Helpers shared by the tests of the core library (Qt Core only): a fixed
// clock, failing writes, a fresh data folder, a sample country table, and
// file reading and writing.

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include "data/countrytable.h"
#include "data/seams.h"

namespace zv::test {

// A clock that stays where it is put.
class FixedClock : public Clock {
 public:
  explicit FixedClock(QDateTime at) : at_(std::move(at)) {}
  QDateTime Now() const override { return at_; }
  void Set(QDateTime at) { at_ = std::move(at); }

 private:
  QDateTime at_;
};

// From now on every save of a data file fails, as on a full disk, once this
// many bytes of the file are written; a negative count ends the failures.
void FailWritesAfter(qint64 bytes);

// A fresh, empty data folder that the program uses while the object lives.
class DataFolder {
 public:
  DataFolder();
  ~DataFolder();
  QString Path(const QString& name) const;
  void Write(const QString& name, const QByteArray& bytes) const;
  QByteArray Read(const QString& name) const;
  bool Exists(const QString& name) const;
  QString Root() const { return dir_.path(); }

 private:
  QTemporaryDir dir_;
};

// A full table of entries named "Entry n", each at the same GMT offset and
// place, without daylight saving. Tests then set the entries they look at.
CountryTable EntryTable(const QString& offset = QStringLiteral("0"),
                        const QString& latitude = QStringLiteral("10N"),
                        const QString& longitude = QStringLiteral("20E"));
// The countries.txt bytes a save of the whole table writes (dated 1/1/2026).
QByteArray CountriesBytes(const CountryTable& table);
// What a clock window needs to start: countries.txt with the given bytes and
// a tzone.txt for GMT without daylight saving.
void WriteStartFiles(const DataFolder& data, const QByteArray& countries);

// The clock's offset for entry n of the table on day d, in minutes east of
// GMT: the offset plus the daylight-saving hours while the rule is in force.
int ClockOffsetMinutes(const CountryTable& t, int n, const QDate& d);

QByteArray ReadFileBytes(const QString& path);
// Runs every test of the program; fails a run with skipped tests in CI.
int RunAllTests(int& argc, char** argv);

// Has the tests of the program run under a locale of the C library that
// writes decimals with a comma (de_DE), so that number texts are checked
// under it in every run: it is switched to before the first test (Qt sets
// the user's locale as the program starts). Call at namespace scope.
bool RunUnderDecimalCommaLocale();
// Whether the C library now writes decimals with a comma.
bool DecimalCommaInForce();

// A file of the source tree, by its path from the top.
QString SourcePath(const QString& relative);
// The bytes of the shipped countries.txt.
QByteArray ShippedCountriesBytes();

}  // namespace zv::test
