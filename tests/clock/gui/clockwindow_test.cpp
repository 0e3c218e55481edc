// The clock window as designed and started: its places and captions, the
// start-up calculation and clean-up, the settings panel, the grid from the
// keyboard and for screen readers; its commands as the user reaches them (the
// Functions pop-up, the File menu, the tips, the windows they join), and
// keeping the times true (the daylight-saving offer, the computer's zone).

#include "clock/gui/clockwindow.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include "app/gui/appwindows.h"
#include "common/gui/colours.h"
#include "countryinfo/gui/countryinfowindow.h"
#include "data/countryfile.h"
#include "data/module1.h"
#include "solar/numberfns.h"
#include "support/clockfixture.h"
#include "worldmap/gui/worldmapwindow.h"

namespace zv {
namespace {

const Rgb kWhite{255, 255, 255}, kAm{224, 224, 224}, kPm{255, 192, 128}, kDst{192, 255, 192}, kRed{255, 0, 0},
    kGreen{0, 255, 0};

// A control's caption; a menu's title and the items it shows.
QString Caption(const QWidget* w) {
  const char* property = w->inherits("QGroupBox") || w->inherits("QMenu") ? "title"
                         : w->isWindow()                                  ? "windowTitle"
                                                                          : "text";
  QStringList items{w->property(property).toString()};
  for (const QAction* a : w->actions())
    if (a->isVisible()) items << (a->isSeparator() ? QStringLiteral("-") : a->text());
  return items.join('|');
}

// Entries 1-5 named for Find at offsets -2 .. 2 (Japan at 9), Canada with
// the northern summer of 2026; 8 an island without latitude; the rest
// "Entry n" at GMT.
QByteArray Countries() {
  CountryTable t = test::EntryTable();
  const char* names[] = {"Canada (Eastern)", "Chile", "Japan", "Pakistan", "United Kingdom of Great Britain"};
  for (int n = 1; n <= 5; ++n) {
    t.at(n, kColName) = names[n - 1];
    t.at(n, kColOffset) = QString::number(n == 3 ? 9 : n - 3);
  }
  t.at(1, kColDstHours) = t.at(1, kColDstUsed) = "1";
  t.dstStart[1] = DateFromYmd(2026, 3, 8);
  t.dstEnd[1] = DateFromYmd(2026, 11, 1);
  for (const auto& [col, text] :
       {std::pair{kColName, "Chile (Easter Island)"}, {kColLatitude, ""}, {kColLongitude, "109.35W"}})
    t.at(8, col) = text;
  return test::CountriesBytes(t);
}

class ClockWindowTest : public test::ClockWindowTest {
 protected:
  ClockWindowTest() : test::ClockWindowTest(QDateTime(QDate(2026, 7, 1), QTime(21, 0, 30))) {}
  // Starts on these countries.txt and tzone.txt, each written unless empty;
  // both empty, it starts again on the files as they are.
  void Start(const QByteArray& zone = " 3             0 \r\n", const QByteArray& countries = Countries()) {
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
  QString Zone() const { return window_->Text2()->text() + " " + window_->Text3()->text(); }
  QWidget* Frame() const { return window_->Grid()->findChild<QWidget*>("gridSelection"); }
};

// Every designed control in pixels (a twip is 1/15) with its caption: grid
// cells by their top left (sized to their text), the settings panel, its
// captions, fields and buttons, and the menus; then the colours, the other
// window loaded hidden, the minute timer and the column separators.
TEST_F(ClockWindowTest, StartsAsDesigned) {
  data_.Write("highlight.txt", " 2 \r\n,3\r\n\r\n 0 \r\n 999 \r\n");
  // Start-up removes what interrupted saves left beside the data files, and nothing else.
  const QStringList gone = {"countries.txt.zorvane-save-Ab12Cd", "tzone.txt.zorvane-save-000000",
                            "highlight.txt.zorvane-save-xY9z8w"},
                    kept = {"tzone.txt.zorvane-save-Ab12C", "tzone.txt.Ab12Cd"};
  for (const QString& n : gone + kept) data_.Write(n, "half");
  Start();
  for (const QString& n : gone + kept) EXPECT_EQ(data_.Exists(n), kept.contains(n)) << n.toStdString();
  ClockWindow& w = *window_;
  const auto labels = w.Picture1()->findChildren<QLabel*>();
  ASSERT_EQ(labels.size(), 5);
  const QRect s = QGuiApplication::primaryScreen()->geometry();
  // Width 0: only the top left.
  // clang-format off
  const struct { QWidget* widget; int x, y; const char* caption; int width = 0, height = 0;
                 const char* accessibleName = nullptr; } rows[] = {
      {&w, (s.width() - 800) / 2, (s.height() - 560) / 2 - 20, "Zorvane", 792, 529},
      {w.NameCell(1), 7, 5, "Canada (Eastern)"}, {w.TimeCell(1), 87, 5, "5:00 PM"},
      {w.NameCell(5), 7, 56, "United Kingdom o"}, {w.TimeCell(3), 87, 30, "3:00 AM"},
      {w.NameCell(38), 7, 477, "Entry 38"}, {w.NameCell(39), 133, 5, "Entry 39"},
      {w.NameCell(100), 260, 298, "Entry 100"}, {w.NameCell(150), 387, 451, "Entry 150"},
      {w.TimeCell(191), 720, 5, "6:00 PM"}, {w.TimeCell(224), 720, 426, "6:00 PM"},
      {w.TimeCell(225), 720, 438, ""}, {w.NameCell(226), 640, 451, "DST in"},
      {w.TimeCell(226), 720, 451, "1"}, {w.NameCell(227), 640, 464, "AM in"},
      {w.TimeCell(227), 720, 464, "1"}, {w.NameCell(228), 640, 477, "PM in"},
      {w.TimeCell(228), 720, 477, "223"}, {w.Picture1(), 104, 68, "", 246, 197},
      {w.Picture1()->findChild<QGroupBox*>(), 8, 8, "Settings", 229, 177}, {labels[2], 193, 60, "hrs"},
      {labels[0], 16, 24, "Local time"}, {labels[1], 16, 52, "Includes a daylight saving time of", 95, 26},
      {labels[3], 16, 88, "Normal timezone relative to GMT", 97, 26}, {labels[4], 193, 92, "hrs"},
      // Calculate is out of sight, pressed by Enter.
      {w.Text1(), 120, 20, "9:00 PM", 67, 19, "Local time"}, {w.Command3(), 420, -33, "Calculate", 23, 23},
      {w.Text3(), 120, 52, "0", 67, 19, "Includes a daylight saving time of (hrs)"},
      {w.Text2(), 120, 88, "3", 67, 19, "Normal timezone relative to GMT (hrs)"},
      {w.Command1(), 40, 140, "&Close", 63, 23}, {w.Command2(), 136, 140, "&Refresh", 63, 23},
      {w.menuBar()->actions().value(0)->menu(), 0, 0,
       "&File|Sunlight Map|Settings|Use This Computer's Zone|Update Daylight Saving Dates|Refresh|-|Exit"},
      {w.mnuFunc(), 0, 0, "Functions|Locate on World Map|Find|More info|Change to..."},
  };
  // clang-format on
  for (const auto& r : rows) {
    SCOPED_TRACE(std::string(r.caption) + " at " + std::to_string(r.x) + "," + std::to_string(r.y));
    EXPECT_EQ(Caption(r.widget), QString::fromUtf8(r.caption));
    if (r.accessibleName) {
      EXPECT_EQ(QAccessible::queryAccessibleInterface(r.widget)->text(QAccessible::Name), r.accessibleName);
    }
    EXPECT_EQ(r.widget->pos(), QPoint(r.x, r.y));
    if (r.width) {
      EXPECT_EQ(r.widget->size(), QSize(r.width, r.height));
    }
  }
  // The captions in dark red; the two too wide for one line show whole on two.
  for (const QLabel* l : labels) EXPECT_EQ(l->palette().color(l->foregroundRole()), QColor(128, 0, 0));
  EXPECT_TRUE(w.NameCell(1)->font().family() == "Arial Narrow" && w.NameCell(1)->font().pointSizeF() == 8.25);
  EXPECT_TRUE(w.NameCell(0) == nullptr && w.TimeCell(0) == nullptr && w.TimeCell(229) == nullptr);
  for (const QLabel* l : {labels[1], labels[3]})
    EXPECT_GE(l->heightForWidth(l->width()), 2 * l->fontMetrics().lineSpacing()) << l->text().toStdString();
  // The colours: daylight saving, highlight.txt (2 and 3), AM and PM times.
  // clang-format off
  const struct { int row; Rgb name, time; } colours[] = {{1, kDst, kPm}, {2, kRed, kPm}, {3, kRed, kAm},
      {4, kWhite, kPm}, {226, kDst, kDst}, {227, kAm, kAm}, {228, kPm, kPm}};
  // clang-format on
  for (const auto& c : colours)
    EXPECT_TRUE(w.NameColour(c.row) == c.name &&
                ToRgb(w.TimeCell(c.row)->palette().color(QPalette::WindowText)) == c.time)
        << c.row;
  data_.Write("highlight.txt", "");  // read at every calculation
  w.Calculate();
  EXPECT_TRUE(w.NameColour(2) == kWhite && prompts_.messages.isEmpty());
  EXPECT_EQ(QString::number(Shared().entryCount) + " " + Shared().gmtTimeText, "224 6:00 PM");
  ASSERT_TRUE(CountryInfoIfLoaded() && !CountryInfoIfLoaded()->isVisible());
  EXPECT_EQ(CountryInfoIfLoaded()->Text2()->text(), "1");
  EXPECT_TRUE(w.Timer1()->isActive() && w.Timer1()->interval() == 60000 && !w.Picture1()->isVisibleTo(&w));
  // The names drawn in their colour; the column separators, one-pixel lines
  // from y 4 to 501 between the columns.
  const QImage grid = w.Grid()->grab().toImage();
  EXPECT_FALSE(grid.copy(w.NameCell(1)->geometry()).allGray());
  for (int x : {128, 255, 382, 508, 635})
    for (const auto& [dx, y] : {std::pair{0, 4}, {0, 501}, {0, 3}, {0, 502}, {-1, 200}, {1, 200}})
      EXPECT_EQ(grid.pixelColor(x + dx, y) == QColor(255, 224, 192), !dx && (y == 4 || y == 501)) << x << y;
  // The arrow keys move a frame over the names: six columns of 38, row 225
  // without a name, 226 to 228 the legend.
  FocusGrid();
  // clang-format off
  const struct { const char* start; Qt::Key key; const char* selected; } moves[] = {
      {"", Qt::Key_Down, "2"}, {"", Qt::Key_Up, "1"}, {"10", Qt::Key_Up, "9"}, {"38", Qt::Key_Down, "39"},
      {"2", Qt::Key_Right, "40"}, {"40", Qt::Key_Left, "2"}, {"2", Qt::Key_Left, "2"},
      {"192", Qt::Key_Right, "192"}, {"224", Qt::Key_Down, "226"}, {"226", Qt::Key_Up, "224"},
      {"228", Qt::Key_Down, "228"}, {"100", Qt::Key_End, "228"}, {"100", Qt::Key_Home, "1"},
      {"300", Qt::Key_Down, "2"}};
  // clang-format on
  for (const auto& r : moves) {
    Shared().selectedEntry = r.start;
    QTest::keyClick(window_->Grid(), r.key);
    EXPECT_EQ(Shared().selectedEntry, r.selected) << r.start;
    const QLabel* name = window_->NameCell(Shared().selectedEntry.toInt());
    EXPECT_TRUE(Frame()->isVisible() && Frame()->geometry() == name->geometry().adjusted(-1, -1, 1, 1));
  }
  const QImage dots = Frame()->grab().toImage();  // a dotted white line
  EXPECT_TRUE(dots.pixelColor(0, 0) == Qt::white || dots.pixelColor(1, 0) == Qt::white);
  // Screen readers hear the grid's name and the selected entry.
  QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(window_->Grid());
  EXPECT_EQ(reader->text(QAccessible::Name) + "|" + reader->text(QAccessible::Description),
            "Time list|Chile  5:00 PM  ");
  // Tab leaves the grid, and the frame goes; in a settings field the arrows stay there.
  window_->mnuSettings()->trigger();
  QTest::keyClick(window_->Grid(), Qt::Key_Tab);
  EXPECT_FALSE(Frame()->isVisible() || window_->Grid()->hasFocus());
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
  EXPECT_EQ(Shared().selectedEntry, "2");
}

// A first run, without any file: every entry shows GMT and the panel floats
// over the cells to ask for the zone. Local time and offset recalculate as
// typed, the shift from Enter on; Refresh takes the computer's time; Enter
// on Close closes the panel; closing writes the zone file, but never through
// a pipe or a folder standing at its place: the user is told and it closes.
TEST_F(ClockWindowTest, FirstRunPanelAndFields) {
  Start({}, {});
  for (int n = 1; n <= kEntryCount; ++n) ASSERT_EQ(window_->NameCaption(n) + window_->TimeText(n), "6:00 PM");
  EXPECT_EQ(window_->TimeText(226) + window_->TimeText(227) + window_->TimeText(228), "00224");
  FocusGrid();
  QTest::keyClick(window_->Grid(), Qt::Key_Tab);  // no name to move to: the keys go on
  EXPECT_FALSE(window_->Grid()->hasFocus());
  ASSERT_TRUE(window_->Picture1()->isVisible());
  QWidget* hit = window_->Grid()->childAt(window_->Picture1()->geometry().center());
  EXPECT_TRUE(hit == window_->Picture1() || window_->Picture1()->isAncestorOf(hit));
  // The panel hides the names under it: its own colour, not a cell's text.
  const QRect under = window_->Picture1()->geometry().adjusted(2, 2, -2, -2);
  EXPECT_TRUE(
      window_->Grid()->grab().toImage().copy(QRect(under.topLeft(), QSize(6, under.height()))).allGray());
  QTest::keyClick(window_.get(), Qt::Key_Escape);
  EXPECT_FALSE(window_->Picture1()->isVisible());
  window_->mnuSettings()->trigger();
  EXPECT_TRUE(window_->Picture1()->isVisible());
  const QWidget* order[] = {window_->Text2(), window_->Command2(), window_->Text1(), window_->Text3(),
                            window_->Command1()};
  for (int i = 0; i + 1 < 5; ++i) EXPECT_EQ(order[i]->nextInFocusChain(), order[i + 1]) << i;
  auto typed = [this](QLineEdit* field, const char* text) {
    field->setText(text);
    return window_->TimeText(4);
  };
  window_->Text3()->setFocus();
  EXPECT_EQ(typed(window_->Text3(), "1"), "6:00 PM");
  QTest::keyClick(window_->Text3(), Qt::Key_Return);
  EXPECT_EQ(window_->TimeText(4), "5:00 PM");
  EXPECT_EQ(typed(window_->Text1(), "2:15 PM"), "10:15 AM");
  EXPECT_EQ(typed(window_->Text2(), "-5"), "6:15 PM");
  EXPECT_EQ(typed(window_->Text1(), "2:"), "6:15 PM");  // a partial time keeps GMT
  clock_.Set(QDateTime(QDate(2026, 7, 1), QTime(8, 5)));
  window_->Command2()->click();
  EXPECT_EQ(window_->Text1()->text() + " " + window_->TimeText(4), "8:05 AM 12:05 PM");
  window_->Command1()->setFocus();
  QTest::keyClick(window_->Command1(), Qt::Key_Return);
  EXPECT_FALSE(window_->Picture1()->isVisible());
  window_->close();
  EXPECT_EQ(data_.Read("tzone.txt"), "-5             1 \r\n");
  for (const QString kind : {"a named pipe", "a folder"}) {
    Start({}, {});
    const QString path = data_.Path("tzone.txt");
    ASSERT_TRUE(QDir().remove(path) &&
                (kind == "a folder" ? QDir().mkdir(path) : !::mkfifo(qPrintable(path), 0600)));
    window_->close();
    EXPECT_EQ(std::exchange(prompts_.messages, {}),
              QStringList("Your time zone settings could not be saved to " + path + ": it is " + kind +
                          ", not a regular file, so it was left alone."));
    EXPECT_FALSE(window_->isVisible());
  }
}

// The computer's zone, Berlin: a first start fills the fields with its normal
// offset and the shift in force, which follow its change at the next minute
// tick; saved settings of another zone stay. File, Use This Computer's Zone
// fills both fields or says why not.
// The shipped table holds 2026's dates; in 2027 (noon GMT on 1 July) the
// start-up offers to bring them up to date (No changes nothing, and the next
// start asks again), saves them and the grid shows true times. A table read
// in part makes no offer, and the command refuses to write it; this year's
// dates make no offer.
TEST_F(ClockWindowTest, TheComputersZoneAndDaylightSavingDates) {
  SetSystemZone(QTimeZone("Europe/Berlin"));
  clock_.Set(QDateTime(QDate(2026, 3, 29), QTime(1, 59), SystemZone()));
  Start({});
  EXPECT_EQ(Zone() + " " + Shared().gmtTimeText, "1 0 12:59 AM");
  clock_.Set(QDateTime(QDate(2026, 3, 29), QTime(3, 1), SystemZone()));
  ASSERT_TRUE(QMetaObject::invokeMethod(window_->Timer1(), "timeout"));
  EXPECT_EQ(Zone() + " " + Shared().gmtTimeText, "1 1 1:01 AM");
  Start();
  EXPECT_EQ(Zone(), "3 0");
  SetSystemZone(QTimeZone("Asia/Kolkata"));
  window_->mnuUseZone()->trigger();
  EXPECT_EQ(Zone() + " " + Shared().gmtTimeText, "5.5 0 9:31 PM");
  SetSystemZone(QTimeZone());
  window_->mnuUseZone()->trigger();
  EXPECT_EQ(prompts_.messages,
            QStringList{"This computer's time zone is not known, so the settings were left as they are."});
  EXPECT_EQ(Zone(), "5.5 0");
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
  ASSERT_EQ(prompts_.messages.size(), 2);
  EXPECT_TRUE(prompts_.messages[1].startsWith(
                  "Daylight saving dates updated for 2027 from this computer's time-zone database: ") &&
              prompts_.messages[1].endsWith(" entries changed."));
  CountryTable saved;  // in the file, and in the working copy that the information window saves
  ASSERT_TRUE(ReadCountriesFile(data_.Path("countries.txt"), saved, kEntryCount).complete);
  for (int n = 1; n <= kEntryCount; ++n)
    ASSERT_TRUE(saved.dstStart[n] == Shared().table.dstStart[n] &&
                saved.dstEnd[n] == Shared().working.dstEnd[n]);
  const QByteArray half = test::ShippedCountriesBytes().left(test::ShippedCountriesBytes().size() / 2);
  Start({}, half);
  window_->mnuUpdateDst()->trigger();
  ASSERT_EQ(prompts_.messages.size(), 4);
  EXPECT_TRUE(
      prompts_.messages[2].contains("Reading stopped at entry ") &&
      prompts_.messages[3].endsWith("so no daylight saving dates were updated. The file is unchanged."));
  EXPECT_EQ(data_.Read("countries.txt"), half);
  clock_.Set(QDateTime(QDate(2026, 7, 1), QTime(12, 0)));
  Start({}, test::ShippedCountriesBytes());
  EXPECT_EQ(prompts_.questions.size(), 2);
}

// The commands as the user reaches them, at 3:00 PM GMT on 6 December 2026.
// Change to... shifts every time cell by the difference, the last entry
// too, and the tips read the cells as they stand. Find colours the matches
// green until F5; Ctrl+S shows the world map; Exit writes the zone file and
// closes the other windows.
// Shift+F10 and the Menu key open the Functions pop-up under the selected
// name, its items reached with Down and Enter: Change to... and Locate,
// which marks the entry at its place (without a latitude, on the equator).
// Enter alone opens More info, modal over the clock: the world map still
// takes clicks, the clock's names not. A left press opens it beside the
// clock, without an owner, and on a legend name beeps and shows the last entry.
// The pop-up offers what fits the press. Highlight appends the entry; Clear
// writes back the highlights still shown (not the entry, not the found
// ones). A save that fails is told and leaves the grid as the file is.
TEST_F(ClockWindowTest, Commands) {
  clock_.Set(QDateTime(QDate(2026, 12, 6), QTime(15, 0)));
  Start(" 0             0 \r\n");
  auto tip = [this](int row) {
    QHelpEvent help(QEvent::ToolTip, QPoint(2, 2), window_->NameCell(row)->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(window_->NameCell(row), &help);
    return window_->NameCell(row)->toolTip();
  };
  EXPECT_EQ(tip(3), "Japan  12:00 AM  ");
  EXPECT_EQ(tip(226), "Daylight saving time active in 0 countries/zones");
  EXPECT_EQ(tip(227) + tip(228) + window_->TimeCell(3)->toolTip(), "");
  Select(3);
  prompts_.AnswerInput(QStringLiteral("soon"));
  prompts_.AnswerInput(QStringLiteral("2:30 AM"));
  window_->mnuChange()->trigger();
  ASSERT_EQ(prompts_.asked.size(), 2u);
  for (const auto& a : prompts_.asked)
    EXPECT_EQ(a.title + "|" + a.prompt + "|" + a.offered,
              "Change to...|Enter the new time for Japan|12:00 AM");
  EXPECT_EQ(window_->TimeText(3) + window_->TimeText(1) + window_->TimeText(224), "2:30 AM3:30 PM5:30 PM");
  EXPECT_EQ(window_->TimeText(226) + Shared().gmtTimeText, "03:00 PM");  // the legend and GMT stay
  EXPECT_EQ(tip(4), "Pakistan  6:30 PM  ");
  prompts_.AnswerInput(QStringLiteral("zz"));
  prompts_.AnswerInput(QStringLiteral("An"));
  window_->mnuFind()->trigger();
  ASSERT_EQ(prompts_.asked.size(), 4u);
  EXPECT_EQ(prompts_.asked[2].title + "|" + prompts_.asked[2].prompt + "|" + prompts_.asked[2].offered,
            "Zorvane|Enter partial or full name of the country to locate\n\nFound items will be displayed in "
            "bright GREEN color\nPress F5 to change to normal color|");
  EXPECT_EQ(prompts_.messages, QStringList({"Type mismatch. Enter the again.", "None found."}));
  QString found;
  for (int n = 1; n <= 228; ++n)
    if (window_->NameColour(n) == kGreen) found += QString::number(n) + " ";
  EXPECT_EQ(found, "1 3 4 8 ");
  window_->Text1()->setText("2:15 AM");
  FocusGrid();
  QTest::keyClick(window_->Grid(), Qt::Key_F5);  // the grid lets F5 through
  EXPECT_TRUE(window_->Text1()->text() == "3:00 PM" && window_->NameColour(3) == kWhite);
  QTest::keyClick(window_.get(), Qt::Key_S, Qt::ControlModifier);
  ASSERT_TRUE(WorldMapIfLoaded() && WorldMapIfLoaded()->isVisible() && !QApplication::activeModalWidget());
  EXPECT_EQ(WorldMapIfLoaded()->HighestLabelIndex(), 0);  // showing marks nothing
  PressName(4, Qt::LeftButton);
  window_->Text2()->setText("5.5");
  window_->mnuExit()->trigger();
  EXPECT_EQ(data_.Read("tzone.txt"), " 5.5           0 \r\n");
  EXPECT_TRUE(!window_->isVisible() && !CountryInfoIfLoaded() && !WorldMapIfLoaded());
  Start(" 0             0 \r\n");
  prompts_.AnswerInput(std::nullopt);  // Change to... reached by the keys
  for (const bool shiftF10 : {true, false}) {
    FocusGrid();
    Shared().selectedEntry = "3";
    QTest::keyClick(window_->Grid(), shiftF10 ? Qt::Key_F10 : Qt::Key_Menu,
                    shiftF10 ? Qt::ShiftModifier : Qt::NoModifier);
    ASSERT_TRUE(window_->mnuFunc()->isVisible());
    EXPECT_EQ(window_->mnuFunc()->pos(),
              window_->NameCell(3)->mapToGlobal(QPoint(0, window_->NameCell(3)->height())));
    for (int i = 0; i < (shiftF10 ? 5 : 1); ++i) QTest::keyClick(window_->mnuFunc(), Qt::Key_Down);
    QTest::keyClick(window_->mnuFunc(), Qt::Key_Return);
  }
  EXPECT_EQ(prompts_.asked.at(4).prompt, "Enter the new time for Japan");
  Select(8);
  window_->mnuLocate()->trigger();
  WorldMapWindow* map = WorldMapIfLoaded();
  ASSERT_TRUE(map && map->isVisible() && map->HighestLabelIndex() == 2);
  EXPECT_EQ(map->lblGMT(1)->text() + " " + map->lblGMT(2)->text(), "Japan Chile");
  EXPECT_EQ(map->Label1(5)->text() + map->Label1(4)->text(), LatitudeCaption(0) + LongitudeCaption(-109.35));
  FocusGrid();
  window_->Text1()->setText("not a time");  // Enter runs no calculation here
  QTest::keyClick(window_->Grid(), Qt::Key_Return);
  CountryInfoWindow* info = CountryInfoIfLoaded();
  EXPECT_TRUE(QApplication::activeModalWidget() == info && info->parentWidget() == window_.get());
  EXPECT_EQ(info->Text2()->text() + " " + window_->TimeText(3), "8 12:00 AM");
  // Presses through the window system, which holds back input from windows a modal one blocks.
  const QPoint at(360, 160), name5 = window_->NameCell(5)->mapTo(window_.get(), QPoint(2, 2));
  for (const auto& [handle, point] : {std::pair{map->windowHandle(), at}, {window_->windowHandle(), name5}})
    QTest::mouseClick(handle, Qt::LeftButton, {}, point);
  EXPECT_TRUE(map->Shape3()->pos() == at && Shared().selectedEntry + info->Text2()->text() == "88");
  info->Command1(4)->click();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  PressName(6, Qt::LeftButton);
  ASSERT_NE(info = CountryInfoIfLoaded(), nullptr);
  EXPECT_TRUE(info->windowModality() == Qt::NonModal && info->parentWidget() == nullptr);
  Shared().selectedEntry.clear();
  window_->mnuEditItem()->trigger();  // already open: brought to the entry, still beside
  EXPECT_TRUE(Shared().selectedEntry + info->Text2()->text() == "11" &&
              info->windowModality() == Qt::NonModal);
  const int beeps = prompts_.beeps;
  PressName(226, Qt::LeftButton);
  EXPECT_TRUE(Shared().selectedEntry + info->Text2()->text() == "226224" && prompts_.beeps == beeps + 1);
  data_.Write("highlight.txt", " 224 \r\n 3 \r\n 40 \r\n");
  window_->Calculate();
  Select(3);
  EXPECT_EQ(Caption(window_->mnuFunc()), "Functions|Locate on World Map|Clear|Find|More info|Change to...");
  Select(4);
  EXPECT_EQ(Caption(window_->mnuFunc()),
            "Functions|Locate on World Map|Highlight|Find|More info|Change to...");
  QTest::mousePress(window_->Grid(), Qt::RightButton, {}, QPoint(780, 490));
  window_->mnuFunc()->hide();
  EXPECT_EQ(Caption(window_->mnuFunc()), "Functions|Locate on World Map|Find|More info");
  EXPECT_EQ(Shared().selectedEntry, "4");  // the background selects nothing
  QTest::mousePress(window_->Grid(), Qt::LeftButton, {}, QPoint(780, 490));
  EXPECT_FALSE(window_->mnuFunc()->isVisible());
  prompts_.AnswerInput(QStringLiteral("japan"));
  window_->mnuFind()->trigger();
  Select(12);
  window_->mnuHiliteItem()->trigger();
  EXPECT_EQ(window_->NameColour(12), kRed);
  EXPECT_EQ(data_.Read("highlight.txt"), " 224 \r\n 3 \r\n 40 \r\n 12 \r\n");
  window_->mnuNormalize()->trigger();
  EXPECT_EQ(data_.Read("highlight.txt"), " 40 \r\n 224 \r\n");
  for (const auto& [row, colour] : {std::pair{12, kWhite}, {3, kWhite}, {40, kRed}, {224, kRed}})
    EXPECT_EQ(window_->NameColour(row), colour) << row;
  test::FailWritesAfter(0);
  Select(7);
  window_->mnuHiliteItem()->trigger();
  EXPECT_EQ(window_->NameColour(7), kWhite);
  Select(40);
  window_->mnuNormalize()->trigger();
  test::FailWritesAfter(-1);
  ASSERT_EQ(prompts_.messages.size(), 4);
  EXPECT_TRUE(prompts_.messages[2].startsWith("The highlight could not be saved to highlight.txt: ") &&
              prompts_.messages[3].startsWith("The highlights could not be saved to highlight.txt: "));
  EXPECT_TRUE(data_.Read("highlight.txt") == " 40 \r\n 224 \r\n" && window_->NameColour(40) == kRed);
}

}  // namespace
}  // namespace zv
