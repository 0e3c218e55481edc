// The country information window for screen readers and the keyboard: every
// control has a name from its caption, the link and the picture's pop-up
// menu work from the keyboard.

#include <gtest/gtest.h>

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include "app/gui/appwindows.h"
#include "countryinfo/entryedit.h"
#include "countryinfo/gui/countryinfowindow.h"
#include "data/countryfile.h"
#include "data/module1.h"
#include "support/clockfixture.h"
#include "worldmap/gui/worldmapwindow.h"

namespace zv {
namespace {

CountryTable PakistanAt5() {
  CountryTable t = test::EntryTable();
  t.at(5, kColName) = QStringLiteral("Pakistan");
  return t;
}

class InfoAccessTest : public test::InfoWindowTest {
 protected:
  InfoAccessTest() : test::InfoWindowTest(QDateTime(QDate(2026, 12, 7), QTime(4, 0)), PakistanAt5()) {}
  void SetUp() override {
    window_ = CountryInfo();
    window_->SetEntryText("5");
    window_->show();
    window_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window_));
  }
  static QString Name(QWidget* w) {
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
    return a ? a->text(QAccessible::Name) : QString();
  }

  CountryInfoWindow* window_ = nullptr;
};

TEST_F(InfoAccessTest, EveryControlHasItsOwnName) {
  QStringList names;
  for (QWidget* w : window_->findChildren<QWidget*>()) {
    const bool control = qobject_cast<QLineEdit*>(w) || qobject_cast<QPlainTextEdit*>(w) ||
                         qobject_cast<QComboBox*>(w) || qobject_cast<QPushButton*>(w) ||
                         qobject_cast<QCheckBox*>(w) || qobject_cast<QScrollBar*>(w);
    // The text box inside the history and the scroll bars that the history
    // box keeps to itself are parts of a named control.
    if (!control || w->focusPolicy() == Qt::NoFocus ||
        (w->parentWidget() != window_ && !window_->Frame1()->isAncestorOf(w)))
      continue;
    if (w->parentWidget() && qobject_cast<QPlainTextEdit*>(w->parentWidget()->parentWidget())) continue;
    const QString name = qobject_cast<QComboBox*>(w) ? w->accessibleName() : Name(w);
    EXPECT_FALSE(name.isEmpty()) << w->metaObject()->className();
    EXPECT_FALSE(names.contains(name)) << name.toStdString();
    names << name;
  }
  EXPECT_GE(names.size(), 20);
}

TEST_F(InfoAccessTest, NamesSayWhatTheCaptionsSay) {
  struct Row {
    QWidget* control;
    const char* name;
  };
  for (const Row& r :
       {Row{window_->Text1(kBoxName), "Country or Zone"},
        Row{window_->Text1(kBoxOffset), "Time zone relative to GMT"},
        Row{window_->Text1(kBoxDstHours), "Daylight saving time of (hrs)"},
        Row{window_->Text1(kBoxDstStart), "Daylight saving time from"},
        Row{window_->Text1(kBoxDstEnd), "Daylight saving time to"},
        Row{window_->Text1(kBoxMapName), "Map picture name"},
        Row{window_->Text1(kBoxHistory), "Brief History"}, Row{window_->Text2(), "Entry number"},
        Row{window_->Command1(0), "First entry"}, Row{window_->Command1(1), "Previous entry"},
        Row{window_->Command1(2), "Next entry"}, Row{window_->Command1(3), "Last entry"},
        Row{window_->Command1(7), "Find"}, Row{window_->Check1(), "Uses daylight saving time of "}}) {
    EXPECT_EQ(Name(r.control), QString::fromLatin1(r.name));
  }
  // A drop-down list tells its chosen line as its name on Linux; its own
  // name is the property.
  EXPECT_EQ(window_->Combo1()->accessibleName(), "Country or Zone list");
  QAccessibleInterface* combo = QAccessible::queryAccessibleInterface(window_->Combo1());
  ASSERT_NE(combo, nullptr);
  const auto labels = combo->relations(QAccessible::Label);
  ASSERT_EQ(labels.size(), 1);
  EXPECT_EQ(labels[0].first->text(QAccessible::Name), "Country or Zone");
}

TEST_F(InfoAccessTest, EnterOnTheLinkLocatesTheEntry) {
  window_->Label4()->setFocus();
  ASSERT_TRUE(window_->Label4()->hasFocus());
  QTest::keyClick(window_->Label4(), Qt::Key_Return);
  WorldMapWindow* map = WorldMapIfLoaded();
  ASSERT_NE(map, nullptr);
  EXPECT_EQ(map->lblGMT(1)->text(), "Pakistan");
  // Enter did not press the window's Enter button (">", the next entry).
  EXPECT_EQ(window_->Text2()->text(), "5");
}

TEST_F(InfoAccessTest, MenuKeysOpenThePicturesMenu) {
  for (bool shiftF10 : {false, true}) {
    window_->Frame2()->setFocus();
    ASSERT_TRUE(window_->Frame2()->hasFocus());
    if (shiftF10)
      QTest::keyClick(window_->Frame2(), Qt::Key_F10, Qt::ShiftModifier);
    else
      QTest::keyClick(window_->Frame2(), Qt::Key_Menu);
    EXPECT_TRUE(window_->mnuFile()->isVisible());
    window_->mnuFile()->hide();
  }
}

}  // namespace
}  // namespace zv
