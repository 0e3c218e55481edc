// Nothing lost: fields go back byte for byte in the file's own character set,
// limits are told, a file is replaced only where the user may, a running
// save's temporary is left alone, and edits kept at an ending wait beside
// the table.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <filesystem>

#include "app/commandline.h"
#include "countryinfo/entryedit.h"
#include "data/bytenames.h"
#include "data/countryfile.h"
#include "data/countrysave.h"
#include "data/datafolders.h"
#include "data/highlightfile.h"
#include "data/savefile.h"
#include "data/sharedstate.h"
#include "support/testsupport.h"

namespace zv {
namespace {

// As test::CountriesBytes dates its header.
const QDateTime kNine(QDate(2026, 1, 1), QTime(9, 0));

// A file goes back byte for byte, in its own character set, which a new
// character must fit.
TEST(Keeping, AFileGoesBackInItsOwnCharacterSet) {
  const std::tuple<const char*, const char*, char32_t> rows[] = {
      {"Caf\xe9\x80\x81\xff,1x,0,01,#2004-03-28#,# 10/5/2004 0:00#,,,,,,,A\xa0z\r\n",
       "Caf\u00e9\u20ac\u0081\u00ff", 0x1F600},
      {"Caf\xc3\xa9\xe2\x82\xac,1,0,0,#3/28/2004#,#10/5/2004#,,,,,,,\xc3\xa0 \xc2\xa0\r\n", "Caf\u00e9\u20ac",
       0xD800}};
  for (auto [record, name, bad] : rows) {
    const QByteArray file = "Country TimeZone w/GMT DayLightSavingHrs  Jan 01  9:00 AM\r\n" +
                            QByteArray(50, '-') + "\r\n\r\n" + record;
    test::DataFolder d;
    d.Write("countries.txt", file);
    CountryTable t;
    const ReadResult r = ReadCountriesFile(d.Path("countries.txt"), t, 1);
    EXPECT_EQ(t.at(1, kColName), QString::fromUtf8(name));
    EXPECT_EQ(WriteCountriesBytes(t, 1, kNine, r.encoding), file);
    // A smiling face: in UTF-8 but not in Windows-1252; half of a character in neither.
    t.at(1, kColHistory) = QString::fromUtf16(u"\U0001F600\xd800");
    EXPECT_EQ(FirstUnwritableChar(t, 1, r.encoding)->codePoint, bad);
  }
  // A file read in part may end inside a UTF-8 character.
  EXPECT_EQ(DetectEncoding("Caf\xc3\xa9\xe2\x82", true), TextEncoding::kUtf8);
}

TEST(Keeping, ABoxNotEditedLeavesItsFieldAsRead) {
  CountryTable t = test::EntryTable();
  t.at(5, kColHistory) = QString::fromUtf8("a;b\u00a0c");
  EntryBoxes b;
  b.text.fill("a;b c");
  b.edited.fill(false);
  b.edited[kBoxCapital] = true;
  t.at(5, kColDstUsed) = "01";
  t.dstStart[5] = DateFromYmd(2004, 3, 28);
  b.checkState = 1;
  ASSERT_FALSE(CommitEntry(b, 2026, t, 5));
  EXPECT_EQ(t.at(5, kColName) + t.at(5, kColHistory) + t.at(5, kColCapital) + t.at(5, kColDstUsed) +
                FormatFileDate(t.dstStart[5]),
            QString::fromUtf8("Entry 5a;b\u00a0ca\u00b8b c013/28/2004"));
}

// A folder named with byte E9 (Latin-1 e-acute) by --data-dir, XDG_DATA_HOME
// or HOME: the save lands in that very folder and nowhere else, and the user
// is shown its name with the byte escaped.
TEST(Keeping, AFolderNamedInAnyBytesIsWrittenItself) {
  const std::pair<const char*, const char*> rows[] = {{"--data-dir", "caf\xe9/tzone.txt"},
                                                      {"XDG_DATA_HOME", "caf\xe9/\xe9/zorvane/tzone.txt"},
                                                      {"HOME", "caf\xe9/.local/share/zorvane/tzone.txt"}};
  for (auto [how, file] : rows) {
    QTemporaryDir root;
    const QByteArray folder = QFile::encodeName(root.path()) + "/caf\xe9";
    ASSERT_EQ(::mkdir(folder.constData(), 0700), 0);
    qunsetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_DIRS", "share:" + folder);  // a relative folder is ignored
    QStringList args = {"zorvane"};
    if (how[0] == '-')
      args << how << TextOfBytes(folder);
    else
      qputenv(how, how[0] == 'X' ? folder + "/\xe9" : folder);  // XDG_DATA_HOME not made yet
    // The test program's folder holds no table, so the program counts as installed.
    const DataFolderFacts facts = CurrentDataFolderFacts(ReadCommandLine(args, "").dataFolder);
    EXPECT_EQ(facts.installFolders.size(), 2);
    const QString user = ChooseDataFolders(facts).user;
    QDir().mkpath(user);
    ASSERT_TRUE(WriteFileWhole(user + "/tzone.txt", "x").ok());
    std::string found;
    const std::filesystem::path top(QFile::encodeName(root.path()).constData());
    for (const auto& e : std::filesystem::recursive_directory_iterator(top))
      if (e.is_regular_file()) found += e.path().lexically_relative(top).string();
    EXPECT_EQ(found, file);
    EXPECT_EQ(ShownPath(user + "/tzone.txt"),
              root.path() + "/" + QString::fromLatin1(file).replace(u'\xe9', "\\xE9"));
    std::filesystem::remove_all(top);  // a name Qt cannot remove
  }
}

// 16 MiB is read whole and may grow; one byte more is neither.
TEST(Keeping, TooLargeFilesAreReadInPartAndNotExtended) {
  for (int extra : {0, 1}) {
    test::DataFolder d;
    d.Write("countries.txt", test::CountriesBytes(test::EntryTable()));
    QFile f(d.Path("countries.txt"));
    f.resize((16 << 20) + extra);
    CountryTable t;
    EXPECT_EQ(ReadInPart(ReadCountriesFile(f.fileName(), t, kEntryCount)), extra);
    EXPECT_NE(WriteFileWhole(f.fileName(), "x", WriteMode::kAppend).ok(), extra);
  }
}

// The reader takes 230 fields and 64 KiB; entry 5 is added.
TEST(Keeping, AHighlightBeyondWhatIsReadCompactsTheFile) {
  QByteArray full;
  for (int i = 0; i < 230; ++i) full += i % 2 ? " 7 \r\n" : "\r\n";
  const std::tuple<QByteArray, bool, const char*> rows[] = {
      {full.mid(2), false, "none"},
      {full, false, " 7 \r\n 5 \r\n"},
      {" 9 \r\n 300 \r\n 5 \r\n 9 \r\n", true, " 9 \r\n 5 \r\n"},
      {QByteArray(65531, ' '), false, "none"},
      {QByteArray(65532, ' '), false, " 5 \r\n"}};
  for (auto [start, cut, after] : rows)
    EXPECT_EQ(CompactedHighlights(start, cut, 5, kEntryCount).value_or("none"), after);
}

// own/chain -> open/far -> own/file passes through a folder anyone may
// write; own/file is then made read-only.
TEST(Keeping, OnlyFilesTheUserMayWriteAndTrustedLinksAreReplaced) {
  test::DataFolder d;
  QDir(d.Root()).mkpath("own");
  QDir(d.Root()).mkpath("open");
  QFile::setPermissions(d.Path("open"), QFile::Permissions(0x7777));
  d.Write("own/file", "x");
  QFile::link("../own/file", d.Path("open/far"));
  QFile::link("../open/far", d.Path("own/chain"));
  EXPECT_FALSE(WriteFileWhole(d.Path("own/chain"), "y").ok());
  QFile::setPermissions(d.Path("own/file"), QFile::ReadOwner);
  EXPECT_FALSE(WriteFileWhole(d.Path("own/file"), "y").ok());
  // A link in a folder of another user's (nobody's), as root can make one.
  QFile::setPermissions(d.Path("own/file"), QFile::ReadOwner | QFile::WriteOwner);
  QFile::link("../own/file", d.Path("open/theirs"));
  if (::chown(QFile::encodeName(d.Path("open")).constData(), 65534, 65534) == 0) {
    QFile::setPermissions(d.Path("open"), QFile::Permissions(0x7755));
    EXPECT_FALSE(WriteFileWhole(d.Path("open/theirs"), "y").ok());
  }
}

// A save holds its temporary while it writes; once it ended, start-up removes it.
struct RemoveWhileWriting : FileWriter {
  QString folder;
  mutable int removed = -1;
  int WriteAll(int fd, const QByteArray& bytes) const override {
    removed = RemoveStaleSaveFiles(folder, {"tzone.txt"});
    return ::write(fd, bytes.constData(), bytes.size()) == bytes.size() ? 0 : EIO;
  }
};

TEST(Keeping, StartUpLeavesARunningSavesTemporary) {
  test::DataFolder d;
  RemoveWhileWriting writer;
  writer.folder = d.Root();
  SetFileWriter(&writer);
  ASSERT_TRUE(WriteFileWhole(d.Path("tzone.txt"), "z").ok());
  SetFileWriter(nullptr);
  d.Write("tzone.txt.zorvane-save-a1B2c3", "t");
  EXPECT_EQ(writer.removed + RemoveStaleSaveFiles(d.Root(), {"tzone.txt"}), 1);
}

// A table in Windows-1252: a copy with "\u0141" is kept (in UTF-8) but not
// restored, nor is a copy cut short; both wait on.
TEST(Keeping, KeptEditsWaitBesideTheTable) {
  test::DataFolder d;
  d.Write("countries.txt", "old");
  Shared().countriesRead.encoding = TextEncoding::kWindows1252;
  CountryTable t = test::EntryTable();
  for (const char* capital : {"\u0141", "", "Q"}) {
    t.at(3, kColCapital) = QString::fromUtf8(capital);
    EXPECT_EQ(KeepRecoveryCopy(t, kEntryCount, kNine, d.Path("countries.txt")) + d.Read("countries.txt"),
              "old");
    if (!*capital) d.Write("countries.txt.unsaved", "cut");
    EXPECT_EQ(!RestoreRecoveryCopy(d.Path("countries.txt"), kEntryCount, kNine), *capital == 'Q');
  }
  EXPECT_TRUE(d.Read("countries.txt") == test::CountriesBytes(t) && !d.Exists("countries.txt.unsaved"));
}

// A field of 32,767 characters, the most a line box holds, is shown whole;
// one more shows its beginning and is named.
TEST(Keeping, FieldsTooLongForTheirBoxAreNamed) {
  std::array<qsizetype, kBoxCount> lengths{};
  lengths[kBoxName] = 32767;
  lengths[kBoxHistory] = 32768;
  EXPECT_EQ(TooLongNote(lengths) + QString::number(ShownField(QString(32768, u'x')).size()),
            "Too long to edit here, kept as it is: Brief History32767");
}

}  // namespace
}  // namespace zv
