#include "data/datafolders.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "data/seams.h"
#include "support/testsupport.h"

namespace zv {
namespace {

// A scratch tree with the folders the rule looks at; `table` puts a
// countries.txt into a folder.
class Tree {
 public:
  QString Folder(const char* name) const { return QDir(dir_.path()).filePath(QString::fromLatin1(name)); }
  void Make(const char* name, bool table) const {
    QDir().mkpath(Folder(name));
    if (table) {
      QFile f(QDir(Folder(name)).filePath(QStringLiteral("countries.txt")));
      ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
  }

 private:
  QTemporaryDir dir_;
};

struct ChoiceCase {
  const char* what;
  bool named;
  bool exeTable, exeWritable;
  bool userTable;
  bool install1Table, install2Table;
  bool userIsInstall1;  // the user's folder is listed among the installation folders
  const char* user;     // expected folders, by name in the tree; "" for none
  const char* shipped;
};

class DataFolderChoice : public ::testing::TestWithParam<ChoiceCase> {};

TEST_P(DataFolderChoice, FollowsTheRule) {
  const ChoiceCase& c = GetParam();
  Tree t;
  t.Make("named", false);
  t.Make("bin", c.exeTable);
  t.Make("home", c.userTable);
  t.Make("share1", c.install1Table);
  t.Make("share2", c.install2Table);
  DataFolderFacts facts;
  facts.named = c.named ? t.Folder("named") : QString();
  facts.executableFolder = t.Folder("bin");
  facts.executableFolderWritable = c.exeWritable;
  facts.userDataFolder = t.Folder("home");
  facts.installFolders = {c.userIsInstall1 ? t.Folder("home") : t.Folder("share1"), t.Folder("share2")};
  const DataFolders got = ChooseDataFolders(facts);
  EXPECT_EQ(got.user, t.Folder(c.user)) << c.what;
  EXPECT_EQ(got.shipped, *c.shipped ? t.Folder(c.shipped) : QString()) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, DataFolderChoice,
    ::testing::Values(ChoiceCase{"a named folder wins over a portable copy", true, true, true, false, true,
                                 true, false, "named", ""},
                      ChoiceCase{"portable: table beside a writable executable", false, true, true, true,
                                 true, false, false, "bin", ""},
                      ChoiceCase{"table beside a read-only executable: installed", false, true, false, false,
                                 true, false, false, "home", "share1"},
                      ChoiceCase{"writable folder without a table: installed", false, false, true, false,
                                 true, true, false, "home", "share1"},
                      ChoiceCase{"first installation folder without a table is passed over", false, false,
                                 false, false, false, true, false, "home", "share2"},
                      ChoiceCase{"the user's own saved table is not taken for the shipped one", false, false,
                                 false, true, false, true, true, "home", "share2"},
                      ChoiceCase{"no installation found: the executable's folder is read", false, false,
                                 false, false, false, false, false, "home", "bin"}));

struct ReadCase {
  const char* name;
  bool userCopy, shippedCopy;
  bool oneFolder;
  const char* from;  // "home" or "share"
};

class DataFolderRead : public ::testing::TestWithParam<ReadCase> {};

TEST_P(DataFolderRead, PrefersTheUsersCopy) {
  const ReadCase& c = GetParam();
  Tree t;
  t.Make("home", false);
  t.Make("share", false);
  const QString name = QString::fromLatin1(c.name);
  auto place = [&](const char* folder) {
    const QString path = QDir(t.Folder(folder)).filePath(name);
    if (name == QStringLiteral("Maps")) {
      QDir().mkpath(path);
    } else {
      QFile f(path);
      ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
  };
  if (c.userCopy) place("home");
  if (c.shippedCopy) place("share");
  const DataFolders folders{t.Folder("home"), c.oneFolder ? QString() : t.Folder("share")};
  EXPECT_EQ(ReadPathIn(folders, name), QDir(t.Folder(c.from)).filePath(name));
}

INSTANTIATE_TEST_SUITE_P(Rows, DataFolderRead,
                         ::testing::Values(ReadCase{"countries.txt", true, true, false, "home"},
                                           ReadCase{"countries.txt", false, true, false, "share"},
                                           ReadCase{"countries.txt", false, false, false, "home"},
                                           ReadCase{"countries.txt", false, true, true, "home"},
                                           ReadCase{"Maps", false, true, false, "share"},
                                           ReadCase{"Maps", true, true, false, "home"},
                                           ReadCase{"tzone.txt", false, false, false, "home"},
                                           ReadCase{"highlight.txt", true, false, false, "home"}));

// Sets an environment variable for the life of the object.
class EnvVar {
 public:
  EnvVar(const char* name, const QString& value)
      : name_(name), old_(qgetenv(name)), had_(qEnvironmentVariableIsSet(name)) {
    qputenv(name, value.toLocal8Bit());
  }
  ~EnvVar() {
    if (had_)
      qputenv(name_, old_);
    else
      qunsetenv(name_);
  }

 private:
  const char* name_;
  QByteArray old_;
  bool had_;
};

// Through DataPath as the program uses it: the test program's folder holds no
// countries.txt, so it runs as an installed program would.
TEST(DataFolderInstalled, ReadsShippedTableUntilTheUserSavesOne) {
  Tree t;
  t.Make("home", false);
  t.Make("system/zorvane", false);
  {
    QFile f(QDir(t.Folder("system/zorvane")).filePath(QStringLiteral("countries.txt")));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("shipped");
  }
  EnvVar dataHome("XDG_DATA_HOME", t.Folder("home"));
  EnvVar dataDirs("XDG_DATA_DIRS", t.Folder("system"));
  SetDataFolder(QString());
  const QString userFolder = QDir(t.Folder("home")).filePath(QStringLiteral("zorvane"));
  EXPECT_EQ(DataFolder(), userFolder);
  EXPECT_EQ(test::ReadFileBytes(DataPath(QStringLiteral("countries.txt"))), QByteArray("shipped"));
  EXPECT_EQ(DataPath(QStringLiteral("tzone.txt")), QDir(userFolder).filePath(QStringLiteral("tzone.txt")));
  EXPECT_FALSE(QFileInfo::exists(userFolder));

  // The first write makes the user's folder; the saved table is read from then on.
  const QString saved = WritableDataPath(QStringLiteral("countries.txt"));
  EXPECT_EQ(saved, QDir(userFolder).filePath(QStringLiteral("countries.txt")));
  QFile f(saved);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write("saved");
  f.close();
  EXPECT_EQ(test::ReadFileBytes(DataPath(QStringLiteral("countries.txt"))), QByteArray("saved"));
}

TEST(DataFolderInstalled, NamedFolderHoldsEverything) {
  Tree t;
  t.Make("named", false);
  SetDataFolder(t.Folder("named"));
  for (const char* name : {"countries.txt", "tzone.txt", "Maps"}) {
    EXPECT_EQ(DataPath(QString::fromLatin1(name)),
              QDir(t.Folder("named")).filePath(QString::fromLatin1(name)));
    EXPECT_EQ(WritableDataPath(QString::fromLatin1(name)),
              QDir(t.Folder("named")).filePath(QString::fromLatin1(name)));
  }
  SetDataFolder(QString());
}

}  // namespace
}  // namespace zv
