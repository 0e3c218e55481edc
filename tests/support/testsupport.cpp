#include "support/testsupport.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <cerrno>
#include <clocale>
#include <cstdio>

#include "clock/gridcalc.h"
#include "data/countryfile.h"
#include "data/numtext.h"
#include "data/tzonefile.h"

namespace zv::test {

DataFolder::DataFolder() { SetDataFolder(dir_.path()); }
DataFolder::~DataFolder() { SetDataFolder(QString()); }
QString DataFolder::Path(const QString& name) const { return QDir(dir_.path()).filePath(name); }
void DataFolder::Write(const QString& name, const QByteArray& bytes) const {
  QFile f(Path(name));
  if (!f.open(QIODevice::WriteOnly)) ADD_FAILURE() << "cannot write " << name.toStdString();
  f.write(bytes);
}
QByteArray DataFolder::Read(const QString& name) const { return ReadFileBytes(Path(name)); }
bool DataFolder::Exists(const QString& name) const { return QFile::exists(Path(name)); }

CountryTable EntryTable(const QString& offset, const QString& latitude, const QString& longitude) {
  CountryTable t;
  for (int n = 1; n <= kEntryCount; ++n) {
    t.at(n, kColName) = QStringLiteral("Entry %1").arg(n);
    t.at(n, kColOffset) = offset;
    t.at(n, kColDstHours) = QStringLiteral("0");
    t.at(n, kColDstUsed) = QStringLiteral("0");
    t.at(n, kColLatitude) = latitude;
    t.at(n, kColLongitude) = longitude;
  }
  return t;
}

QByteArray CountriesBytes(const CountryTable& table) {
  return WriteCountriesBytes(table, kEntryCount, QDateTime(QDate(2026, 1, 1), QTime(9, 0)));
}

void WriteStartFiles(const DataFolder& data, const QByteArray& countries) {
  data.Write(QStringLiteral("countries.txt"), countries);
  data.Write(QStringLiteral("tzone.txt"), ZoneFileBytes(QStringLiteral("0"), QStringLiteral("0")));
}

int ClockOffsetMinutes(const CountryTable& t, int n, const QDate& d) {
  double hours = NumberInText(t.at(n, kColOffset));
  if (DstInForce(t, n, d)) hours += NumberInText(t.at(n, kColDstHours));
  return static_cast<int>(RoundHalfEven(hours * 60));
}

bool RunUnderDecimalCommaLocale() {
  class CommaLocale : public ::testing::Environment {
    void SetUp() override {
      for (const char* name : {"de_DE.UTF-8", "de_DE.utf8"})
        if (std::setlocale(LC_ALL, name)) return;
    }
  };
  ::testing::AddGlobalTestEnvironment(new CommaLocale);
  return true;
}

bool DecimalCommaInForce() {
  char buf[8];
  std::snprintf(buf, sizeof buf, "%.1f", 0.5);
  return buf[1] == ',';
}

QByteArray ReadFileBytes(const QString& path) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return {};
  return f.readAll();
}

namespace {

// Writes the first `after` bytes of a file as the system does, then fails
// with "no space left".
class FailingFileWriter : public FileWriter {
 public:
  const FileWriter* system = nullptr;
  qint64 after = 0;
  int WriteAll(int fd, const QByteArray& bytes) const override {
    const int error = system->WriteAll(fd, bytes.left(after));
    return error ? error : (bytes.size() > after ? ENOSPC : 0);
  }
};

FailingFileWriter g_failingWriter;

}  // namespace

void FailWritesAfter(qint64 bytes) {
  SetFileWriter(nullptr);
  if (bytes < 0) return;
  g_failingWriter.system = &CurrentFileWriter();
  g_failingWriter.after = bytes;
  SetFileWriter(&g_failingWriter);
}

int RunAllTests(int& argc, char** argv) {
  // The computer's zone is unknown unless a test sets one, so that no test
  // depends on the zone of the machine it runs on.
  SetSystemZone(QTimeZone());
  ::testing::InitGoogleTest(&argc, argv);
  const int rc = RUN_ALL_TESTS();
  // In CI every test must run: a skipped test there is a missing test, so
  // the run fails.
  const int skipped = ::testing::UnitTest::GetInstance()->skipped_test_count();
  if (qEnvironmentVariable("CI") == QLatin1String("true") && skipped > 0) {
    std::fprintf(stderr, "%d test(s) skipped with CI=true: every test must run in CI\n", skipped);
    return 1;
  }
  return rc;
}

QString SourcePath(const QString& relative) {
  return QDir(QString::fromUtf8(ZORVANE_SOURCE_DIR)).filePath(relative);
}

QByteArray ShippedCountriesBytes() { return ReadFileBytes(SourcePath(QStringLiteral("data/countries.txt"))); }

}  // namespace zv::test
