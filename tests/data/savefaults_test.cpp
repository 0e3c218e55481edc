// Saving a data file when the disk or folder fails: the old file is always
// left whole and the caller is told why.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "data/countryfile.h"
#include "data/savefile.h"
#include "data/tzonefile.h"
#include "support/childprocess.h"
#include "support/testsupport.h"

namespace zv {
namespace {

struct FileKind {
  const char* name;
  WriteMode mode;
  QByteArray (*newBytes)();
};

QByteArray CountryBytes() {
  CountryTable t;
  for (int n = 1; n <= kEntryCount; ++n) t.at(n, kColName) = QStringLiteral("Entry %1").arg(n);
  return WriteCountriesBytes(t, kEntryCount, QDateTime(QDate(2026, 12, 7), QTime(5, 0)));
}
QByteArray ZoneBytes() { return ZoneFileBytes(QStringLiteral("-4.5"), QStringLiteral("1")); }
QByteArray HighlightBytes() { return QByteArrayLiteral(" 12 \r\n"); }

const FileKind kKinds[] = {
    {"countries.txt", WriteMode::kReplace, CountryBytes},
    {"tzone.txt", WriteMode::kReplace, ZoneBytes},
    {"highlight.txt", WriteMode::kAppend, HighlightBytes},
};
const QByteArray kOld = QByteArrayLiteral("old contents\r\n");

class SaveFaults : public ::testing::TestWithParam<FileKind> {
 protected:
  void TearDown() override { test::FailWritesAfter(-1); }
  QString Path() const { return dir_.filePath(QString::fromLatin1(GetParam().name)); }
  void WriteOld() {
    QFile f(Path());
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(kOld);
  }
  QTemporaryDir dir_;
};

TEST_P(SaveFaults, DiskFullPartWayKeepsTheOldFile) {
  WriteOld();
  for (qint64 after : {0, 1, 10}) {
    SCOPED_TRACE(after);
    test::FailWritesAfter(after);
    EXPECT_FALSE(WriteFileWhole(Path(), GetParam().newBytes(), GetParam().mode).ok());
    EXPECT_EQ(test::ReadFileBytes(Path()), kOld);
  }
  // The folder holds nothing left over from the failed writes.
  EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden), QStringList{GetParam().name});
}

TEST_P(SaveFaults, MissingFolderIsToldAndCreatesNothing) {
  const QString path = dir_.filePath(QStringLiteral("gone/") + QString::fromLatin1(GetParam().name));
  EXPECT_FALSE(WriteFileWhole(path, GetParam().newBytes(), GetParam().mode).ok());
  EXPECT_FALSE(QFile::exists(path));
  EXPECT_FALSE(QDir(dir_.filePath(QStringLiteral("gone"))).exists());
}

TEST_P(SaveFaults, ReadOnlyFolderKeepsTheOldFile) {
  WriteOld();
  QFile::setPermissions(Path(), QFile::ReadOwner);
  QFile::setPermissions(dir_.path(), QFile::ReadOwner | QFile::ExeOwner);
  const QByteArray folder = QFile::encodeName(dir_.path());
  QString why;
  if (geteuid() == 0) {
    // Root writes into read-only folders: the write is tried as the
    // unprivileged user nobody, who owns the folder and the file, in a child.
    ASSERT_EQ(::chown(folder.constData(), test::kNobodyId, test::kNobodyId), 0);
    ASSERT_EQ(::chown(QFile::encodeName(Path()).constData(), test::kNobodyId, test::kNobodyId), 0);
    const auto out = test::RunInChild([&]() -> std::string {
      if (std::string e = test::BecomeNobody(); !e.empty()) return e;
      const WriteResult w = WriteFileWhole(Path(), GetParam().newBytes(), GetParam().mode);
      return w.ok() ? "the write into the read-only folder was reported as done" : std::string();
    });
    EXPECT_EQ(out.kind, test::ChildOutcome::kPassed) << out.report;
    ::chown(folder.constData(), 0, 0);
    why = QStringLiteral("told in the child");
  } else {
    why = WriteFileWhole(Path(), GetParam().newBytes(), GetParam().mode).failure();
  }
  QFile::setPermissions(dir_.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  EXPECT_FALSE(why.isEmpty());
  EXPECT_EQ(test::ReadFileBytes(Path()), kOld);
  EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden), QStringList{GetParam().name});
}

TEST_P(SaveFaults, AfterTheFaultTheWriteWorks) {
  WriteOld();
  test::FailWritesAfter(-1);
  EXPECT_TRUE(WriteFileWhole(Path(), GetParam().newBytes(), GetParam().mode).ok());
  const QByteArray expected =
      GetParam().mode == WriteMode::kAppend ? kOld + GetParam().newBytes() : GetParam().newBytes();
  EXPECT_EQ(test::ReadFileBytes(Path()), expected);
}

// A save keeps the permissions of the file it replaces; a new file gets
// those that the user's mask allows.
TEST_P(SaveFaults, TheFilesPermissionsAreKept) {
  const auto mode = [](const QString& path) {
    struct stat st {};
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_mode & 0777 : 0u;
  };
  WriteOld();
  ASSERT_EQ(::chmod(QFile::encodeName(Path()).constData(), 0604), 0);
  ASSERT_TRUE(WriteFileWhole(Path(), GetParam().newBytes(), GetParam().mode).ok());
  EXPECT_EQ(mode(Path()), 0604u);
  const mode_t mask = ::umask(027);
  const QString fresh = Path() + QStringLiteral(".new");
  const bool written = WriteFileWhole(fresh, GetParam().newBytes(), GetParam().mode).ok();
  ::umask(mask);
  ASSERT_TRUE(written);
  EXPECT_EQ(mode(fresh), 0640u);
}

INSTANTIATE_TEST_SUITE_P(DataFiles, SaveFaults, ::testing::ValuesIn(kKinds), [](const auto& info) {
  QString n = QString::fromLatin1(info.param.name);
  return n.replace(u'.', u'_').toStdString();
});

}  // namespace
}  // namespace zv
