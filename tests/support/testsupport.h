#pragma once
// Helpers shared by the tests of the core library (Qt Core only): a fixed
// clock, failing writes, a fresh data folder, a sample country table, the
// comma locale and the run of a test program.

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>
#include <clocale>

#include "clock/gridcalc.h"
#include "data/countryfile.h"
#include "data/numtext.h"
#include "data/outsideworld.h"

namespace zv::test {

// A clock that stays where it is put.
struct FixedClock : Clock {
  explicit FixedClock(QDateTime at) : at_(at) {}
  QDateTime Now() const override { return at_; }
  void Set(QDateTime at) { at_ = at; }
  QDateTime at_;
};

inline QByteArray ReadFileBytes(const QString& path) {
  QFile f(path);
  f.open(QIODevice::ReadOnly);
  return f.readAll();
}

// Writes the first `after` bytes of a file as the system does, then fails
// with "no space left".
struct FailingFileWriter : FileWriter {
  qint64 after = 0;
  int WriteAll(int fd, const QByteArray& bytes) const override {
    SetFileWriter(nullptr);
    const int error = CurrentFileWriter().WriteAll(fd, bytes.left(after));
    SetFileWriter(this);
    return error ? error : bytes.size() > after ? ENOSPC : 0;
  }
};
inline FailingFileWriter failingWriter;

// From now on every save of a data file fails, as on a full disk, once this
// many bytes of the file are written; a negative count ends the failures.
inline void FailWritesAfter(qint64 bytes) {
  failingWriter.after = bytes;
  SetFileWriter(bytes < 0 ? nullptr : &failingWriter);
}

// A fresh, empty data folder that the program uses while the object lives.
struct DataFolder {
  DataFolder() { SetDataFolder(dir.path()); }
  ~DataFolder() { SetDataFolder(""); }
  QString Path(const QString& name) const { return dir.filePath(name); }
  void Write(const QString& name, const QByteArray& bytes) const {
    QFile f(Path(name));
    EXPECT_TRUE(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size()) << name.toStdString();
  }
  QByteArray Read(const QString& name) const { return ReadFileBytes(Path(name)); }
  bool Exists(const QString& name) const { return QFile::exists(Path(name)); }
  QString Root() const { return dir.path(); }
  QTemporaryDir dir;
};

// A full table of entries named "Entry n", each at the same GMT offset and
// place, without daylight saving. Tests then set the entries they look at.
inline CountryTable EntryTable(const QString& offset = "0", const QString& latitude = "10N",
                               const QString& longitude = "20E") {
  CountryTable t;
  for (int n = 1; n <= kEntryCount; ++n)
    t.text[n] = {"", "Entry " + QString::number(n), offset, "0", "0", "", "", latitude, longitude};
  return t;
}

// The countries.txt bytes a save of the whole table writes (dated 1/1/2026).
inline QByteArray CountriesBytes(const CountryTable& table) {
  return WriteCountriesBytes(table, kEntryCount, QDateTime(QDate(2026, 1, 1), QTime(9, 0)));
}

// What a clock window needs to start: countries.txt with the given bytes and
// a tzone.txt for GMT without daylight saving.
inline void WriteStartFiles(const DataFolder& data, const QByteArray& countries) {
  data.Write("countries.txt", countries);
  data.Write("tzone.txt", " 0             0 \r\n");
}

// The clock's offset for entry n of the table on day d, in minutes east of
// GMT: the offset plus the daylight-saving hours while the rule is in force.
inline int ClockOffsetMinutes(const CountryTable& t, int n, const QDate& d) {
  return RoundHalfEven(
      60 * (NumberInText(t.at(n, kColOffset)) + DstInForce(t, n, d) * NumberInText(t.at(n, kColDstHours))));
}

inline bool InCI() { return qgetenv("CI") == "true"; }

// Runs every test of the program with the computer's zone unknown, so that
// no test depends on the machine's; with CI=true a skipped test fails the
// run.
inline int RunAllTests(int& argc, char** argv) {
  SetSystemZone(QTimeZone());
  ::testing::InitGoogleTest(&argc, argv);
  const int failed = RUN_ALL_TESTS();
  const int skipped = ::testing::UnitTest::GetInstance()->skipped_test_count();
  return failed || (InCI() && skipped);
}

// Whether the C library now writes decimals with a comma.
inline bool DecimalCommaInForce() { return std::to_string(0.5)[1] == ','; }

// Has the program's tests run under a C library locale that writes decimals
// with a comma (de_DE.UTF-8), switched to before the first test (Qt sets the
// user's locale as the program starts); without one the tests are skipped,
// which in CI fails the run. Call at namespace scope.
inline bool RunUnderDecimalCommaLocale() {
  struct CommaLocale : ::testing::Environment {
    void SetUp() override {
      std::setlocale(LC_ALL, "de_DE.UTF-8");
      if (!DecimalCommaInForce()) GTEST_SKIP() << "no de_DE.UTF-8 locale";
    }
  };
  return ::testing::AddGlobalTestEnvironment(new CommaLocale);
}

// A file of the source tree, by its path from the top.
inline QString SourcePath(const QString& relative) { return QDir(ZORVANE_SOURCE_DIR).filePath(relative); }
inline QByteArray ShippedCountriesBytes() { return ReadFileBytes(SourcePath("data/countries.txt")); }

}  // namespace zv::test
