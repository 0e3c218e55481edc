// What may stand in a data file's place: readers take only regular files and
// never block; writers replace only regular files (or write through a link
// the user alone can have made); a real full disk never costs the old file;
// the leftovers of a killed save are removed, and nothing else is.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <QDir>
#include <QFile>

#include "data/countryfile.h"
#include "data/datafileio.h"
#include "data/highlightfile.h"
#include "data/savefile.h"
#include "data/tzonefile.h"
#include "support/childprocess.h"
#include "support/testsupport.h"

namespace zv {
namespace {

using test::ChildOutcome;

std::string Std(const QString& s) { return s.toStdString(); }

// Reading a pipe, a device or a folder in each data file's place: counted as
// missing, at once. Run in a child, so a blocking open shows as a time-out.
TEST(DataFileRead, PipesDevicesAndFoldersCountAsMissing) {
  test::DataFolder d;
  const QString zone = d.Path(QStringLiteral("tzone.txt"));
  const QString countries = d.Path(QStringLiteral("countries.txt"));
  const QString highlight = d.Path(QStringLiteral("highlight.txt"));
  struct Place {
    const char* what;
    std::function<void(const QString&)> make;
  };
  const Place places[] = {
      {"named pipe",
       [](const QString& p) { ASSERT_EQ(::mkfifo(QFile::encodeName(p).constData(), 0600), 0); }},
      {"link to a device",
       // Only read: the system's own device is safe here.
       [](const QString& p) { ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), p)); }},
      {"folder", [](const QString& p) { ASSERT_TRUE(QDir().mkdir(p)); }},
  };
  for (const Place& place : places) {
    SCOPED_TRACE(place.what);
    for (const QString& p : {zone, countries, highlight}) place.make(p);
    const ChildOutcome out = test::RunInChild([&]() -> std::string {
      const ZoneTexts z = ReadZoneFile(zone);
      if (z.offset != QStringLiteral("3") || !z.dstHours.isEmpty())
        return "tzone.txt read as " + Std(z.offset);
      CountryTable t;
      const ReadResult r = ReadCountriesFile(countries, t, kEntryCount);
      if (r.stop != ReadStop::kNoFile || ReadInPart(r)) return "countries.txt not taken as missing";
      if (!ReadHighlightFile(highlight).empty()) return "highlight.txt gave numbers";
      return {};
    });
    EXPECT_EQ(out.kind, ChildOutcome::kPassed) << out.report;
    for (const QString& p : {zone, countries, highlight}) {
      if (QFileInfo(p).isDir() && !QFileInfo(p).isSymLink())
        QDir().rmdir(p);
      else
        QFile::remove(p);
    }
  }
}

TEST(DataFileRead, RegularFileAndLinkToOneAreRead) {
  test::DataFolder d;
  d.Write(QStringLiteral("real.txt"), " -4.5          1 \r\n");
  ASSERT_TRUE(QFile::link(d.Path(QStringLiteral("real.txt")), d.Path(QStringLiteral("tzone.txt"))));
  const ZoneTexts z = ReadZoneFile(d.Path(QStringLiteral("tzone.txt")));
  EXPECT_EQ(z.offset, "-4.5");
  EXPECT_EQ(z.dstHours, "1");
  const DataFileRead r = ReadDataFile(d.Path(QStringLiteral("real.txt")), 4);
  EXPECT_EQ(r.state, DataFileRead::kOk);
  EXPECT_EQ(r.bytes, " -4.");  // at most the bytes asked for
}

// What stands at the path, and whether a save may write there.
struct WriteCase {
  const char* what;
  std::function<void(const test::DataFolder&)> make;
  const char* refusal;  // empty: allowed
};

const QByteArray kOld = "old contents\r\n";
const QByteArray kNew = " 5.5           0 \r\n";

class WritePolicy : public ::testing::TestWithParam<WriteCase> {};

TEST_P(WritePolicy, OnlyRegularFilesAndTrustedLinksAreWritten) {
  test::DataFolder d;
  ::chmod(QFile::encodeName(d.Root()).constData(), 0700);
  d.Write(QStringLiteral("target.txt"), kOld);
  GetParam().make(d);
  if (d.Exists(QStringLiteral("cannot-make")))
    GTEST_SKIP() << "the link's target could not be made here (a device node needs root)";
  const QString path = d.Path(QStringLiteral("tzone.txt"));
  const QFileInfo before(path);
  const bool wasLink = before.isSymLink();
  const QString why = WriteFileWhole(path, kNew).failure();
  EXPECT_EQ(Std(why), GetParam().refusal);
  EXPECT_EQ(Std(WriteRefusal(path)), GetParam().refusal);
  // A link stays a link whatever happened.
  EXPECT_EQ(QFileInfo(path).isSymLink(), wasLink);
  const QByteArray target = d.Read(QStringLiteral("target.txt"));
  if (QString::fromLatin1(GetParam().refusal).isEmpty()) {
    EXPECT_EQ(test::ReadFileBytes(path), kNew);
  } else {
    EXPECT_EQ(target, kOld);  // never written through
  }
  // No temporary file left beside it.
  EXPECT_TRUE(QDir(d.Root())
                  .entryList({QStringLiteral("*zorvane-save*")}, QDir::AllEntries | QDir::Hidden)
                  .isEmpty());
}

void LinkTo(const test::DataFolder& d, const QString& target) {
  ASSERT_TRUE(QFile::link(target, d.Path(QStringLiteral("tzone.txt"))));
}

INSTANTIATE_TEST_SUITE_P(
    Places, WritePolicy,
    ::testing::Values(
        WriteCase{"missing", [](const test::DataFolder&) {}, ""},
        WriteCase{"regular", [](const test::DataFolder& d) { d.Write(QStringLiteral("tzone.txt"), kOld); },
                  ""},
        WriteCase{"folder",
                  [](const test::DataFolder& d) { QDir(d.Root()).mkdir(QStringLiteral("tzone.txt")); },
                  "it is a folder, not a regular file, so it was left alone"},
        WriteCase{"pipe",
                  [](const test::DataFolder& d) {
                    ::mkfifo(QFile::encodeName(d.Path(QStringLiteral("tzone.txt"))).constData(), 0600);
                  },
                  "it is a named pipe, not a regular file, so it was left alone"},
        // The test's own pipe and device node: should the write ever go
        // through, it replaces nothing of the system's.
        WriteCase{"link_to_pipe",
                  [](const test::DataFolder& d) {
                    ::mkfifo(QFile::encodeName(d.Path(QStringLiteral("pipe"))).constData(), 0600);
                    LinkTo(d, d.Path(QStringLiteral("pipe")));
                  },
                  "it is a symbolic link to a named pipe, not to a regular file, so nothing was written"},
        WriteCase{"link_to_device",
                  [](const test::DataFolder& d) {
                    // A node like /dev/null (needs root, as in CI).
                    constexpr unsigned kMemMajor = 1, kNullMinor = 3;
                    if (::mknod(QFile::encodeName(d.Path(QStringLiteral("device"))).constData(),
                                S_IFCHR | 0600, makedev(kMemMajor, kNullMinor)) != 0)
                      d.Write(QStringLiteral("cannot-make"), "");
                    LinkTo(d, d.Path(QStringLiteral("device")));
                  },
                  "it is a symbolic link to a device, not to a regular file, so nothing was written"},
        WriteCase{"dangling_link",
                  [](const test::DataFolder& d) { LinkTo(d, d.Path(QStringLiteral("nowhere.txt"))); },
                  "it is a symbolic link to a file that does not exist, so nothing was written"},
        WriteCase{"own_link",
                  [](const test::DataFolder& d) { LinkTo(d, d.Path(QStringLiteral("target.txt"))); }, ""},
        WriteCase{"link_in_shared_folder",
                  [](const test::DataFolder& d) {
                    LinkTo(d, d.Path(QStringLiteral("target.txt")));
                    ::chmod(QFile::encodeName(d.Root()).constData(), 0777);
                  },
                  "it is a symbolic link in a folder that is not yours alone (another user could have put it "
                  "there), so nothing was written through it"},
        WriteCase{"link_in_group_folder",
                  [](const test::DataFolder& d) {
                    LinkTo(d, d.Path(QStringLiteral("target.txt")));
                    ::chmod(QFile::encodeName(d.Root()).constData(), 0770);
                  },
                  "it is a symbolic link in a folder that is not yours alone (another user could have put it "
                  "there), so nothing was written through it"}),
    [](const auto& info) { return std::string(info.param.what); });

// A link's target keeps its place: the write replaces the target file, and
// the link still points at it.
TEST(WritePolicy, WritingThroughALinkReplacesItsTarget) {
  test::DataFolder d;
  ::chmod(QFile::encodeName(d.Root()).constData(), 0700);
  ASSERT_TRUE(QDir(d.Root()).mkdir(QStringLiteral("synced")));
  const QString target = d.Path(QStringLiteral("synced/tzone.txt"));
  QFile f(target);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(kOld);
  f.close();
  ASSERT_TRUE(QFile::link(target, d.Path(QStringLiteral("tzone.txt"))));
  EXPECT_TRUE(WriteFileWhole(d.Path(QStringLiteral("tzone.txt")), kNew).ok());
  EXPECT_TRUE(QFileInfo(d.Path(QStringLiteral("tzone.txt"))).isSymLink());
  EXPECT_EQ(test::ReadFileBytes(target), kNew);
}

// A real full disk: a tmpfs of 16 KB mounted in a private mount namespace of
// a child process (needs root, as in CI).
struct FullDiskCase {
  const char* what;
  qsizetype oldSize;
  qsizetype newSize;
  WriteMode mode;
};

class FullDisk : public ::testing::TestWithParam<FullDiskCase> {};

TEST_P(FullDisk, TheOldFileStaysWholeAndTheFailureIsTold) {
  const FullDiskCase c = GetParam();
  test::DataFolder d;
  const std::string mountPoint = Std(d.Path(QStringLiteral("disk")));
  ASSERT_TRUE(QDir(d.Root()).mkdir(QStringLiteral("disk")));
  const ChildOutcome out = test::RunInChild([&]() -> std::string {
    constexpr int kDiskKb = 16;
    if (std::string e = test::MountSmallTmpfs(mountPoint, kDiskKb); !e.empty()) return e;
    const QString folder = QString::fromStdString(mountPoint);
    const QString path = folder + QStringLiteral("/tzone.txt");
    const QByteArray old(c.oldSize, 'o');
    {
      QFile f(path);
      if (!f.open(QIODevice::WriteOnly) || f.write(old) != old.size() || !f.flush())
        return "cannot write the old file";
    }
    // Fill the disk to the last byte.
    const int fill = ::open((mountPoint + "/filler").c_str(), O_WRONLY | O_CREAT, 0600);
    const char block[512] = {};
    while (::write(fill, block, sizeof block) > 0) {
    }
    while (::write(fill, block, 1) > 0) {
    }
    ::close(fill);
    const WriteResult written = WriteFileWhole(path, QByteArray(c.newSize, 'n'), c.mode);
    std::string report;
    if (written.ok()) report += "success was reported; ";
    const QByteArray now = test::ReadFileBytes(path);
    if (now != old) report += "the file now holds " + std::to_string(now.size()) + " bytes; ";
    const QStringList left = QDir(folder).entryList(QDir::Files | QDir::Hidden);
    if (left != QStringList({QStringLiteral("filler"), QStringLiteral("tzone.txt")}))
      report += "left in the folder: " + Std(left.join(u' '));
    return report;
  });
  if (out.kind == ChildOutcome::kCannotRun) GTEST_SKIP() << out.report;
  EXPECT_EQ(out.kind, ChildOutcome::kPassed) << out.report;
}

INSTANTIATE_TEST_SUITE_P(Sizes, FullDisk,
                         ::testing::Values(FullDiskCase{"small_zone_file", 19, 19, WriteMode::kReplace},
                                           FullDiskCase{"under_qt_buffer", 4000, 9000, WriteMode::kReplace},
                                           FullDiskCase{"over_qt_buffer", 4000, 40000, WriteMode::kReplace},
                                           FullDiskCase{"append", 2000, 7, WriteMode::kAppend}),
                         [](const auto& info) { return std::string(info.param.what); });

TEST(StaleSaveFiles, OnlyOurExactPatternIsRemoved) {
  test::DataFolder d;
  const QStringList ours = {QStringLiteral("tzone.txt.zorvane-save-AbC123"),
                            QStringLiteral("countries.txt.zorvane-save-x9Y8z7"),
                            QStringLiteral("highlight.txt.zorvane-save-000000")};
  const QStringList others = {QStringLiteral("tzone.txt.zorvane-save-AbC12"),  // five letters
                              QStringLiteral("tzone.txt.zorvane-save-AbC1234"),
                              QStringLiteral("tzone.txt.zorvane-save-AbC-12"),
                              QStringLiteral("tzone.txt.AbC123"),  // not our pattern
                              QStringLiteral("tzone.txt.backup"),
                              QStringLiteral("notes.txt.zorvane-save-AbC123"),
                              QStringLiteral("tzone.txt")};
  for (const QString& n : ours + others) d.Write(n, "x");
  ASSERT_TRUE(QDir(d.Root()).mkdir(QStringLiteral("countries.txt.zorvane-save-Folder")));
  ASSERT_TRUE(QFile::link(d.Path(QStringLiteral("tzone.txt")),
                          d.Path(QStringLiteral("highlight.txt.zorvane-save-Link01"))));
  const int removed = RemoveStaleSaveFiles(
      d.Root(),
      {QStringLiteral("countries.txt"), QStringLiteral("tzone.txt"), QStringLiteral("highlight.txt")});
  EXPECT_EQ(removed, 3);
  for (const QString& n : ours) EXPECT_FALSE(QFileInfo::exists(d.Path(n))) << Std(n);
  for (const QString& n : others) EXPECT_TRUE(QFileInfo::exists(d.Path(n))) << Std(n);
  EXPECT_TRUE(QFileInfo(d.Path(QStringLiteral("countries.txt.zorvane-save-Folder"))).isDir());
  EXPECT_TRUE(QFileInfo(d.Path(QStringLiteral("highlight.txt.zorvane-save-Link01"))).isSymLink());
}

}  // namespace
}  // namespace zv
