// The clock window: how it looks at a first start and with the list's
// colours (reference pictures), the minute across midnight, the settings
// panel, the grid from the keyboard, keeping the times true (the computer's
// zone, the daylight-saving offer) and the commands as the user reaches
// them.

#include "clock/gui/clockwindow.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include "app/gui/appwindows.h"
#include "countryinfo/gui/countryinfowindow.h"
#include "data/module1.h"
#include "support/clockfixture.h"
#include "support/referencepicture.h"
#include "worldmap/gui/worldmapwindow.h"

namespace zv {
namespace {

// The United Kingdom (summer time after 28 March 2026), Japan, Pakistan,
// Toronto (summer time 8 March to 1 November 2026) and Easter Island without
// a latitude; the rest "Entry n" at GMT.
QByteArray Countries() {
  CountryTable t = test::EntryTable();
  const struct {
    const char *name, *offset;
    DateValue start = 0, end = 0;
  } rows[] = {{"United Kingdom of Great Britain", "0", DateFromYmd(2026, 3, 28), DateFromYmd(2026, 10, 25)},
              {"Japan", "9"},
              {"Pakistan", "5"},
              {"Canada (Eastern)", "-5", DateFromYmd(2026, 3, 8), DateFromYmd(2026, 11, 1)},
              {"Chile (Easter Island)", "-6"}};
  for (int n = 1; n <= 5; ++n) {
    const auto& r = rows[n - 1];
    t.at(n, kColName) = r.name;
    t.at(n, kColOffset) = r.offset;
    t.at(n, kColDstHours) = t.at(n, kColDstUsed) = r.start ? "1" : "0";
    t.dstStart[n] = r.start;
    t.dstEnd[n] = r.end;
  }
  t.at(5, kColLatitude) = "";
  t.at(5, kColLongitude) = "109.35W";
  return test::CountriesBytes(t);
}

class ClockWindowTest : public test::ClockWindowTest {
 protected:
  ClockWindowTest() : test::ClockWindowTest(QDateTime(QDate(2026, 7, 1), QTime(21, 0, 30))) {}
  // Starts on these countries.txt and tzone.txt, each written unless empty.
  void Start(const QByteArray& zone = " 0             0 \r\n", const QByteArray& countries = Countries()) {
    window_.reset();
    ResetShared();
    SetClock(&clock_);
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
  void Tick() { ASSERT_TRUE(QMetaObject::invokeMethod(window_->Timer1(), "timeout")); }
  QString Zone() const {
    return window_->Text2()->text() + " " + window_->Text3()->text() + " " + Shared().gmtTimeText;
  }
  QWidget* Frame() const { return window_->Grid()->findChild<QWidget*>("gridSelection"); }
  QString Items() const {
    QStringList items;
    for (const QAction* a : window_->mnuFunc()->actions())
      if (a->isVisible()) items << a->text();
    return items.join('|');
  }
};

// No tzone.txt, the computer's zone unknown: the settings panel floats over
// the list, asking for offset and shift (3 and nothing). The window opens
// 300 twips above the middle of the screen. Start-up also removes what an
// interrupted save left beside a data file.
TEST_F(ClockWindowTest, FirstStart) {
  data_.Write("countries.txt.zorvane-save-Ab12Cd", "half");
  Start({});
  EXPECT_FALSE(data_.Exists("countries.txt.zorvane-save-Ab12Cd"));
  EXPECT_TRUE(test::MatchesReference(window_.get(), "tests/clock/reference/first-start.png"));
  const QRect s = QGuiApplication::primaryScreen()->geometry();  // a window of 12000 by 8400 twips
  EXPECT_EQ(window_->pos(), QPoint((s.width() - 800) / 2, (s.height() - 560) / 2 - 20));
  EXPECT_TRUE(window_->Timer1()->isActive());
}

// The minute tick across midnight, at GMT: the entries at GMT pass their own
// midnight (PM to AM, the counts with them), and the United Kingdom's summer
// time applies from the 29th (the table's whole days: an hour before the
// clocks change). Toronto, Tokyo and Karachi as the tz database has them.
// Then the list as it stands after a Find, with a highlight and the keyboard
// frame on the first name.
TEST_F(ClockWindowTest, MinuteAcrossMidnight) {
  clock_.Set(QDateTime(QDate(2026, 3, 28), QTime(23, 59, 30)));
  data_.Write("highlight.txt", " 6 \r\n");
  Start();
  auto times = [this] {
    QStringList t;
    for (int row : {1, 2, 3, 4, 224, 226, 227, 228}) t << window_->TimeText(row);
    return t.join('|');
  };
  EXPECT_EQ(times(), "11:59 PM|8:59 AM|4:59 AM|7:59 PM|11:59 PM|1|2|222");
  clock_.Set(QDateTime(QDate(2026, 3, 29), QTime(0, 0, 30)));
  Tick();
  EXPECT_EQ(times(), "1:00 AM|9:00 AM|5:00 AM|8:00 PM|12:00 AM|2|222|2");
  prompts_.AnswerInput(QStringLiteral("an"));
  window_->mnuFind()->trigger();
  FocusGrid();
  EXPECT_TRUE(test::MatchesReference(window_.get(), "tests/clock/reference/after-midnight-find.png"));
}

// The arrow keys move the frame over the names: six columns of 38, row 225
// without a name, 226 to 228 the legend. Screen readers hear the grid's name
// and the selected entry. Tab leaves the grid and the frame goes; in a
// settings field the arrows stay there.
TEST_F(ClockWindowTest, Keyboard) {
  Start();
  FocusGrid();
  // clang-format off
  const struct { const char* start; Qt::Key key; const char* selected; } moves[] = {
      {"", Qt::Key_Down, "2"}, {"10", Qt::Key_Up, "9"}, {"38", Qt::Key_Down, "39"}, {"2", Qt::Key_Right, "40"},
      {"40", Qt::Key_Left, "2"}, {"2", Qt::Key_Left, "2"}, {"192", Qt::Key_Right, "192"},
      {"224", Qt::Key_Down, "226"}, {"226", Qt::Key_Up, "224"}, {"228", Qt::Key_Down, "228"},
      {"100", Qt::Key_End, "228"}, {"100", Qt::Key_Home, "1"}, {"300", Qt::Key_Down, "2"}};
  // clang-format on
  for (const auto& m : moves) {
    Shared().selectedEntry = m.start;
    QTest::keyClick(window_->Grid(), m.key);
    EXPECT_EQ(Shared().selectedEntry, m.selected) << m.start;
    EXPECT_EQ(Frame()->geometry().center(),
              window_->NameCell(QString(m.selected).toInt())->geometry().center());
  }
  QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(window_->Grid());
  EXPECT_EQ(reader->text(QAccessible::Name) + "|" + reader->text(QAccessible::Description),
            "Time list|Japan  6:00 AM  ");
  window_->mnuSettings()->trigger();
  QTest::keyClick(window_->Grid(), Qt::Key_Tab);
  EXPECT_FALSE(Frame()->isVisible() || window_->Grid()->hasFocus());
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
  EXPECT_EQ(Shared().selectedEntry, "2");
}

// The panel's keyboard order; local time and offset recalculate as typed,
// the shift from Enter on, a partial time keeps GMT; Refresh takes the
// computer's time; Esc and Close hide the panel, File, Settings shows it.
// Closing writes the zone file, but never into a folder standing at its
// place: the user is told and it closes.
TEST_F(ClockWindowTest, SettingsPanel) {
  Start({});
  const QWidget* order[] = {window_->Text2(), window_->Command2(), window_->Text1(), window_->Text3(),
                            window_->Command1()};
  for (int i = 0; i < 4; ++i) EXPECT_EQ(order[i]->nextInFocusChain(), order[i + 1]) << i;
  FocusGrid();
  window_->Text3()->setFocus();
  auto typed = [this](QLineEdit* field, const char* text) {
    field->setText(text);
    return window_->TimeText(224);
  };
  EXPECT_EQ(typed(window_->Text3(), "1"), "6:00 PM");
  QTest::keyClick(window_->Text3(), Qt::Key_Return);
  EXPECT_EQ(window_->TimeText(224), "5:00 PM");
  EXPECT_EQ(typed(window_->Text1(), "2:15 PM"), "10:15 AM");
  EXPECT_EQ(typed(window_->Text2(), "-5"), "6:15 PM");
  EXPECT_EQ(typed(window_->Text1(), "2:"), "6:15 PM");
  clock_.Set(QDateTime(QDate(2026, 7, 1), QTime(8, 5)));
  window_->Command2()->click();
  EXPECT_EQ(window_->Text1()->text() + " " + window_->TimeText(224), "8:05 AM 12:05 PM");
  QTest::keyClick(window_.get(), Qt::Key_Escape);
  EXPECT_FALSE(window_->Picture1()->isVisible());
  window_->mnuSettings()->trigger();
  window_->Command1()->setFocus();
  QTest::keyClick(window_->Command1(), Qt::Key_Return);
  EXPECT_FALSE(window_->Picture1()->isVisible());
  window_->close();
  EXPECT_EQ(data_.Read("tzone.txt"), "-5             1 \r\n");
  Start({}, {});
  const QString path = data_.Path("tzone.txt");
  ASSERT_TRUE(QDir().remove(path) && QDir().mkdir(path));
  window_->close();
  EXPECT_EQ(prompts_.messages, QStringList("Your time zone settings could not be saved to " + path +
                                           ": it is a folder, not a regular file, so it was left alone."));
  EXPECT_FALSE(window_->isVisible());
}

// The computer's zone, Berlin: a first start fills the fields with its
// normal offset and the shift in force, which follow its change at the next
// minute tick; saved settings of another zone stay. File, Use This
// Computer's Zone fills both fields or says why not. In 2027 start-up offers
// to bring the shipped table's 2026 dates up to date (No changes nothing and
// the next start asks again); then the list shows true times. A table read
// in part makes no offer, and the command refuses to write it; this year's
// dates make no offer.
TEST_F(ClockWindowTest, TheComputersZoneAndDaylightSavingDates) {
  SetSystemZone(QTimeZone("Europe/Berlin"));
  clock_.Set(QDateTime(QDate(2026, 3, 29), QTime(1, 59), SystemZone()));
  Start({});
  EXPECT_EQ(Zone(), "1 0 12:59 AM");
  clock_.Set(QDateTime(QDate(2026, 3, 29), QTime(3, 1), SystemZone()));
  Tick();
  EXPECT_EQ(Zone(), "1 1 1:01 AM");
  Start();
  EXPECT_EQ(Zone(), "0 0 3:01 AM");
  SetSystemZone(QTimeZone("Asia/Kolkata"));
  window_->mnuUseZone()->trigger();
  EXPECT_EQ(Zone(), "5.5 0 9:31 PM");
  SetSystemZone(QTimeZone());
  window_->mnuUseZone()->trigger();
  EXPECT_EQ(Zone() + prompts_.messages.join(""),
            "5.5 0 9:31 PMThis computer's time zone is not known, so the settings were left as they are.");
  clock_.Set(QDateTime(QDate(2027, 7, 1), QTime(12, 0)));
  prompts_.AnswerYes(false);
  prompts_.AnswerYes(true);
  Start(" 0             0 \r\n", test::ShippedCountriesBytes());
  EXPECT_EQ(data_.Read("countries.txt"), test::ShippedCountriesBytes());
  Start({}, {});
  EXPECT_EQ(prompts_.questions, QStringList(2,
                                            "The daylight saving dates in use are those of 2026. Update "
                                            "them for 2027 from this computer's time-zone database?"));
  EXPECT_EQ(window_->TimeText(209) + " " + window_->TimeText(140), "1:00 PM 12:00 AM");  // UK, New Zealand
  // The working copy that the information window saves holds them too.
  EXPECT_EQ(Shared().working.dstStart[209], DateFromYmd(2027, 3, 27));
  EXPECT_TRUE(prompts_.messages.last().startsWith("Daylight saving dates updated for 2027"));
  const QByteArray half = test::ShippedCountriesBytes().left(20000);
  Start({}, half);
  window_->mnuUpdateDst()->trigger();
  EXPECT_TRUE(
      prompts_.messages.last().endsWith("so no daylight saving dates were updated. The file is unchanged."));
  EXPECT_EQ(data_.Read("countries.txt"), half);
  clock_.Set(QDateTime(QDate(2026, 7, 1), QTime(12, 0)));
  Start({}, test::ShippedCountriesBytes());
  EXPECT_EQ(prompts_.questions.size(), 2);
}

// The commands at 3:00 PM GMT on 6 December 2026. The tips read the cells as
// they stand; Change to... shifts every time cell, the last entry's too;
// Find colours the matches until F5; Ctrl+S shows the world map; Exit
// writes the zone file and closes the other windows.
TEST_F(ClockWindowTest, ListCommands) {
  clock_.Set(QDateTime(QDate(2026, 12, 6), QTime(15, 0)));
  Start();
  auto tip = [this](int row) {
    QHelpEvent help(QEvent::ToolTip, QPoint(2, 2), QPoint());
    QApplication::sendEvent(window_->NameCell(row), &help);
    return window_->NameCell(row)->toolTip();
  };
  EXPECT_EQ(tip(2) + tip(226) + tip(227),
            "Japan  12:00 AM  Daylight saving time active in 0 countries/zones");
  Select(2);
  prompts_.AnswerInput(QStringLiteral("soon"));
  prompts_.AnswerInput(QStringLiteral("2:30 AM"));
  window_->mnuChange()->trigger();
  ASSERT_EQ(prompts_.asked.size(), 2u);
  for (const auto& a : prompts_.asked)
    EXPECT_EQ(a.title + "|" + a.prompt + "|" + a.offered,
              "Change to...|Enter the new time for Japan|12:00 AM");
  EXPECT_EQ(
      window_->TimeText(2) + window_->TimeText(224) + window_->TimeText(226) + Shared().gmtTimeText + tip(3),
      "2:30 AM5:30 PM03:00 PMPakistan  10:30 PM  ");
  prompts_.AnswerInput(QStringLiteral("zz"));
  prompts_.AnswerInput(QStringLiteral("An"));
  window_->mnuFind()->trigger();
  EXPECT_EQ(prompts_.messages, QStringList({"Type mismatch. Enter the again.", "None found."}));
  QString found;
  for (int n = 1; n <= 228; ++n)
    if (window_->NameColour(n) == Rgb{0, 255, 0}) found += QString::number(n) + " ";
  EXPECT_EQ(found, "2 3 4 5 ");
  window_->Text1()->setText("2:15 AM");
  FocusGrid();
  QTest::keyClick(window_->Grid(), Qt::Key_F5);  // the grid lets F5 through
  EXPECT_TRUE(window_->Text1()->text() == "3:00 PM" && window_->NameColour(2) == window_->NameColour(6));
  QTest::keyClick(window_.get(), Qt::Key_S, Qt::ControlModifier);
  ASSERT_TRUE(WorldMapIfLoaded() && WorldMapIfLoaded()->isVisible() && !QApplication::activeModalWidget());
  EXPECT_EQ(WorldMapIfLoaded()->HighestLabelIndex(), 0);  // showing marks nothing
  PressName(4, Qt::LeftButton);
  window_->Text2()->setText("5.5");
  window_->mnuExit()->trigger();
  EXPECT_EQ(data_.Read("tzone.txt"), " 5.5           0 \r\n");
  EXPECT_TRUE(!window_->isVisible() && !CountryInfoIfLoaded() && !WorldMapIfLoaded());
}

// Shift+F10 and the Menu key open the Functions pop-up under the selected
// name, its items reached with Down and Enter: Change to... and Locate,
// which marks the entry at its place (without a latitude, on the equator).
// Enter alone opens More info, modal over the clock: the world map still
// takes clicks, the clock's names not. A left press opens it beside the
// clock, without an owner; on a legend name it beeps and shows the last
// entry. The pop-up offers what fits the press. Highlight appends the
// entry; Clear writes back the highlights still shown (not the entry, not
// the found ones). A save that fails is told and leaves the list as the
// file is.
TEST_F(ClockWindowTest, FunctionsPopUp) {
  Start();
  prompts_.AnswerInput(std::nullopt);  // Change to... reached by the keys
  for (const bool shiftF10 : {true, false}) {
    FocusGrid();
    Shared().selectedEntry = "2";
    QTest::keyClick(window_->Grid(), shiftF10 ? Qt::Key_F10 : Qt::Key_Menu,
                    shiftF10 ? Qt::ShiftModifier : Qt::NoModifier);
    EXPECT_EQ(window_->mnuFunc()->pos(),
              window_->NameCell(2)->mapToGlobal(QPoint(0, window_->NameCell(2)->height())));
    for (int i = 0; i < (shiftF10 ? 5 : 1); ++i) QTest::keyClick(window_->mnuFunc(), Qt::Key_Down);
    QTest::keyClick(window_->mnuFunc(), Qt::Key_Return);
  }
  EXPECT_EQ(prompts_.asked.at(0).prompt, "Enter the new time for Japan");
  Select(5);
  window_->mnuLocate()->trigger();
  WorldMapWindow* map = WorldMapIfLoaded();
  ASSERT_TRUE(map && map->isVisible() && map->HighestLabelIndex() == 2);
  EXPECT_EQ(map->lblGMT(1)->text() + " " + map->lblGMT(2)->text() + " " + map->Label1(5)->text() + " " +
                map->Label1(4)->text(),
            "Japan Chile Latitude 0.00 Longitude -109.35");
  FocusGrid();
  QTest::keyClick(window_->Grid(), Qt::Key_Return);
  CountryInfoWindow* info = CountryInfoIfLoaded();
  EXPECT_TRUE(QApplication::activeModalWidget() == info && info->parentWidget() == window_.get());
  // Presses through the window system, which holds back input from windows a modal one blocks.
  const QPoint at(360, 160), name4 = window_->NameCell(4)->mapTo(window_.get(), QPoint(2, 2));
  for (const auto& [handle, point] : {std::pair{map->windowHandle(), at}, {window_->windowHandle(), name4}})
    QTest::mouseClick(handle, Qt::LeftButton, {}, point);
  EXPECT_TRUE(map->Shape3()->pos() == at && Shared().selectedEntry + info->Text2()->text() == "55");
  info->Command1(4)->click();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  PressName(6, Qt::LeftButton);
  ASSERT_NE(info = CountryInfoIfLoaded(), nullptr);
  EXPECT_TRUE(info->windowModality() == Qt::NonModal && info->parentWidget() == nullptr);
  Shared().selectedEntry.clear();
  window_->mnuEditItem()->trigger();  // already open: brought to the entry (1 when none), still beside
  EXPECT_TRUE(info->Text2()->text() == "1" && info->windowModality() == Qt::NonModal);
  PressName(226, Qt::LeftButton);
  EXPECT_TRUE(Shared().selectedEntry + info->Text2()->text() == "226224" && prompts_.beeps == 1);
  data_.Write("highlight.txt", " 224 \r\n 2 \r\n 40 \r\n");
  window_->Calculate();
  Select(2);
  EXPECT_EQ(Items(), "Locate on World Map|Clear|Find|More info|Change to...");
  Select(3);
  EXPECT_EQ(Items(), "Locate on World Map|Highlight|Find|More info|Change to...");
  QTest::mousePress(window_->Grid(), Qt::RightButton, {}, QPoint(780, 490));
  window_->mnuFunc()->hide();
  EXPECT_EQ(Items() + Shared().selectedEntry, "Locate on World Map|Find|More info3");
  QTest::mousePress(window_->Grid(), Qt::LeftButton, {}, QPoint(780, 490));
  EXPECT_FALSE(window_->mnuFunc()->isVisible());
  prompts_.AnswerInput(QStringLiteral("japan"));
  window_->mnuFind()->trigger();
  Select(12);
  window_->mnuHiliteItem()->trigger();
  EXPECT_EQ(data_.Read("highlight.txt"), " 224 \r\n 2 \r\n 40 \r\n 12 \r\n");
  window_->mnuNormalize()->trigger();
  EXPECT_EQ(data_.Read("highlight.txt"), " 40 \r\n 224 \r\n");
  const Rgb plain = window_->NameColour(6), red = window_->NameColour(40);
  EXPECT_TRUE(window_->NameColour(12) == plain && window_->NameColour(2) == plain &&
              window_->NameColour(224) == red && red != plain);
  test::FailWritesAfter(0);
  Select(7);
  window_->mnuHiliteItem()->trigger();
  Select(40);
  window_->mnuNormalize()->trigger();
  test::FailWritesAfter(-1);
  ASSERT_EQ(prompts_.messages.size(), 2);
  EXPECT_TRUE(prompts_.messages[0].startsWith("The highlight could not be saved to highlight.txt: ") &&
              prompts_.messages[1].startsWith("The highlights could not be saved to highlight.txt: "));
  EXPECT_TRUE(data_.Read("highlight.txt") == " 40 \r\n 224 \r\n" && window_->NameColour(40) == red &&
              window_->NameColour(7) == plain);
}

}  // namespace
}  // namespace zv
