// The clock window from the keyboard: a visible selection moved by the arrow
// keys, the Functions pop-up by Shift+F10 and the Menu key with every command
// reachable, More info by Enter, and the names screen readers hear.

#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>

#include "app/gui/appwindows.h"
#include "clock/gui/clockwindow.h"
#include "countryinfo/gui/countryinfowindow.h"
#include "data/module1.h"
#include "support/clockfixture.h"
#include "worldmap/gui/worldmapwindow.h"

namespace zv {
namespace {

class KeyboardTest : public test::ClockWindowTest {
 protected:
  KeyboardTest() : ClockWindowTest(QDateTime(QDate(2026, 12, 6), QTime(15, 0))) {}
  void SetUp() override {
    CountryTable t = test::EntryTable();
    t.at(5, kColName) = QStringLiteral("Japan");
    StartClock(test::CountriesBytes(t));
    window_->show();
    window_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
    window_->Picture1()->hide();
    window_->Grid()->setFocus();
    ASSERT_TRUE(window_->Grid()->hasFocus());
  }
  QWidget* Frame() const { return window_->Grid()->findChild<QWidget*>(QStringLiteral("gridSelection")); }
  void Keys(const std::vector<Qt::Key>& keys) {
    for (Qt::Key k : keys) QTest::keyClick(window_->Grid(), k);
  }
};

struct MoveCase {
  const char* start;  // the selected entry before the keys ("" for none)
  std::vector<Qt::Key> keys;
  const char* selected;
};

class KeyboardMoves : public KeyboardTest, public ::testing::WithParamInterface<MoveCase> {};

TEST_P(KeyboardMoves, SelectionFollowsTheKeys) {
  Shared().selectedEntry = QString::fromLatin1(GetParam().start);
  Keys(GetParam().keys);
  EXPECT_EQ(Shared().selectedEntry, QString::fromLatin1(GetParam().selected));
  // The frame stands around the selected name.
  const int row = Shared().selectedEntry.toInt();
  ASSERT_NE(Frame(), nullptr);
  EXPECT_TRUE(Frame()->isVisible());
  EXPECT_TRUE(Frame()->geometry().contains(window_->NameCell(row)->geometry()));
}

// Six columns of 38 names; row 225 has no name; 226 to 228 are the legend.
INSTANTIATE_TEST_SUITE_P(
    Rows, KeyboardMoves,
    ::testing::Values(MoveCase{"", {Qt::Key_Down}, "2"}, MoveCase{"", {Qt::Key_Up}, "1"},
                      MoveCase{"10", {Qt::Key_Up, Qt::Key_Up}, "8"}, MoveCase{"38", {Qt::Key_Down}, "39"},
                      MoveCase{"2", {Qt::Key_Right}, "40"}, MoveCase{"40", {Qt::Key_Left}, "2"},
                      MoveCase{"2", {Qt::Key_Left}, "2"}, MoveCase{"192", {Qt::Key_Right}, "192"},
                      MoveCase{"224", {Qt::Key_Down}, "226"}, MoveCase{"226", {Qt::Key_Up}, "224"},
                      MoveCase{"228", {Qt::Key_Down}, "228"}, MoveCase{"100", {Qt::Key_End}, "228"},
                      MoveCase{"100", {Qt::Key_Home}, "1"}, MoveCase{"300", {Qt::Key_Down}, "2"}));

TEST_F(KeyboardTest, FrameOnlyWhileTheGridHasTheFocus) {
  Keys({Qt::Key_Down});
  ASSERT_TRUE(Frame()->isVisible());
  // A white dotted line on the black grid.
  const QImage shot = Frame()->grab().toImage();
  int white = 0;
  for (int x = 0; x < shot.width(); ++x) white += shot.pixelColor(x, 0) == QColor(Qt::white);
  EXPECT_GT(white, shot.width() / 4);
  window_->mnuSettings()->trigger();
  window_->Text1()->setFocus();
  EXPECT_FALSE(Frame()->isVisible());
  // Arrow keys in a settings field stay there.
  QTest::keyClick(window_->Text1(), Qt::Key_Down);
  EXPECT_EQ(Shared().selectedEntry, "2");
}

struct MenuCase {
  const char* what;
  bool highlighted;     // the selected name shows the highlight colour
  bool shiftF10;        // Shift+F10, else the Menu key
  const char* command;  // the item chosen with Down and Enter
};

class KeyboardMenu : public KeyboardTest, public ::testing::WithParamInterface<MenuCase> {};

TEST_P(KeyboardMenu, EveryCommandIsReachable) {
  const MenuCase& c = GetParam();
  Shared().selectedEntry = QStringLiteral("4");
  Keys({Qt::Key_Down});  // entry 5, Japan
  if (c.highlighted) window_->SetNameColour(5, Shared().highlightColour);
  if (c.shiftF10)
    QTest::keyClick(window_->Grid(), Qt::Key_F10, Qt::ShiftModifier);
  else
    QTest::keyClick(window_->Grid(), Qt::Key_Menu);
  QMenu* menu = window_->mnuFunc();
  ASSERT_TRUE(menu->isVisible()) << c.what;
  // The pop-up opens under the selected name.
  EXPECT_EQ(menu->pos(), window_->NameCell(5)->mapToGlobal(QPoint(0, window_->NameCell(5)->height())));
  QStringList offered;
  for (QAction* a : menu->actions())
    if (a->isVisible()) offered << a->text();
  EXPECT_EQ(offered, QStringList({"Locate on World Map", c.highlighted ? "Clear" : "Highlight", "Find",
                                  "More info", "Change to..."}));
  const int steps = offered.indexOf(QString::fromLatin1(c.command)) + 1;
  ASSERT_GT(steps, 0) << c.command;
  if (QString::fromLatin1(c.command) == "Find") prompts_.AnswerInput(std::nullopt);
  if (QString::fromLatin1(c.command) == "Change to...") prompts_.AnswerInput(std::nullopt);
  for (int i = 0; i < steps; ++i) QTest::keyClick(menu, Qt::Key_Down);
  QTest::keyClick(menu, Qt::Key_Return);
  EXPECT_FALSE(menu->isVisible());

  const QString command = QString::fromLatin1(c.command);
  if (command == "Locate on World Map") {
    ASSERT_NE(WorldMapIfLoaded(), nullptr);
    EXPECT_TRUE(WorldMapIfLoaded()->isVisible());
    EXPECT_EQ(WorldMapIfLoaded()->lblGMT(1)->text(), "Japan");
  } else if (command == "Highlight") {
    EXPECT_EQ(data_.Read("highlight.txt"), " 5 \r\n");
  } else if (command == "Clear") {
    EXPECT_EQ(data_.Read("highlight.txt"), "");
    EXPECT_TRUE(data_.Exists("highlight.txt"));
  } else if (command == "Find") {
    ASSERT_EQ(prompts_.asked.size(), 1u);
    EXPECT_TRUE(prompts_.asked[0].prompt.startsWith("Enter partial or full name"));
  } else if (command == "More info") {
    ASSERT_NE(CountryInfoIfLoaded(), nullptr);
    EXPECT_EQ(CountryInfoIfLoaded()->Text2()->text(), "5");
    EXPECT_EQ(QApplication::activeModalWidget(), CountryInfoIfLoaded());
  } else if (command == "Change to...") {
    ASSERT_EQ(prompts_.asked.size(), 1u);
    EXPECT_EQ(prompts_.asked[0].prompt, "Enter the new time for Japan");
  }
}

INSTANTIATE_TEST_SUITE_P(Rows, KeyboardMenu,
                         ::testing::Values(MenuCase{"locate", false, false, "Locate on World Map"},
                                           MenuCase{"highlight", false, true, "Highlight"},
                                           MenuCase{"clear", true, false, "Clear"},
                                           MenuCase{"find", false, true, "Find"},
                                           MenuCase{"more info", false, false, "More info"},
                                           MenuCase{"change", true, true, "Change to..."}));

TEST_F(KeyboardTest, EnterOpensMoreInfoOnTheSelectedName) {
  Shared().selectedEntry = QStringLiteral("4");
  Keys({Qt::Key_Down});
  window_->Text1()->setText(QStringLiteral("not a time"));  // a calculation would replace nothing here
  QTest::keyClick(window_->Grid(), Qt::Key_Return);
  CountryInfoWindow* info = CountryInfoIfLoaded();
  ASSERT_NE(info, nullptr);
  EXPECT_TRUE(info->isVisible());
  EXPECT_EQ(info->Text2()->text(), "5");
  EXPECT_EQ(QApplication::activeModalWidget(), info);
  info->Command1(4)->click();
}

TEST_F(KeyboardTest, GridTellsScreenReadersTheSelectedName) {
  Shared().selectedEntry = QStringLiteral("4");
  Keys({Qt::Key_Down});
  QAccessibleInterface* grid = QAccessible::queryAccessibleInterface(window_->Grid());
  ASSERT_NE(grid, nullptr);
  EXPECT_EQ(grid->text(QAccessible::Name), "Time list");
  EXPECT_EQ(grid->text(QAccessible::Description), "Japan  " + window_->TimeText(5) + "  ");
}

TEST_F(KeyboardTest, SettingsFieldsAreNamedByTheirCaptions) {
  struct Row {
    QWidget* field;
    const char* name;
  };
  for (const Row& r : {Row{window_->Text1(), "Local time"},
                       Row{window_->Text3(), "Includes a daylight saving time of (hrs)"},
                       Row{window_->Text2(), "Normal timezone relative to GMT (hrs)"},
                       Row{window_->Command1(), "Close"}, Row{window_->Command2(), "Refresh"}}) {
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(r.field);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->text(QAccessible::Name), QString::fromLatin1(r.name));
  }
}

}  // namespace
}  // namespace zv
