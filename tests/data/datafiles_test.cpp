// What may stand in a data file's place: readers take only regular files and
// never block; writers replace only regular files (or write through a link
// the user alone can have made); a failing disk never costs the old file;
// the leftovers of a killed save are removed, and nothing else is.

#include <sys/stat.h>

#include "data/datafileio.h"
#include "data/savefile.h"
#include "data/tzonefile.h"
#include "support/childprocess.h"

namespace zv {
namespace {

const QByteArray kOld = "old\r\n", kNew = " 5.5           0 \r\n";

// What stands at tzone.txt, whether a save may write there, and whether a
// read takes it (a pipe or a folder counts as missing, at once).
TEST(DataFiles, OnlyRegularFilesAndTrustedLinksAreWritten) {
  const QString link = "it is a symbolic link ", alone = ", not a regular file, so it was left alone";
  // clang-format off
  const struct { QString kind; int folderMode; QString refusal; } rows[] = {
      {"", 0700, ""}, {"file", 0700, ""}, {"link file", 0700, ""}, {"folder", 0700, "it is a folder" + alone},
      {"pipe", 0700, "it is a named pipe" + alone}, {"link pipe", 0700, link + "to a named pipe, not to a regular file, so nothing was written"},
      {"link nowhere", 0700, link + "to a file that does not exist, so nothing was written"},
      {"link file", 0720, link + "in a folder that is not yours alone (another user could have put it there), so nothing was written through it"}};
  // clang-format on
  for (const auto& [kind, folderMode, refusal] : rows) {
    SCOPED_TRACE(kind.toStdString());
    test::DataFolder d;
    const QString path = d.Path("tzone.txt"), at = kind.startsWith("link") ? d.Path("there") : path;
    if (kind.endsWith("file")) d.Write(at.section('/', -1), kOld);
    ASSERT_TRUE(!kind.endsWith("folder") || QDir().mkdir(at));
    ASSERT_TRUE(!kind.endsWith("pipe") || !::mkfifo(QFile::encodeName(at), 0600));
    ASSERT_TRUE(!kind.startsWith("link") || QFile::link(at, path));
    ::chmod(QFile::encodeName(d.Root()), folderMode);
    EXPECT_EQ(ReadZoneFile(path).offset, kind.endsWith("file") ? "old" : "3");
    EXPECT_EQ(std::pair(WriteRefusal(path), WriteFileWhole(path, kNew).failure()),
              std::pair(refusal, refusal));
    EXPECT_EQ(QFileInfo(path).isSymLink(), kind.startsWith("link"));
    EXPECT_TRUE(kind.contains("p") || test::ReadFileBytes(at) == (refusal.isEmpty()       ? kNew
                                                                  : kind.endsWith("file") ? kOld
                                                                                          : ""));
  }
}

// A save, replacing or appending, on a disk that fills part-way and on a real
// full disk: the old file stays whole, nothing is left over, the failure is
// told. When all is well the save keeps the file's permissions.
TEST(DataFiles, SaveFaultsKeepTheOldFile) {
  test::DataFolder d;
  const QString path = d.Path("tzone.txt");
  for (const WriteMode mode : {WriteMode::kReplace, WriteMode::kAppend}) {
    d.Write("tzone.txt", kOld);
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther);
    test::FailWritesAfter(3);
    EXPECT_EQ(WriteFileWhole(path, kNew, mode).failure(), "No space left on device");
    test::FailWritesAfter(-1);
    EXPECT_EQ(std::pair(QDir(d.Root()).count(), d.Read("tzone.txt")), std::pair(3u, kOld));
    EXPECT_TRUE(WriteFileWhole(path, kNew, mode).ok());
    EXPECT_EQ(d.Read("tzone.txt"), mode == WriteMode::kAppend ? kOld + kNew : kNew);
    EXPECT_EQ(QFile::permissions(path),
              QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser | QFile::ReadOther);
  }
  // A tmpfs of 16 KB filled to the last byte.
  const test::ChildOutcome full = test::RunInChild([&]() -> std::string {
    if (std::string e = test::MountPrivately(d.Root().toStdString(), 16); !e.empty()) return e;
    d.Write("tzone.txt", kOld);
    QFile filler(d.Path("filler"));
    filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    while (filler.write(QByteArray(512, 'x')) > 0 || filler.write("x") > 0) continue;
    const bool told = WriteFileWhole(path, kNew).failure() == "No space left on device";
    return told && d.Read("tzone.txt") == kOld && QDir(d.Root()).count() == 4
               ? ""
               : "the full disk cost the old file";
  });
  if (full.kind == test::ChildOutcome::kCannotRun) GTEST_SKIP() << "a mount needs root";
  EXPECT_EQ(full.kind, test::ChildOutcome::kPassed) << full.report;
}

TEST(DataFiles, OnlyOurExactStaleSavePatternIsRemoved) {
  test::DataFolder d;
  for (const char* n :
       {"tzone.txt.zorvane-save-AbC123", "countries.txt.zorvane-save-x9Y8z7", "tzone.txt.zorvane-save-AbC-12",
        "tzone.txt.zorvane-save-AbC\xC3\xA9", "tzone.txt.AbC1234", "notes.txt.zorvane-save-AbC123"})
    d.Write(n, "x");
  QFile::link(d.Path("notes.txt.zorvane-save-AbC123"), d.Path("tzone.txt.zorvane-save-Link01"));
  EXPECT_EQ(RemoveStaleSaveFiles(d.Root(), {"countries.txt", "tzone.txt"}), 2);
  EXPECT_EQ(QDir(d.Root()).count(), 2 + 5);
}

}  // namespace
}  // namespace zv
