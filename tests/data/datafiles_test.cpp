// What may stand in a data file's place: readers take only regular files and
// never block; writers replace only regular files (or write through a link
// the user alone can have made); a failing disk or folder never costs the old
// file; the leftovers of a killed save are removed, and nothing else is.
//
// Where the data files are: a named folder, a portable copy beside the
// executable, or the user's folder over the shipped one of an installation;
// and which copy of each file is read.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <cstring>

#include "data/datafileio.h"
#include "data/datafolders.h"
#include "data/savefile.h"
#include "data/seams.h"
#include "data/tzonefile.h"
#include "support/childprocess.h"
#include "support/testsupport.h"

namespace zv {
namespace {

using test::ChildOutcome;

QByteArray Name(const QString& path) { return QFile::encodeName(path); }
unsigned ModeOf(const QString& path) {
  struct stat st {};
  return ::stat(Name(path).constData(), &st) == 0 ? st.st_mode & 0777 : 0u;
}
QStringList FilesIn(const QString& folder) {
  return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

const QByteArray kOld = "old contents\r\n";
const QByteArray kNew = " 5.5           0 \r\n";

// A regular file is read, at most the bytes asked for; a missing one is none.
TEST(DataFiles, RegularFilesAreRead) {
  test::DataFolder d;
  d.Write("real.txt", " -4.5          1 \r\n");
  const DataFileRead r = ReadDataFile(d.Path("real.txt"), 4);
  EXPECT_EQ(std::pair(r.state, r.bytes), std::pair(DataFileRead::kOk, QByteArray(" -4.")));
  EXPECT_EQ(ReadDataFile(d.Path("none.txt"), 4).state, DataFileRead::kMissing);
  // A file that holds fewer bytes than its size says (as a shrinking file does).
  const DataFileRead sys = ReadDataFile("/sys/devices/system/cpu/online", 100);
  EXPECT_TRUE(sys.state == DataFileRead::kOk && sys.bytes.endsWith('\n') && sys.bytes.size() < 100);
  // A file whose reading fails (the loopback device has no speed): the system's reason, no bytes.
  const DataFileRead bad = ReadDataFile("/sys/class/net/lo/speed", 100);
  EXPECT_TRUE(bad.state == DataFileRead::kError && bad.bytes.isEmpty() && !bad.error.isEmpty());
}

// What stands at the path, whether a save may write there, and whether a
// read takes it (a pipe, a device or a folder counts as missing, at once). The test's
// own pipe and device node (like /dev/null; needs root, as in CI) stand at
// the end of links: should a write ever go through, it replaces nothing of
// the system's.
TEST(DataFiles, OnlyRegularFilesAndTrustedLinksAreWritten) {
  const QString notYours =
      "it is a symbolic link in a folder that is not yours alone (another user could have put it there), so "
      "nothing was written through it";
  const QString alone = ", not a regular file, so it was left alone", link = "it is a symbolic link to a ";
  const QString notWritten = ", not to a regular file, so nothing was written";
  // clang-format off
  const struct { char kind; const char* target; int folderMode; bool otherOwner; QString refusal; } rows[] = {
      {'-', "", 0700, false, ""}, {'r', "", 0700, false, ""},
      {'d', "", 0700, false, "it is a folder" + alone}, {'p', "", 0700, false, "it is a named pipe" + alone},
      {'l', "pipe", 0700, false, link + "named pipe" + notWritten},
      {'l', "device", 0700, false, link + "device" + notWritten},
      {'l', "nowhere.txt", 0700, false, link + "file that does not exist, so nothing was written"},
      {'l', "target.txt", 0700, false, ""}, {'l', "target.txt", 0777, false, notYours},
      {'l', "target.txt", 0770, false, notYours}, {'l', "target.txt", 0700, true, notYours}};
  // clang-format on
  for (const auto& r : rows) {
    SCOPED_TRACE(std::string(1, r.kind) + " " + r.target + " " + std::to_string(r.folderMode));
    test::DataFolder d;
    d.Write("target.txt", kOld);
    const QString path = d.Path("tzone.txt"), target = d.Path(r.target);
    bool made = r.kind != 'd' || QDir().mkdir(path);
    if (r.kind == 'r') d.Write("tzone.txt", kOld);
    if (r.kind == 'p' || QString(r.target) == "pipe")
      made &= ::mkfifo(Name(r.kind == 'p' ? path : target), 0600) == 0;
    if (QString(r.target) == "device") made &= ::mknod(Name(target), S_IFCHR | 0600, makedev(1, 3)) == 0;
    if (r.kind == 'l') made &= QFile::link(target, path);
    ::chmod(Name(d.Root()), r.folderMode);
    if (r.otherOwner) made &= ::chown(Name(d.Root()), 1, 1) == 0;
    EXPECT_TRUE(made || geteuid() != 0) << "could not be made as root";
    if (!made) continue;
    const bool readable = r.kind == 'r' || QString(r.target) == "target.txt";
    EXPECT_EQ(ReadDataFile(path, 100).state, readable ? DataFileRead::kOk : DataFileRead::kMissing);
    EXPECT_EQ(ReadZoneFile(path).offset, readable ? "old" : "3");
    EXPECT_EQ(std::pair(WriteRefusal(path), WriteFileWhole(path, kNew).failure()),
              std::pair(r.refusal, r.refusal));
    // A link's target keeps its place: a write replaces the target file.
    EXPECT_EQ(WriteTarget(path),
              r.kind == 'l' && QFileInfo::exists(target) ? QFileInfo(target).canonicalFilePath() : path);
    EXPECT_EQ(QFileInfo(path).isSymLink(), r.kind == 'l');  // a link stays a link
    EXPECT_EQ(d.Read("target.txt"), r.refusal.isEmpty() && r.kind == 'l' ? kNew : kOld);
    EXPECT_TRUE(!r.refusal.isEmpty() || test::ReadFileBytes(path) == kNew);
    EXPECT_TRUE(QDir(d.Root()).entryList({"*zorvane-save*"}, QDir::AllEntries | QDir::Hidden).isEmpty());
  }
}

// Each data file with its own way of saving, when the disk fills part-way,
// the folder is gone or read-only, when all is well again, and on a real full
// disk: the old file stays whole and the failure is told.
TEST(DataFiles, SaveFaultsKeepTheOldFile) {
  // clang-format off
  const struct { const char* name; WriteMode mode; QByteArray bytes; } kinds[] = {
      {"countries.txt", WriteMode::kReplace, test::CountriesBytes(test::EntryTable())},
      {"tzone.txt", WriteMode::kReplace, kNew}, {"highlight.txt", WriteMode::kAppend, " 12 \r\n"}};
  // clang-format on
  for (const auto& k : kinds) {
    SCOPED_TRACE(k.name);
    test::DataFolder d;
    const QString path = d.Path(k.name);
    d.Write(k.name, kOld);
    for (qint64 after : {0, 1, 10}) {
      test::FailWritesAfter(after);
      EXPECT_FALSE(WriteFileWhole(path, k.bytes, k.mode).ok()) << after;
      test::FailWritesAfter(-1);
      EXPECT_EQ(test::ReadFileBytes(path), kOld) << after;
    }
    EXPECT_EQ(FilesIn(d.Root()), QStringList{k.name});  // nothing left over
    EXPECT_FALSE(WriteFileWhole(d.Path(QStringLiteral("gone/") + k.name), k.bytes, k.mode).ok());
    EXPECT_FALSE(QDir(d.Path("gone")).exists());

    // A read-only folder: a read-only mount in a private mount namespace of a
    // child (needs root, as in CI).
    const ChildOutcome out = test::RunInChild([&]() -> std::string {
      if (std::string e = test::MountReadOnly(d.Root().toStdString()); !e.empty()) return e;
      return WriteFileWhole(path, k.bytes, k.mode).ok() ? "the write was reported as done" : "";
    });
    EXPECT_EQ(out.kind, geteuid() == 0 ? ChildOutcome::kPassed : ChildOutcome::kCannotRun) << out.report;

    // All well again: the save keeps the file's permissions; a new file gets
    // those the user's mask allows.
    ::chmod(Name(path), 0604);
    ASSERT_TRUE(WriteFileWhole(path, k.bytes, k.mode).ok());
    EXPECT_EQ(test::ReadFileBytes(path), k.mode == WriteMode::kAppend ? kOld + k.bytes : k.bytes);
    const mode_t mask = ::umask(027);
    EXPECT_TRUE(WriteFileWhole(path + ".new", k.bytes, k.mode).ok());
    ::umask(mask);
    EXPECT_EQ(std::pair(ModeOf(path), ModeOf(path + ".new")), std::pair(0604u, 0640u));

    // A real full disk: a tmpfs of 16 KB mounted in a private mount namespace
    // of a child (needs root, as in CI), filled to the last byte.
    const std::string disk = d.Path("disk").toStdString();
    ASSERT_TRUE(QDir(d.Root()).mkdir("disk"));
    const ChildOutcome full = test::RunInChild([&]() -> std::string {
      if (std::string e = test::MountSmallTmpfs(disk, 16); !e.empty()) return e;
      const QString file = d.Path("disk/") + k.name;
      QFile f(file);
      if (!f.open(QIODevice::WriteOnly) || f.write(kOld) != kOld.size() || !f.flush()) return "no old file";
      const int fill = ::open((disk + "/filler").c_str(), O_WRONLY | O_CREAT, 0600);
      const char block[512] = {};
      for (size_t size : {sizeof block, size_t{1}})
        while (::write(fill, block, size) > 0) continue;
      ::close(fill);
      return std::string(WriteFileWhole(file, k.bytes, k.mode).ok() ? "success was reported; " : "") +
             (test::ReadFileBytes(file) != kOld ? "the old file changed; " : "") +
             (FilesIn(d.Path("disk")).size() != 2 ? "files were left over" : "");
    });
    EXPECT_EQ(full.kind, geteuid() == 0 ? ChildOutcome::kPassed : ChildOutcome::kCannotRun) << full.report;
  }
}

TEST(DataFiles, OnlyOurExactStaleSavePatternIsRemoved) {
  test::DataFolder d;
  // clang-format off
  const QStringList ours = {"tzone.txt.zorvane-save-AbC123", "countries.txt.zorvane-save-x9Y8z7",
                            "highlight.txt.zorvane-save-000000"};
  const QStringList others = {"tzone.txt.zorvane-save-AbC12", "tzone.txt.zorvane-save-AbC1234",
                              "tzone.txt.zorvane-save-AbC-12", "tzone.txt.AbC123", "tzone.txt.backup",
                              "notes.txt.zorvane-save-AbC123", "tzone.txt"};
  // clang-format on
  for (const QString& n : ours + others) d.Write(n, "x");
  ASSERT_TRUE(QDir(d.Root()).mkdir("countries.txt.zorvane-save-Folder"));
  ASSERT_TRUE(QFile::link(d.Path("tzone.txt"), d.Path("highlight.txt.zorvane-save-Link01")));
  EXPECT_EQ(RemoveStaleSaveFiles(d.Root(), {"countries.txt", "tzone.txt", "highlight.txt"}), 3);
  QStringList left =
      others + QStringList{"countries.txt.zorvane-save-Folder", "highlight.txt.zorvane-save-Link01"};
  left.sort(Qt::CaseInsensitive);
  EXPECT_EQ(FilesIn(d.Root()), left);
}

// A scratch tree of folders; `table` puts a countries.txt into one.
struct Tree : test::DataFolder {
  QString Make(const QString& name, bool table = false, const QByteArray& bytes = {}) const {
    QDir().mkpath(Path(name));
    if (table) Write(name + "/countries.txt", bytes);
    return Path(name);
  }
};

TEST(DataFolders, ChoiceFollowsTheRule) {
  // has: 'n' a named folder, tables beside the executable 'b', in the user's
  // folder 'h', in the installation folders '1' and '2'; 'w' the executable's
  // folder is writable; 'u' the user's folder is the first installation folder.
  // clang-format off
  const struct { const char *what, *has, *user, *shipped; } rows[] = {
      {"a named folder wins over a portable copy", "nbw12", "named", ""},
      {"portable: table beside a writable executable", "bwh1", "bin", ""},
      {"table beside a read-only executable: installed", "b1", "home", "share1"},
      {"writable folder without a table: installed", "w12", "home", "share1"},
      {"first installation folder without a table is passed over", "2", "home", "share2"},
      {"the user's own saved table is not the shipped one", "h2u", "home", "share2"},
      {"no installation found: the executable's folder is read", "", "home", "bin"}};
  // clang-format on
  for (const auto& c : rows) {
    SCOPED_TRACE(c.what);
    const auto has = [&](char flag) { return std::strchr(c.has, flag) != nullptr; };
    Tree t;
    DataFolderFacts facts;
    facts.named = has('n') ? t.Make("named") : QString();
    facts.executableFolder = t.Make("bin", has('b'));
    facts.executableFolderWritable = has('w');
    facts.userDataFolder = t.Make("home", has('h'));
    facts.installFolders = {has('u') ? t.Path("home") : t.Make("share1", has('1')),
                            t.Make("share2", has('2'))};
    const DataFolders got = ChooseDataFolders(facts);
    EXPECT_EQ(got.user, t.Path(c.user));
    EXPECT_EQ(got.shipped, *c.shipped ? t.Path(c.shipped) : QString());
  }
}

// A file or folder (here the Maps folder) is read from the user's folder
// when it is there, else from the shipped one when that has it.
TEST(DataFolders, TheUsersCopyIsReadFirst) {
  // clang-format off
  const struct { bool userCopy, shippedCopy, shippedFolder; const char* from; } rows[] = {
      {true, true, true, "home"}, {false, true, true, "share"}, {false, false, true, "home"},
      {false, true, false, "home"}, {true, false, true, "home"}};
  // clang-format on
  for (const auto& c : rows) {
    Tree t;
    if (c.userCopy) t.Make("home/Maps");
    if (c.shippedCopy) t.Make("share/Maps");
    const DataFolders folders{t.Path("home"), c.shippedFolder ? t.Path("share") : QString()};
    EXPECT_EQ(ReadPathIn(folders, "Maps"), t.Path(c.from + QString("/Maps"))) << c.userCopy << c.shippedCopy;
  }
}

// Through DataPath as the program uses it: the test program's folder holds no
// countries.txt, so it runs as an installed program would.
TEST(DataFolders, InstalledReadsTheShippedTableUntilTheUserSavesOne) {
  Tree t;
  t.Make("home");
  t.Make("system/zorvane", true, "shipped");
  const QByteArray oldHome = qgetenv("XDG_DATA_HOME"), oldDirs = qgetenv("XDG_DATA_DIRS");
  qputenv("XDG_DATA_HOME", QFile::encodeName(t.Path("home")));
  qputenv("XDG_DATA_DIRS", QFile::encodeName(t.Path("system")));
  SetDataFolder(QString());
  const QDir user(QDir(t.Path("home")).filePath("zorvane"));
  EXPECT_EQ(DataFolder(), user.path());
  EXPECT_EQ(test::ReadFileBytes(DataPath("countries.txt")), "shipped");
  EXPECT_EQ(DataPath("tzone.txt"), user.filePath("tzone.txt"));
  EXPECT_FALSE(user.exists());
  // The first write makes the user's folder; the saved table is read from then on.
  EXPECT_EQ(WritableDataPath("countries.txt"), user.filePath("countries.txt"));
  t.Write("home/zorvane/countries.txt", "saved");
  EXPECT_EQ(test::ReadFileBytes(DataPath("countries.txt")), "saved");
  qputenv("XDG_DATA_HOME", oldHome);
  qputenv("XDG_DATA_DIRS", oldDirs);

  // A named folder holds everything.
  SetDataFolder(t.Path("named"));
  for (const QString name : {"countries.txt", "tzone.txt", "Maps"})
    EXPECT_EQ(std::pair(DataPath(name), WritableDataPath(name)),
              std::pair(t.Path("named/" + name), t.Path("named/" + name)));
  SetDataFolder(QString());
}

}  // namespace
}  // namespace zv
