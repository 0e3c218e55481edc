// Where the data files are: a named folder, a portable copy beside the
// executable, or the user's folder over the shipped one of an installation;
// and which copy of each file is read.

#include "data/datafolders.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "data/seams.h"
#include "support/testsupport.h"

namespace zv {
namespace {

// A scratch tree of folders; `table` puts a countries.txt into one.
class Tree {
 public:
  QString Folder(const char* name) const { return QDir(dir_.path()).filePath(QString::fromLatin1(name)); }
  QString Make(const char* name, bool table = false, const QByteArray& bytes = {}) const {
    QDir().mkpath(Folder(name));
    if (table) {
      QFile f(QDir(Folder(name)).filePath("countries.txt"));
      EXPECT_TRUE(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size());
    }
    return Folder(name);
  }

 private:
  QTemporaryDir dir_;
};

TEST(DataFolders, ChoiceFollowsTheRule) {
  // clang-format off
  const struct { const char* what; bool named, exeTable, exeWritable, userTable, share1Table, share2Table, userIsShare1; const char* user; const char* shipped; } rows[] = {
      {"a named folder wins over a portable copy", true, true, true, false, true, true, false, "named", ""},
      {"portable: table beside a writable executable", false, true, true, true, true, false, false, "bin", ""},
      {"table beside a read-only executable: installed", false, true, false, false, true, false, false, "home", "share1"},
      {"writable folder without a table: installed", false, false, true, false, true, true, false, "home", "share1"},
      {"first installation folder without a table is passed over", false, false, false, false, false, true, false, "home", "share2"},
      {"the user's own saved table is not the shipped one", false, false, false, true, false, true, true, "home", "share2"},
      {"no installation found: the executable's folder is read", false, false, false, false, false, false, false, "home", "bin"}};
  // clang-format on
  for (const auto& c : rows) {
    SCOPED_TRACE(c.what);
    Tree t;
    DataFolderFacts facts;
    facts.named = c.named ? t.Make("named") : QString();
    facts.executableFolder = t.Make("bin", c.exeTable);
    facts.executableFolderWritable = c.exeWritable;
    facts.userDataFolder = t.Make("home", c.userTable);
    facts.installFolders = {c.userIsShare1 ? t.Folder("home") : t.Make("share1", c.share1Table),
                            t.Make("share2", c.share2Table)};
    const DataFolders got = ChooseDataFolders(facts);
    EXPECT_EQ(got.user, t.Folder(c.user));
    EXPECT_EQ(got.shipped, *c.shipped ? t.Folder(c.shipped) : QString());
  }
}

TEST(DataFolders, TheUsersCopyIsReadFirst) {
  // clang-format off
  const struct { const char* name; bool userCopy, shippedCopy, oneFolder; const char* from; } rows[] = {
      {"countries.txt", true, true, false, "home"}, {"countries.txt", false, true, false, "share"},
      {"countries.txt", false, false, false, "home"}, {"countries.txt", false, true, true, "home"},
      {"Maps", false, true, false, "share"}, {"Maps", true, true, false, "home"},
      {"tzone.txt", false, false, false, "home"}, {"highlight.txt", true, false, false, "home"}};
  // clang-format on
  for (const auto& c : rows) {
    SCOPED_TRACE(std::string(c.name) + (c.userCopy ? " mine" : "") + (c.shippedCopy ? " shipped" : ""));
    Tree t;
    for (const char* folder : {c.userCopy ? "home" : "", c.shippedCopy ? "share" : ""}) {
      if (!*folder) continue;
      const QString path = QDir(t.Make(folder)).filePath(c.name);
      if (QString(c.name) == "Maps")
        QDir().mkpath(path);
      else
        QFile(path).open(QIODevice::WriteOnly);
    }
    const DataFolders folders{t.Folder("home"), c.oneFolder ? QString() : t.Folder("share")};
    EXPECT_EQ(ReadPathIn(folders, c.name), QDir(t.Folder(c.from)).filePath(c.name));
  }
}

// Through DataPath as the program uses it: the test program's folder holds no
// countries.txt, so it runs as an installed program would.
TEST(DataFolders, InstalledReadsTheShippedTableUntilTheUserSavesOne) {
  Tree t;
  t.Make("home");
  t.Make("system/zorvane", true, "shipped");
  const QByteArray oldHome = qgetenv("XDG_DATA_HOME"), oldDirs = qgetenv("XDG_DATA_DIRS");
  qputenv("XDG_DATA_HOME", QFile::encodeName(t.Folder("home")));
  qputenv("XDG_DATA_DIRS", QFile::encodeName(t.Folder("system")));
  SetDataFolder(QString());
  const QDir user(QDir(t.Folder("home")).filePath("zorvane"));
  EXPECT_EQ(DataFolder(), user.path());
  EXPECT_EQ(test::ReadFileBytes(DataPath("countries.txt")), "shipped");
  EXPECT_EQ(DataPath("tzone.txt"), user.filePath("tzone.txt"));
  EXPECT_FALSE(user.exists());
  // The first write makes the user's folder; the saved table is read from then on.
  const QString saved = WritableDataPath("countries.txt");
  EXPECT_EQ(saved, user.filePath("countries.txt"));
  QFile f(saved);
  EXPECT_TRUE(f.open(QIODevice::WriteOnly) && f.write("saved") == 5);
  f.close();
  EXPECT_EQ(test::ReadFileBytes(DataPath("countries.txt")), "saved");
  qputenv("XDG_DATA_HOME", oldHome);
  qputenv("XDG_DATA_DIRS", oldDirs);

  // A named folder holds everything.
  SetDataFolder(t.Folder("named"));
  for (const char* name : {"countries.txt", "tzone.txt", "Maps"}) {
    EXPECT_EQ(DataPath(name), QDir(t.Folder("named")).filePath(name));
    EXPECT_EQ(WritableDataPath(name), QDir(t.Folder("named")).filePath(name));
  }
  SetDataFolder(QString());
}

}  // namespace
}  // namespace zv
