// What may stand in a data file's place: readers take only regular files and
// never block; writers replace only regular files (or write through a link
// the user alone can have made); a failing disk never costs the old file;
// the leftovers of a killed save are removed, and nothing else is; a save
// never replaces a file changed on disk since the program read it.

#include "data/countryfile.h"
#include "data/datafileio.h"
#include "data/highlightfile.h"
#include "data/savefile.h"
#include "data/tzonefile.h"
#include "support/testsupport.h"

namespace zv {
namespace {

const QByteArray kOld = "old\r\n", kNew = " 5.5           0 \r\n";

// What stands at tzone.txt, made by a shell command, whether a save may
// write there, and whether a read takes it (a pipe or a folder counts as
// missing, at once).
TEST(DataFiles, OnlyRegularFilesAndTrustedLinksAreWritten) {
  const QString link = "it is a symbolic link ", alone = ", not a regular file, so it was left alone";
  // clang-format off
  const struct { const char* setup; bool readable; QString refusal; } rows[] = {
      {"true", 0, ""}, {"echo old >tzone.txt", 1, ""}, {"echo old >there; ln -s there tzone.txt", 1, ""},
      {"mkdir tzone.txt", 0, "it is a folder" + alone}, {"mkfifo tzone.txt", 0, "it is a named pipe" + alone},
      {"mkfifo there; ln -s there tzone.txt", 0, link + "to a named pipe, not to a regular file, so nothing was written"},
      {"ln -s there tzone.txt", 0, link + "to a file that does not exist, so nothing was written"},
      {"echo old >there; ln -s there tzone.txt; chmod g+w .", 1,
       link + "in a folder that is not yours alone (another user could have put it there), so nothing was written through it"}};
  // clang-format on
  for (const auto& [setup, readable, refusal] : rows) {
    SCOPED_TRACE(setup);
    test::DataFolder d;
    const QString path = d.Path("tzone.txt");
    ASSERT_EQ(std::system(qPrintable("cd " + d.Root() + " && chmod 700 . && " + setup)), 0);
    EXPECT_EQ(ReadZoneFile(path).offset, readable ? "old" : "3");
    EXPECT_EQ(std::pair(WriteRefusal(path), WriteFileWhole(path, kNew).failure()),
              std::pair(refusal, refusal));
    EXPECT_EQ(QFileInfo(path).isSymLink(), QString(setup).contains("ln"));
    EXPECT_TRUE(QString(setup).contains("fifo") ||
                test::ReadFileBytes(path) ==
                    (refusal.isEmpty() ? kNew : QByteArray(readable ? "old\n" : "")));
  }
}

// A save, replacing or appending, on a disk that fills part-way: the old file
// stays whole, nothing is left over, the failure is told. When all is well
// the save keeps the file's permissions.
TEST(DataFiles, SaveFaultsKeepTheOldFile) {
  test::DataFolder d;
  const QString path = d.Path("tzone.txt");
  for (const WriteMode mode : {WriteMode::kReplace, WriteMode::kAppend}) {
    d.Write("tzone.txt", kOld);
    ASSERT_EQ(std::system(qPrintable("chmod 604 " + path)), 0);
    test::FailWritesAfter(3);
    EXPECT_EQ(WriteFileWhole(path, kNew, mode).failure(), "No space left on device");
    test::FailWritesAfter(-1);
    EXPECT_EQ(std::pair(QDir(d.Root()).count(), d.Read("tzone.txt")), std::pair(3u, kOld));
    EXPECT_TRUE(WriteFileWhole(path, kNew, mode).ok());
    EXPECT_EQ(d.Read("tzone.txt"), mode == WriteMode::kAppend ? kOld + kNew : kNew);
    EXPECT_EQ(std::system(qPrintable("test $(stat -c %a " + path + ") = 604")), 0);
  }
}

// Another copy of the program (on a computer sharing the home folder) saved
// a file after this one read it, or wrote back the same bytes. A row for the
// reader of each of countries.txt, highlight.txt and tzone.txt. Highlight adds
// its line in any case, after which Clear still may not replace the file.
TEST(DataFiles, ASaveKeepsAChangeMadeOnDiskSinceTheRead) {
  const std::function<void(const QString&)> readers[] = {[](auto p) {
                                                           CountryTable t;
                                                           ReadCountriesFile(p, t, kEntryCount);
                                                         },
                                                         [](auto p) { ReadHighlightFile(p); },
                                                         [](auto p) { ReadZoneFile(p); }};
  for (const auto& read : readers) {
    for (const bool changed : {false, true}) {
      SCOPED_TRACE(changed);
      test::DataFolder d;
      d.Write("file", kOld);
      read(d.Path("file"));
      const QByteArray other = changed ? kOld + kOld : kOld;
      d.Write("file", other);
      EXPECT_TRUE(WriteFileWhole(d.Path("file"), kNew, WriteMode::kAppend).ok());
      EXPECT_EQ(WriteFileWhole(d.Path("file"), kNew).failure().contains("changed on disk since Zorvane read"),
                changed);
      EXPECT_EQ(d.Read("file"), changed ? other + kNew : kNew);
    }
  }
  // Settings still as read leave another copy's newer ones, without a word.
  test::DataFolder d;
  d.Write("tzone.txt", kNew);
  ReadZoneFile(d.Path("tzone.txt"));
  d.Write("tzone.txt", kOld);
  EXPECT_EQ(SaveZoneFile(d.Path("tzone.txt"), "5.5", "0", ZoneTexts{"5.5", "0"}).failure(), "");
  EXPECT_EQ(d.Read("tzone.txt"), kOld);
}

// Read from the shipped folder, the user having no copy: a copy of the user's
// own that another copy of the program made before the first save is kept.
TEST(DataFiles, AFirstSaveKeepsTheCopyAnotherCopyMade) {
  test::DataFolder home, system;
  SetDataFolder("");
  for (const test::DataFolder* d : {&home, &system}) QDir().mkpath(d->Path("zorvane"));
  system.Write("zorvane/countries.txt", kOld);
  qputenv("XDG_DATA_HOME", home.Root().toUtf8());
  qputenv("XDG_DATA_DIRS", system.Root().toUtf8());
  CountryTable t;
  ReadCountriesFile(DataPath("countries.txt"), t, kEntryCount);
  home.Write("zorvane/countries.txt", kNew);
  EXPECT_FALSE(WriteFileWhole(WritableDataPath("countries.txt"), kOld + kOld).ok());
  EXPECT_EQ(home.Read("zorvane/countries.txt"), kNew);
  qunsetenv("XDG_DATA_HOME");
  qunsetenv("XDG_DATA_DIRS");
}

TEST(DataFiles, OnlyOurExactStaleSavePatternIsRemoved) {
  test::DataFolder d;
  ASSERT_EQ(
      std::system(qPrintable(
          "cd " + d.Root() + " && touch tzone.txt.zorvane-save-AbC123 countries.txt.zorvane-save-x9Y8z7 " +
          "tzone.txt.zorvane-save-AbC-12 tzone.txt.zorvane-save-AbC\xC3\xA9 tzone.txt.AbC1234 " +
          "notes.txt.zorvane-save-AbC123")),
      0);
  EXPECT_EQ(RemoveStaleSaveFiles(d.Root(), {"countries.txt", "tzone.txt"}), 2);
  EXPECT_EQ(QDir(d.Root()).count(), 2 + 4);
}

}  // namespace
}  // namespace zv
