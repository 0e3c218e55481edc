// The clock window: how it looks at a first start and with the list's
// colours (reference pictures), the minute across midnight, the grid from the
// keyboard, the settings panel, keeping the times true (the computer's zone,
// the daylight-saving offer) and the commands as the user reaches them.

#include "clock/gui/clockwindow.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QActionGroup>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include "app/gui/appwindows.h"
#include "clock/gui/clockgrid.h"
#include "countryinfo/entryedit.h"
#include "countryinfo/gui/countryinfowindow.h"
#include "data/sharedstate.h"
#include "support/clockfixture.h"
#include "support/referencepicture.h"
#include "worldmap/gui/worldmapwindow.h"

namespace zv {
namespace {

// The United Kingdom (summer time after 28 March 2026), Japan, Pakistan and
// Toronto (summer time 8 March to 1 November 2026); the rest "Entry n" at GMT.
QByteArray Countries() {
  CountryTable t = test::EntryTable();
  const char* rows[][2] = {{"United Kingdom of Great Britain", "0"},
                           {"Japan", "9"},
                           {"Pakistan", "5"},
                           {"Canada (Eastern)", "-5"}};
  for (int n = 1; n <= 4; ++n) {
    t.at(n, kColName) = rows[n - 1][0];
    t.at(n, kColOffset) = rows[n - 1][1];
  }
  for (int n : {1, 4}) t.at(n, kColDstHours) = t.at(n, kColDstUsed) = "1";
  t.dstStart[1] = DateFromYmd(2026, 3, 28);
  t.dstEnd[1] = DateFromYmd(2026, 10, 25);
  t.dstStart[4] = DateFromYmd(2026, 3, 8);
  t.dstEnd[4] = DateFromYmd(2026, 11, 1);
  return test::CountriesBytes(t);
}

class ClockWindowTest : public test::ClockWindowTest {
 protected:
  ClockWindowTest() : test::ClockWindowTest(QDateTime(QDate(2026, 7, 1), QTime(21, 0, 30))) {
    SetClock(&clock_);
  }
  // Starts on these countries.txt and tzone.txt, each written unless empty.
  void Start(const QByteArray& zone = " 0             0 \r\n", const QByteArray& countries = Countries()) {
    ResetShared();
    if (!countries.isEmpty()) data_.Write("countries.txt", countries);
    if (!zone.isEmpty()) data_.Write("tzone.txt", zone);
    window_ = std::make_unique<ClockWindow>();
    window_->StartUp();
    QCoreApplication::processEvents();  // what start-up leaves for the event loop
  }
  // Shows the window, active, with the keyboard focus on the grid.
  void FocusGrid() {
    window_->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
    window_->Grid()->setFocus();
  }
  QString Zone() const {
    return window_->StandardOffsetBox()->text() + " " + window_->DstHoursBox()->text() + " " +
           Shared().gmtTimeText;
  }
};

// No tzone.txt, the computer's zone unknown: the settings panel floats over
// the list with the offset of the computer's clock (3) and no shift, and a
// message says so. The window opens
// 300 twips above the middle of the screen.
TEST_F(ClockWindowTest, FirstStart) {
  clock_.Set(QDateTime(QDate(2026, 7, 1), QTime(21, 0, 30), QTimeZone(3 * 3600)));
  Start({});
  EXPECT_TRUE(test::MatchesReference(window_.get(), "tests/clock/reference/first-start.png"));
  EXPECT_EQ(prompts_.messages.size(), 1);
  EXPECT_TRUE(prompts_.messages.value(0).contains(" 3 hours from GMT"))
      << prompts_.messages.value(0).toStdString();
  const QRect s = QGuiApplication::primaryScreen()->geometry();  // a window of 12000 by 8400 twips
  EXPECT_EQ(window_->pos(), QPoint((s.width() - 800) / 2, (s.height() - 560) / 2 - 20));
  window_->close();  // the guess was never the user's choice: nothing saved
  EXPECT_FALSE(data_.Exists("tzone.txt"));
}

// The minute tick across midnight, at GMT: the entries at GMT pass their own
// midnight (PM to AM, the counts with them), and the United Kingdom's summer
// time applies from the 29th (the table's whole days: an hour before the
// clocks change). Toronto as the tz database has it.
// Then the list after a Find, with a highlight and the keyboard frame.
TEST_F(ClockWindowTest, MinuteAcrossMidnight) {
  clock_.Set(QDateTime(QDate(2026, 3, 28), QTime(23, 59, 30)));
  data_.Write("highlight.txt", " 6 \r\n");
  Start();
  auto times = [this] {
    QStringList t;
    for (int row : {1, 4, 226, 227, 228}) t << window_->TimeText(row);
    return t.join('|');
  };
  EXPECT_EQ(times(), "11:59 PM|7:59 PM|1|2|222");
  clock_.Set(QDateTime(QDate(2026, 3, 29), QTime(0, 0, 30)));
  ASSERT_TRUE(QMetaObject::invokeMethod(window_->MinuteTimer(), "timeout"));
  EXPECT_EQ(times(), "1:00 AM|8:00 PM|2|223|1");
  prompts_.AnswerInput(QStringLiteral("an"));
  window_->FindAction()->trigger();
  FocusGrid();
  // The framed entry as a screen reader hears it, as of this minute.
  QAccessibleInterface* list = QAccessible::queryAccessibleInterface(window_->Grid());
  QAccessibleInterface* framed = list->focusChild();
  EXPECT_TRUE(list->child(list->indexOfChild(framed)) == framed && framed->role() == QAccessible::ListItem &&
              framed->state().selectable && framed->state().focused);
  EXPECT_EQ(framed->text(QAccessible::Name),
            "United Kingdom of Great Britain, 1:00 AM, Sunday 29 March, daylight saving time in force");
  EXPECT_TRUE(test::MatchesReference(window_.get(), "tests/clock/reference/after-midnight-find.png"));
}

// The arrow keys move the frame over the names: six columns of 38, row 225
// without a name, 226 to 228 the legend; F5 refreshes as elsewhere. In a
// settings field the arrows stay there, and Enter calculates.
TEST_F(ClockWindowTest, Keyboard) {
  Start();
  FocusGrid();
  window_->LocalTimeBox()->setText("1:00 AM");
  QTest::keyClick(window_->Grid(), Qt::Key_F5);  // the grid lets F5 through
  EXPECT_EQ(window_->LocalTimeBox()->text(), "9:00 PM");
  // clang-format off
  const struct { const char* start; Qt::Key key; const char* selected; } moves[] = {
      {"", Qt::Key_Down, "2"}, {"2", Qt::Key_Right, "40"}, {"40", Qt::Key_Left, "2"},
      {"226", Qt::Key_Up, "224"}, {"227", Qt::Key_Down, "228"},
      {"228", Qt::Key_Left, "190"}, {"228", Qt::Key_Down, "228"}};
  // clang-format on
  for (const auto& m : moves) {
    Shared().selectedEntry = m.start;
    QTest::keyClick(window_->Grid(), m.key);
    EXPECT_EQ(Shared().selectedEntry, m.selected);
    EXPECT_EQ(window_->Grid()->FrameRow(), QString(m.selected).toInt());
  }
  window_->SettingsAction()->trigger();
  QTest::keyClick(window_->Grid(), Qt::Key_Tab);  // leaves the grid
  EXPECT_FALSE(window_->Grid()->hasFocus());
  window_->DstHoursBox()->setFocus();
  window_->DstHoursBox()->setText("1");
  QTest::keyClick(window_->DstHoursBox(), Qt::Key_Up);
  EXPECT_EQ(Shared().selectedEntry + window_->TimeText(224), "2289:00 PM");
  QTest::keyClick(window_->DstHoursBox(), Qt::Key_Return);  // the daylight-saving hours count from Enter on
  EXPECT_EQ(window_->TimeText(224), "8:00 PM");
  QTest::mouseMove(window_->Grid(), window_->NameRect(3).center());  // the hand over a name
  EXPECT_EQ(window_->Grid()->cursor().shape(), Qt::BitmapCursor);
}

// The View menu's 24-hour clock: the own time and the grid in 24 hours,
// remembered by the next start; the AM/PM colours keep to before and after noon.
TEST_F(ClockWindowTest, TwentyFourHourClockChosenAndRemembered) {
  Start();
  window_->HourClockMenu()->actions().at(2)->trigger();
  Start();
  EXPECT_EQ(window_->LocalTimeBox()->text() + " " + window_->TimeText(2) + " " + window_->TimeText(224),
            "21:00 6:00 21:00");
  EXPECT_TRUE(window_->Grid()->At(2).timeColour == Shared().amColour &&
              window_->Grid()->At(224).timeColour == Shared().pmColour);
  window_->HourClockMenu()->actions().at(0)->trigger();
  EXPECT_EQ(window_->TimeText(224), "9:00 PM");
}

// The computer's zone, Berlin: a first start fills the fields with its
// normal offset and the shift in force, which follow its change at the next
// minute tick. In 2027 start-up offers to bring the shipped table's 2026
// dates up to date (declined here); File, Update Daylight Saving Dates does
// it, and the list and the open information window show the new ones. This year's dates make
// no offer.
TEST_F(ClockWindowTest, TheComputersZoneAndDaylightSavingDates) {
  SetSystemZone(QTimeZone("Europe/Berlin"));
  clock_.Set(QDateTime(QDate(2026, 3, 29), QTime(1, 59), SystemZone()));
  Start({});
  EXPECT_EQ(Zone(), "1 0 12:59 AM");
  clock_.Set(QDateTime(QDate(2026, 3, 29), QTime(3, 1), SystemZone()));
  ASSERT_TRUE(QMetaObject::invokeMethod(window_->MinuteTimer(), "timeout"));
  EXPECT_EQ(Zone(), "1 1 1:01 AM");
  clock_.Set(QDateTime(QDate(2027, 7, 1), QTime(12, 0)));
  prompts_.AnswerYes(false);
  Start(" 0             0 \r\n", test::ShippedCountriesBytes());
  EXPECT_EQ(prompts_.questions, QStringList("The daylight saving dates in use are those of 2026. Update them "
                                            "for 2027 from this computer's time-zone database?"));
  CountryInfo()->SetEntryText("219");  // Vatican City, the last entry it changes
  window_->UpdateDstDatesAction()->trigger();
  EXPECT_EQ(window_->TimeText(209) + CountryInfo()->BoxText(kBoxDstStart), "1:00 PMMar 27");
  clock_.Set(QDateTime(QDate(2026, 7, 1), QTime(12, 0)));
  Start(" 0             0 \r\n", test::ShippedCountriesBytes());
  prompts_.AnswerYes(false);
  // Only the first minute of the new year offers the update.
  for (const QDateTime& at :
       {QDateTime(QDate(2026, 12, 31), QTime(23, 59)), QDateTime(QDate(2027, 1, 1), QTime(0, 0)),
        QDateTime(QDate(2027, 1, 1), QTime(0, 1))}) {
    clock_.Set(at);
    ASSERT_TRUE(QMetaObject::invokeMethod(window_->MinuteTimer(), "timeout"));
    QCoreApplication::processEvents();
  }
  EXPECT_EQ(prompts_.questions.size(), 2);
}

// The commands at 3:00 PM GMT on 6 December 2026. The legend's tip counts
// the entries in summer time; Change to... shifts every time cell, the last
// entry's too; Find tells when nothing matches. Shift+F10 opens the
// Functions pop-up, its items reached with Down and Enter. Enter alone opens
// More info, modal over the clock only. The pop-up offers what fits the
// press. Highlight appends the entry; Clear writes back the highlights still
// shown (not the found ones).
TEST_F(ClockWindowTest, Commands) {
  clock_.Set(QDateTime(QDate(2026, 12, 6), QTime(15, 0)));
  Start();
  EXPECT_EQ(window_->TipText(226), "Daylight saving time active in 0 countries/zones");
  Select(2);
  prompts_.AnswerInput(QStringLiteral("soon"));
  prompts_.AnswerInput(QStringLiteral("11:00 AM"));
  window_->ChangeToAction()->trigger();
  EXPECT_EQ(window_->TimeText(2) + window_->TimeText(224) + window_->TimeText(227), "11:00 AM2:00 AM223");
  EXPECT_EQ(window_->Grid()->At(224).timeColour, Shared().amColour);
  EXPECT_EQ(window_->TipText(4) + "|" + window_->TipText(224),
            "Canada (Eastern)  9:00 PM  Sunday 6 December|Entry 224  2:00 AM  Monday 7 December");
  prompts_.AnswerInput(QStringLiteral("zz"));
  prompts_.AnswerInput(QStringLiteral("An"));
  window_->FindAction()->trigger();
  EXPECT_EQ(prompts_.messages,
            QStringList({"\"soon\" is not a time. Type a time such as 3:45 PM or 15:45.", "None found."}));
  prompts_.AnswerInput(std::nullopt);
  FocusGrid();
  QTest::keyClick(window_->Grid(), Qt::Key_F10, Qt::ShiftModifier);
  for (int i = 0; i < 5; ++i) QTest::keyClick(window_->EntryMenu(), Qt::Key_Down);
  QTest::keyClick(window_->EntryMenu(), Qt::Key_Return);
  EXPECT_EQ(prompts_.asked.at(4).prompt, "Enter the new time for Japan");
  window_->LocateAction()->trigger();
  EXPECT_EQ(WorldMapIfLoaded()->MapLabel(1)->text(), "Japan");
  FocusGrid();
  QTest::keyClick(window_->Grid(), Qt::Key_Return);
  CountryInfoWindow* info = CountryInfoIfLoaded();
  // Modal to the clock alone: the world map still takes input.
  EXPECT_TRUE(QApplication::activeModalWidget() == info && info->windowModality() == Qt::WindowModal);
  info->ButtonAt(4)->click();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  data_.Write("highlight.txt", " 224 \r\n 2 \r\n 40 \r\n");
  window_->Calculate();
  Select(2);
  EXPECT_TRUE(window_->ClearHighlightAction()->isVisible() && !window_->HighlightAction()->isVisible());
  QTest::mousePress(window_->Grid(), Qt::RightButton, {}, QPoint(780, 490));
  window_->EntryMenu()->hide();
  EXPECT_FALSE(window_->ClearHighlightAction()->isVisible() || window_->HighlightAction()->isVisible() ||
               window_->ChangeToAction()->isVisible());
  prompts_.AnswerInput(QStringLiteral("japan"));
  window_->FindAction()->trigger();
  Select(12);
  window_->HighlightAction()->trigger();
  EXPECT_EQ(data_.Read("highlight.txt"), " 224 \r\n 2 \r\n 40 \r\n 12 \r\n");
  window_->ClearHighlightAction()->trigger();
  EXPECT_EQ(data_.Read("highlight.txt"), " 40 \r\n 224 \r\n");
  const Rgb red = window_->NameColour(40), plain = window_->NameColour(6);
  EXPECT_TRUE(window_->NameColour(12) == plain && window_->NameColour(2) == plain &&
              window_->NameColour(1) == plain && red != plain);
}

}  // namespace
}  // namespace zv
