// The clock window as designed and started: its places and captions, the
// start-up calculation, the settings panel, and the grid from the keyboard
// and for screen readers.

#include "clock/gui/clockwindow.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include "app/gui/appwindows.h"
#include "common/gui/colours.h"
#include "countryinfo/gui/countryinfowindow.h"
#include "data/module1.h"
#include "support/clockfixture.h"
#include "worldmap/gui/worldmapwindow.h"

namespace zv {
namespace {

const Rgb kWhite{255, 255, 255}, kAm{224, 224, 224}, kPm{255, 192, 128}, kDst{192, 255, 192}, kRed{255, 0, 0};
const QByteArray kZoneThree = " 3             0 \r\n";

// Eastern United States in daylight saving, India, and Australia (Eastern)
// whose southern rule is out of force in July; the other entries unnamed.
QByteArray SampleCountries() {
  CountryTable t;
  const struct {
    const char *name, *offset, *dst;
    QDate start, end;
  } rows[] = {{"United States (Eastern)", "-5", "1", {2026, 3, 8}, {2026, 11, 1}},
              {"India", "5.5", "0", {}, {}},
              {"Australia (Eastern)", "10", "1", {2026, 10, 4}, {2026, 4, 5}}};
  for (int n = 1; n <= 3; ++n) {
    const auto& r = rows[n - 1];
    t.at(n, kColName) = r.name;
    t.at(n, kColOffset) = r.offset;
    t.at(n, kColDstHours) = t.at(n, kColDstUsed) = r.dst;
    t.dstStart[n] = r.start.isValid() ? DateFromQDate(r.start) : 0;
    t.dstEnd[n] = r.end.isValid() ? DateFromQDate(r.end) : 0;
  }
  return test::CountriesBytes(t);
}

QString Caption(const QWidget* w) {
  if (auto* l = qobject_cast<const QLabel*>(w)) return l->text();
  if (auto* b = qobject_cast<const QPushButton*>(w)) return b->text();
  if (auto* e = qobject_cast<const QLineEdit*>(w)) return e->text();
  if (auto* g = qobject_cast<const QGroupBox*>(w)) return g->title();
  if (auto* m = qobject_cast<const QMenu*>(w)) {
    QStringList items{m->title()};
    for (const QAction* a : m->actions()) items << (a->isSeparator() ? QStringLiteral("-") : a->text());
    return items.join('|');
  }
  return w->windowTitle();
}

class ClockWindowTest : public test::ClockWindowTest {
 protected:
  ClockWindowTest() : test::ClockWindowTest(QDateTime(QDate(2026, 7, 1), QTime(21, 0, 30))) {}
  // Starts on the sample countries and, unless empty, this tzone.txt.
  void Start(const QByteArray& zone = kZoneThree, const QByteArray& countries = SampleCountries()) {
    ResetShared();
    SetClock(&clock_);
    if (!countries.isEmpty()) data_.Write("countries.txt", countries);
    if (!zone.isEmpty()) data_.Write("tzone.txt", zone);
    window_ = std::make_unique<ClockWindow>();
    window_->StartUp();
  }
  void Activate() {
    window_->show();
    window_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
  }
  void FocusGrid() {
    Activate();
    window_->Grid()->setFocus();
    ASSERT_TRUE(window_->Grid()->hasFocus());
  }
  QWidget* Frame() const { return window_->Grid()->findChild<QWidget*>("gridSelection"); }
};

// Every designed control in pixels (a twip is 1/15): grid cells by their
// top left (sized to their text), the settings panel, its captions, fields
// and buttons, and the menus' captions.
TEST_F(ClockWindowTest, DesignedPlacesAndCaptions) {
  Start();
  ClockWindow& w = *window_;
  const auto labels = w.Picture1()->findChildren<QLabel*>();
  ASSERT_EQ(labels.size(), 5);
  const QRect s = QGuiApplication::primaryScreen()->geometry();
  constexpr int kPosOnly = 0, kNoPlace = -99;
  const struct {
    const char* what;
    const QWidget* widget;
    int x, y, width, height;
    const char* caption;
  } rows[] = {
      {"window", &w, (s.width() - 800) / 2, (s.height() - 560) / 2 - 20, 792, 529, "Zorvane"},
      {"name 1", w.NameCell(1), 7, 5, kPosOnly, 0, "United States (E"},
      {"time 1", w.TimeCell(1), 87, 5, kPosOnly, 0, "2:00 PM"},
      {"name 2", w.NameCell(2), 7, 18, kPosOnly, 0, "India"},
      {"time 3", w.TimeCell(3), 87, 30, kPosOnly, 0, "4:00 AM"},
      {"name 38", w.NameCell(38), 7, 477, kPosOnly, 0, ""},
      {"time 38", w.TimeCell(38), 87, 477, kPosOnly, 0, "6:00 PM"},
      {"name 39", w.NameCell(39), 133, 5, kPosOnly, 0, ""},
      {"time 76", w.TimeCell(76), 213, 477, kPosOnly, 0, "6:00 PM"},
      {"name 100", w.NameCell(100), 260, 298, kPosOnly, 0, ""},
      {"name 150", w.NameCell(150), 387, 451, kPosOnly, 0, ""},
      {"time 191", w.TimeCell(191), 720, 5, kPosOnly, 0, "6:00 PM"},
      {"time 224", w.TimeCell(224), 720, 426, kPosOnly, 0, "6:00 PM"},
      {"spacer", w.TimeCell(225), 720, 438, kPosOnly, 0, ""},
      {"DST legend", w.NameCell(226), 640, 451, kPosOnly, 0, "DST in"},
      {"DST count", w.TimeCell(226), 720, 451, kPosOnly, 0, "1"},
      {"AM legend", w.NameCell(227), 640, 464, kPosOnly, 0, "AM in"},
      {"AM count", w.TimeCell(227), 720, 464, kPosOnly, 0, "1"},
      {"PM legend", w.NameCell(228), 640, 477, kPosOnly, 0, "PM in"},
      {"PM count", w.TimeCell(228), 720, 477, kPosOnly, 0, "223"},
      {"Picture1", w.Picture1(), 104, 68, 246, 197, ""},
      {"frame", w.Picture1()->findChild<QGroupBox*>(), 8, 8, 229, 177, "Settings"},
      {"local time caption", labels[0], 16, 24, kPosOnly, 0, "Local time"},
      {"shift caption", labels[1], 16, 52, 95, 26, "Includes a daylight saving time of"},
      {"shift hrs", labels[2], 193, 60, kPosOnly, 0, "hrs"},
      {"offset caption", labels[3], 16, 88, 97, 26, "Normal timezone relative to GMT"},
      {"offset hrs", labels[4], 193, 92, kPosOnly, 0, "hrs"},
      {"Text1", w.Text1(), 120, 20, 67, 19, "9:00 PM"},
      {"Text3", w.Text3(), 120, 52, 67, 19, "0"},
      {"Text2", w.Text2(), 120, 88, 67, 19, "3"},
      {"Close", w.Command1(), 40, 140, 63, 23, "&Close"},
      {"Refresh", w.Command2(), 136, 140, 63, 23, "&Refresh"},
      {"Calculate, out of sight", w.Command3(), 420, -33, 23, 23, "Calculate"},
      {"File menu", w.menuBar()->actions().value(0)->menu(), kNoPlace, 0, 0, 0,
       "&File|Sunlight Map|Settings|Use This Computer's Zone|Update Daylight Saving Dates|Refresh|-|Exit"},
      {"Functions pop-up", w.mnuFunc(), kNoPlace, 0, 0, 0,
       "Functions|Locate on World Map|Highlight|Clear|Find|More info|Change to..."},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.what);
    ASSERT_NE(r.widget, nullptr);
    EXPECT_EQ(Caption(r.widget), QString::fromUtf8(r.caption));
    if (r.x == kNoPlace) continue;
    EXPECT_EQ(r.widget->pos(), QPoint(r.x, r.y));
    if (r.width != kPosOnly)
      EXPECT_EQ(r.widget == &w ? w.size() : r.widget->size(), QSize(r.width, r.height));
  }
  EXPECT_EQ(w.menuBar()->actions().size(), 1);
  EXPECT_EQ(w.NameCell(1)->font().family(), "Arial Narrow");
  EXPECT_DOUBLE_EQ(w.NameCell(1)->font().pointSizeF(), 8.25);
  EXPECT_TRUE(w.NameCell(0) == nullptr && w.TimeCell(0) == nullptr && w.TimeCell(229) == nullptr);
  // The two captions too wide for one line show whole on two.
  for (const QLabel* l : {labels[1], labels[3]})
    EXPECT_GE(l->heightForWidth(l->width()), 2 * l->fontMetrics().lineSpacing()) << l->text().toStdString();
  // The column separators: one-pixel lines from y 4 to 501 between the columns.
  const QImage grid = w.Grid()->grab().toImage();
  for (int x : {128, 255, 382, 508, 635})
    for (const auto& [dx, y, line] : {std::tuple{0, 4, true},
                                      {0, 501, true},
                                      {0, 3, false},
                                      {0, 502, false},
                                      {-1, 200, false},
                                      {1, 200, false}})
      EXPECT_EQ(grid.pixelColor(x + dx, y) == QColor(255, 224, 192), line) << x + dx << "," << y;
}

TEST_F(ClockWindowTest, StartUpCalculatesColoursAndLoadsTheOtherWindow) {
  data_.Write("highlight.txt", " 2 \r\n,3\r\n\r\n 0 \r\n 999 \r\n");
  Start();
  EXPECT_EQ(Shared().entryCount, 224);
  EXPECT_EQ(Shared().gmtTimeText, "6:00 PM");
  EXPECT_EQ(window_->NameColour(1), kDst);
  EXPECT_EQ(window_->NameColour(2), kRed);  // highlight.txt, read at every calculation
  EXPECT_EQ(window_->NameColour(3), kRed);
  EXPECT_EQ(window_->NameColour(4), kWhite);
  for (const auto& [row, colour] : {std::pair{226, kDst}, {227, kAm}, {228, kPm}}) {
    EXPECT_EQ(window_->NameColour(row), colour) << row;
    EXPECT_EQ(ToRgb(window_->TimeCell(row)->palette().color(QPalette::WindowText)), colour) << row;
  }
  EXPECT_EQ(ToRgb(window_->TimeCell(3)->palette().color(QPalette::WindowText)), kAm);
  EXPECT_EQ(ToRgb(window_->TimeCell(2)->palette().color(QPalette::WindowText)), kPm);
  data_.Write("highlight.txt", "");
  window_->Calculate();
  EXPECT_EQ(window_->NameColour(2), kWhite);
  ASSERT_NE(CountryInfoIfLoaded(), nullptr);
  EXPECT_FALSE(CountryInfoIfLoaded()->isVisible());
  EXPECT_EQ(CountryInfoIfLoaded()->Text2()->text(), "1");
  EXPECT_TRUE(window_->Timer1()->isActive());
  EXPECT_EQ(window_->Timer1()->interval(), 60000);
  EXPECT_FALSE(window_->Picture1()->isVisibleTo(window_.get()));
  EXPECT_TRUE(prompts_.messages.isEmpty());
}

// Without any file: every entry shows GMT, the panel floats over the cells
// to ask for the zone, and closing writes the zone file.
TEST_F(ClockWindowTest, FirstRunShowsThePanelAndWritesTheZoneFile) {
  Start({}, {});
  for (int n = 1; n <= kEntryCount; ++n) ASSERT_EQ(window_->NameCaption(n) + window_->TimeText(n), "6:00 PM");
  EXPECT_EQ(window_->TimeText(226) + window_->TimeText(227) + window_->TimeText(228), "00224");
  Activate();
  ASSERT_TRUE(window_->Picture1()->isVisible());
  QWidget* hit = window_->Grid()->childAt(window_->Picture1()->geometry().center());
  EXPECT_TRUE(hit == window_->Picture1() || window_->Picture1()->isAncestorOf(hit));
  QTest::keyClick(window_.get(), Qt::Key_Escape);
  EXPECT_FALSE(window_->Picture1()->isVisible());
  window_->mnuSettings()->trigger();
  EXPECT_TRUE(window_->Picture1()->isVisible());
  window_->Command1()->click();
  EXPECT_FALSE(window_->Picture1()->isVisible());
  window_->close();
  EXPECT_EQ(data_.Read("tzone.txt"), " 3             0 \r\n");
  EXPECT_TRUE(prompts_.messages.isEmpty());
}

TEST_F(ClockWindowTest, FieldsRecalculateAndRefreshTakesTheComputersTime) {
  Start();
  Activate();
  window_->mnuSettings()->trigger();
  // Keyboard order: Text2, Command2, Text1, Text3, Command1.
  const QWidget* order[] = {window_->Text2(), window_->Command2(), window_->Text1(), window_->Text3(),
                            window_->Command1()};
  for (int i = 0; i + 1 < 5; ++i) EXPECT_EQ(order[i]->nextInFocusChain(), order[i + 1]) << i;
  window_->Text3()->setFocus();
  window_->Text3()->setText("1");
  EXPECT_EQ(window_->TimeText(4), "6:00 PM");  // the shift counts from Enter on
  QTest::keyClick(window_->Text3(), Qt::Key_Return);
  EXPECT_EQ(window_->TimeText(4), "5:00 PM");
  window_->Text1()->setText("2:15 PM");
  EXPECT_EQ(window_->TimeText(4), "10:15 AM");
  window_->Text2()->setText("-5");
  EXPECT_EQ(window_->TimeText(4), "6:15 PM");
  window_->Text1()->setText("2:");  // a partial time keeps GMT
  EXPECT_EQ(window_->TimeText(4), "6:15 PM");
  clock_.Set(QDateTime(QDate(2026, 7, 1), QTime(8, 5)));
  window_->Command2()->click();
  EXPECT_EQ(window_->Text1()->text(), "8:05 AM");
  EXPECT_EQ(window_->TimeText(4), "12:05 PM");
}

// The captions draw in dark red: the darkest pixel of each, as shown.
TEST_F(ClockWindowTest, PanelCaptionsAreDarkRed) {
  Start({});
  Activate();
  for (QLabel* l : window_->Picture1()->findChildren<QLabel*>()) {
    const QImage shot = l->grab().toImage();
    QColor darkest = Qt::white;
    for (int y = 0; y < shot.height(); ++y)
      for (int x = 0; x < shot.width(); ++x)
        if (shot.pixelColor(x, y).lightness() < darkest.lightness()) darkest = shot.pixelColor(x, y);
    EXPECT_TRUE(darkest.red() > darkest.green() + 40 && darkest.blue() < 60) << l->text().toStdString();
  }
}

// The arrow keys move a dotted white frame over the names: six columns of
// 38, row 225 without a name, 226 to 228 the legend.
TEST_F(ClockWindowTest, KeysMoveTheSelection) {
  Start({}, test::CountriesBytes(test::EntryTable()));
  FocusGrid();
  const struct {
    const char* start;
    std::vector<Qt::Key> keys;
    const char* selected;
  } rows[] = {
      {"", {Qt::Key_Down}, "2"},    {"", {Qt::Key_Up}, "1"},         {"10", {Qt::Key_Up, Qt::Key_Up}, "8"},
      {"38", {Qt::Key_Down}, "39"}, {"2", {Qt::Key_Right}, "40"},    {"40", {Qt::Key_Left}, "2"},
      {"2", {Qt::Key_Left}, "2"},   {"192", {Qt::Key_Right}, "192"}, {"224", {Qt::Key_Down}, "226"},
      {"226", {Qt::Key_Up}, "224"}, {"228", {Qt::Key_Down}, "228"},  {"100", {Qt::Key_End}, "228"},
      {"100", {Qt::Key_Home}, "1"}, {"300", {Qt::Key_Down}, "2"}};
  for (const auto& r : rows) {
    SCOPED_TRACE(std::string(r.start) + " to " + r.selected);
    Shared().selectedEntry = r.start;
    for (Qt::Key k : r.keys) QTest::keyClick(window_->Grid(), k);
    EXPECT_EQ(Shared().selectedEntry, r.selected);
    ASSERT_TRUE(Frame()->isVisible());
    EXPECT_EQ(Frame()->geometry(),
              window_->NameCell(Shared().selectedEntry.toInt())->geometry().adjusted(-1, -1, 1, 1));
  }
  const QImage shot = Frame()->grab().toImage();
  int white = 0;
  for (int x = 0; x < shot.width(); ++x) white += shot.pixelColor(x, 0) == QColor(Qt::white);
  EXPECT_GT(white, shot.width() / 4);
  // Screen readers hear the grid's name and the selected entry.
  QAccessibleInterface* grid = QAccessible::queryAccessibleInterface(window_->Grid());
  EXPECT_EQ(grid->text(QAccessible::Name), "Time list");
  EXPECT_EQ(grid->text(QAccessible::Description), "Entry 2  6:00 PM  ");
  // In a settings field the arrows stay there, and the frame goes.
  window_->mnuSettings()->trigger();
  window_->Text1()->setFocus();
  EXPECT_FALSE(Frame()->isVisible());
  QTest::keyClick(window_->Text1(), Qt::Key_Down);
  EXPECT_EQ(Shared().selectedEntry, "2");
  for (const auto& [field, name] : {std::pair<QWidget*, const char*>{window_->Text1(), "Local time"},
                                    {window_->Text3(), "Includes a daylight saving time of (hrs)"},
                                    {window_->Text2(), "Normal timezone relative to GMT (hrs)"},
                                    {window_->Command1(), "Close"},
                                    {window_->Command2(), "Refresh"}})
    EXPECT_EQ(QAccessible::queryAccessibleInterface(field)->text(QAccessible::Name), name);
}

// Shift+F10 and the Menu key open the Functions pop-up under the selected
// name; every command is reached with Down and Enter; Enter alone opens
// More info.
TEST_F(ClockWindowTest, EveryCommandIsReachableFromTheKeyboard) {
  CountryTable t = test::EntryTable();
  t.at(5, kColName) = "Japan";
  Start(kZoneThree, test::CountriesBytes(t));
  // What the user then sees: the map's mark, highlight.txt, the input box's
  // first line, the modal country information.
  auto seen = [this] {
    QString s;
    if (WorldMapIfLoaded() && WorldMapIfLoaded()->isVisible())
      s += "map " + WorldMapIfLoaded()->lblGMT(1)->text();
    s += "|" + data_.Read("highlight.txt") + "|";
    if (!prompts_.asked.empty()) s += prompts_.asked[0].prompt.section('\n', 0, 0);
    if (CountryInfoIfLoaded() && QApplication::activeModalWidget() == CountryInfoIfLoaded())
      s += "info " + CountryInfoIfLoaded()->Text2()->text();
    return s;
  };
  const struct {
    bool shiftF10;
    const char *command, *second, *seen;  // second: the second item offered
  } rows[] = {{false, "Locate on World Map", "Highlight", "map Japan||"},
              {true, "Highlight", "Highlight", "| 5 \r\n|"},
              {false, "Clear", "Clear", "||"},
              {true, "Find", "Highlight", "||Enter partial or full name of the country to locate"},
              {false, "Change to...", "Highlight", "||Enter the new time for Japan"},
              {true, "More info", "Highlight", "||info 5"}};
  for (const auto& r : rows) {
    SCOPED_TRACE(r.command);
    CloseOtherWindows();
    FocusGrid();
    Shared().selectedEntry = "4";
    QTest::keyClick(window_->Grid(), Qt::Key_Down);
    QTest::keyClick(window_->Grid(), r.shiftF10 ? Qt::Key_F10 : Qt::Key_Menu,
                    r.shiftF10 ? Qt::ShiftModifier : Qt::NoModifier);
    QMenu* menu = window_->mnuFunc();
    ASSERT_TRUE(menu->isVisible());
    EXPECT_EQ(menu->pos(), window_->NameCell(5)->mapToGlobal(QPoint(0, window_->NameCell(5)->height())));
    QStringList offered;
    for (QAction* a : menu->actions())
      if (a->isVisible()) offered << a->text();
    EXPECT_EQ(offered, QStringList({"Locate on World Map", r.second, "Find", "More info", "Change to..."}));
    prompts_.asked.clear();
    prompts_.inputs.clear();
    prompts_.AnswerInput(std::nullopt);
    for (int i = 0; i <= offered.indexOf(r.command); ++i) QTest::keyClick(menu, Qt::Key_Down);
    QTest::keyClick(menu, Qt::Key_Return);
    EXPECT_FALSE(menu->isVisible());
    EXPECT_EQ(seen(), r.seen);
  }
  CloseOtherWindows();
  FocusGrid();
  window_->Text1()->setText("not a time");  // Enter runs no calculation here
  QTest::keyClick(window_->Grid(), Qt::Key_Return);
  ASSERT_NE(CountryInfoIfLoaded(), nullptr);
  EXPECT_TRUE(CountryInfoIfLoaded()->isVisible());
  EXPECT_EQ(CountryInfoIfLoaded()->Text2()->text(), "5");
  EXPECT_EQ(window_->TimeText(5), "6:00 PM");
}

}  // namespace
}  // namespace zv
