// The country information and clock windows against what a desktop does:
// a table read only in part, 29 February in a year without it, the box's
// pop-up menu, Enter on a focused button, leftovers of a killed save.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <functional>

#include "app/gui/appwindows.h"
#include "clock/gui/clockwindow.h"
#include "countryinfo/gui/countryinfowindow.h"
#include "data/countryfile.h"
#include "data/module1.h"
#include "data/tableread.h"
#include "support/clockfixture.h"

namespace zv {
namespace {

const QDateTime kIn2026(QDate(2026, 12, 5), QTime(18, 47));

// The sample table's file with entry 100's start date made no date.
QByteArray DamagedAt100() {
  QByteArray bytes = test::CountriesBytes(test::EntryTable(QStringLiteral("1")));
  QList<QByteArray> lines = bytes.split('\n');
  const int line = 3 + 99;  // three header lines, then entry 1 ..
  QList<QByteArray> fields = lines[line].split(',');
  fields[4] = "#2/30/2026#";
  lines[line] = fields.join(',');
  return lines.join('\n');
}

class DesktopFaults : public test::ClockWindowTest {
 protected:
  DesktopFaults() : ClockWindowTest(kIn2026) {}
};

TEST_F(DesktopFaults, PartReadTableIsToldOnceAndSaveRefused) {
  const QByteArray damaged = DamagedAt100();
  StartClock(damaged);
  EXPECT_TRUE(prompts_.messages.isEmpty());  // told when the window is up
  QCoreApplication::processEvents();
  ASSERT_EQ(prompts_.messages.size(), 1);
  EXPECT_EQ(
      prompts_.messages[0],
      "countries.txt could be read only in part. Reading stopped at entry 100 (\"Entry 100\"), field 5 "
      "(daylight-saving start date): \"#2/30/2026#\" is not a date between # signs. The entries from there "
      "on are empty or incomplete. The file has not been changed; saving the table is refused until the "
      "file reads whole again.");
  EXPECT_TRUE(CountryTableReadInPart());

  CountryInfoWindow* w = CountryInfo();
  QCoreApplication::processEvents();
  EXPECT_EQ(prompts_.messages.size(), 1);  // once only, not at the window's loading
  w->SetEntryText("5");
  QTest::mouseDClick(w->LineBox(kBoxCapital), Qt::LeftButton);
  w->SetBoxText(kBoxCapital, "Changed");
  ASSERT_TRUE(w->Command1(5)->isEnabled());
  w->Command1(5)->click();  // no Yes/No is asked: the script has no answer
  ASSERT_EQ(prompts_.messages.size(), 2);
  EXPECT_EQ(
      prompts_.messages[1],
      "countries.txt was read only in part (reading stopped at entry 100), so saving the whole table would "
      "empty the entries after that point. Nothing was written. Mend the file and start Zorvane again.");
  EXPECT_EQ(data_.Read("countries.txt"), damaged);
}

// The file says 29 February 2004; the boxes take every date into the year
// of the clock.
TEST_F(DesktopFaults, TwentyNinthOfFebruaryShowsAndCommitsAs28thInOtherYears) {
  CountryTable t = test::EntryTable(QStringLiteral("1"));
  t.at(5, kColDstUsed) = QStringLiteral("1");
  t.dstStart[5] = DateFromYmd(2004, 2, 29);
  t.dstEnd[5] = DateFromYmd(2004, 10, 31);
  StartClock(test::CountriesBytes(t));
  struct Year {
    int year;
    const char* shown;
    int committedDay;
  };
  for (const Year& y : {Year{2026, "Feb 28", 28}, Year{2028, "Feb 29", 29}, Year{2100, "Feb 28", 28}}) {
    SCOPED_TRACE(y.year);
    clock_.Set(QDateTime(QDate(y.year, 6, 1), QTime(12, 0)));
    Shared().working.dstStart[5] = DateFromYmd(2004, 2, 29);
    CountryInfoWindow* w = CountryInfo();
    w->SetEntryText("4");
    w->SetEntryText("5");
    EXPECT_EQ(w->BoxText(kBoxDstStart), y.shown);
    w->Command1(2)->click();  // ">" commits entry 5
    EXPECT_EQ(w->Text2()->text(), "6");
    EXPECT_EQ(Shared().working.dstStart[5], DateFromYmd(y.year, 2, y.committedDay));
    // Typed by hand without a year, 29 February is taken the same way.
    w->SetEntryText("5");
    w->SetBoxText(kBoxDstStart, "Feb 29");
    w->Command1(2)->click();
    EXPECT_EQ(w->Text2()->text(), "6");
    EXPECT_EQ(Shared().working.dstStart[5], DateFromYmd(y.year, 2, y.committedDay));
  }
  EXPECT_TRUE(prompts_.messages.isEmpty()) << prompts_.messages.join(" | ").toStdString();
}

TEST_F(DesktopFaults, PopupMenuDoesNotEndAnEdit) {
  StartClock(test::CountriesBytes(test::EntryTable(QStringLiteral("1"))));
  CountryInfoWindow* w = CountryInfo();
  QLineEdit* box = w->LineBox(kBoxCapital);
  QTest::mouseDClick(box, Qt::LeftButton);
  ASSERT_FALSE(w->IsLocked(kBoxCapital));
  QFocusEvent toMenu(QEvent::FocusOut, Qt::PopupFocusReason);
  QCoreApplication::sendEvent(box, &toMenu);
  EXPECT_FALSE(w->IsLocked(kBoxCapital));  // typing after Paste still works
  box->setText("Pasted, here");
  box->setCursorPosition(2);
  QFocusEvent fromMenu(QEvent::FocusIn, Qt::PopupFocusReason);
  QCoreApplication::sendEvent(box, &fromMenu);
  EXPECT_FALSE(box->hasSelectedText());  // back from the menu: nothing selected to be typed over
  EXPECT_EQ(box->cursorPosition(), 2);
  QFocusEvent away(QEvent::FocusOut, Qt::TabFocusReason);
  QCoreApplication::sendEvent(box, &away);
  EXPECT_TRUE(w->IsLocked(kBoxCapital));
  EXPECT_EQ(box->text(), QString::fromUtf8("Pasted\u00B8 here"));
}

TEST_F(DesktopFaults, EnterPressesTheFocusedButton) {
  StartClock(test::CountriesBytes(test::EntryTable(QStringLiteral("1"))));
  // The clock window: Enter on the panel's Close closes the panel; with the
  // focus in a box it calculates.
  window_->show();
  window_->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
  window_->Picture1()->show();
  window_->Text3()->setFocus();
  window_->Text3()->setText("1");
  QTest::keyClick(window_->Text3(), Qt::Key_Return);
  EXPECT_EQ(window_->TimeText(1), "6:47 PM");  // GMT + 1 - 1: calculated
  EXPECT_TRUE(window_->Picture1()->isVisible());
  window_->Command1()->setFocus();
  QTest::keyClick(window_->Command1(), Qt::Key_Return);
  EXPECT_FALSE(window_->Picture1()->isVisible());

  // The country information window: Enter on "<<" shows entry 1, not the
  // next entry.
  CountryInfoWindow* w = CountryInfo();
  w->show();
  w->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(w));
  w->SetEntryText("5");
  w->Command1(0)->setFocus();
  QTest::keyClick(w->Command1(0), Qt::Key_Return);
  EXPECT_EQ(w->Text2()->text(), "1");
  w->Text2()->setFocus();
  QTest::keyClick(w->Text2(), Qt::Key_Return);
  EXPECT_EQ(w->Text2()->text(), "2");  // ">" otherwise
}

TEST_F(DesktopFaults, StartUpRemovesOnlyLeftoversOfKilledSaves) {
  data_.Write("tzone.txt.zorvane-save-Ab12Cd", "half");
  data_.Write("countries.txt.zorvane-save-000000", "half");
  data_.Write("tzone.txt.Ab12Cd", "someone else's");
  StartClock(test::CountriesBytes(test::EntryTable(QStringLiteral("1"))));
  EXPECT_FALSE(data_.Exists("tzone.txt.zorvane-save-Ab12Cd"));
  EXPECT_FALSE(data_.Exists("countries.txt.zorvane-save-000000"));
  EXPECT_TRUE(data_.Exists("tzone.txt.Ab12Cd"));
}

// Exit with a pipe or a folder in tzone.txt's place: nothing is written
// there, the user is told, and the program still ends.
TEST_F(DesktopFaults, ExitLeavesAPipeOrFolderAloneAndTellsWhy) {
  struct Row {
    const char* what;
    std::function<void(const QString&)> make;
    const char* kind;
  };
  const Row rows[] = {
      {"pipe", [](const QString& p) { ASSERT_EQ(::mkfifo(QFile::encodeName(p).constData(), 0600), 0); },
       "a named pipe"},
      {"folder", [](const QString& p) { ASSERT_TRUE(QDir().mkdir(p)); }, "a folder"},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.what);
    StartClock(test::CountriesBytes(test::EntryTable(QStringLiteral("1"))));
    const QString path = data_.Path("tzone.txt");
    QFile::remove(path);
    r.make(path);
    window_->close();
    ASSERT_EQ(prompts_.messages.size(), 1);
    EXPECT_EQ(prompts_.messages[0],
              QStringLiteral("Your time zone settings could not be saved to %1: it is %2, not a "
                             "regular file, so it was left alone.")
                  .arg(QDir::toNativeSeparators(path), QString::fromLatin1(r.kind)));
    EXPECT_FALSE(QFileInfo(path).isFile());
    EXPECT_FALSE(window_->isVisible());
    prompts_.messages.clear();
    TearDown();
    QFile::remove(path);
    QDir().rmdir(path);
  }
}

}  // namespace
}  // namespace zv
