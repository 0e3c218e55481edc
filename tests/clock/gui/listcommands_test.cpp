#include "clock/listcommands.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

#include "app/gui/appwindows.h"
#include "clock/gui/clockwindow.h"
#include "countryinfo/gui/countryinfowindow.h"
#include "data/countryfile.h"
#include "data/module1.h"
#include "data/savefile.h"
#include "support/clockfixture.h"

namespace zv {
namespace {

QByteArray Countries() {
  CountryTable t;
  const char* names[] = {"Canada (Eastern)", "Chile", "Japan", "Pakistan", "United Kingdom of Great Britain"};
  for (int n = 1; n <= 5; ++n) {
    t.at(n, kColName) = QString::fromLatin1(names[n - 1]);
    t.at(n, kColOffset) = QString::number(n - 3);
    t.at(n, kColDstUsed) = QStringLiteral("0");
  }
  for (int n = 6; n <= kEntryCount; ++n) t.at(n, kColName) = QStringLiteral("Entry %1").arg(n);
  return test::CountriesBytes(t);
}

class ListCommandsTest : public test::ClockWindowTest {
 protected:
  ListCommandsTest() : ClockWindowTest(QDateTime(QDate(2026, 12, 6), QTime(15, 0))) {}
  void SetUp() override { StartClock(Countries()); }
  QStringList VisibleItems() const {
    QStringList out;
    for (QAction* a : window_->mnuFunc()->actions())
      if (a->isVisible()) out << a->text();
    window_->mnuFunc()->hide();
    return out;
  }
};

TEST_F(ListCommandsTest, FileMenuItems) {
  QMenu* file = window_->menuBar()->actions().first()->menu();
  QStringList texts;
  for (QAction* a : file->actions()) texts << (a->isSeparator() ? QStringLiteral("-") : a->text());
  EXPECT_EQ(texts, QStringList({"Sunlight Map", "Settings", "Use This Computer's Zone",
                                "Update Daylight Saving Dates", "Refresh", "-", "Exit"}));
  EXPECT_EQ(window_->menuBar()->actions().first()->text(), "&File");
  EXPECT_EQ(window_->menuBar()->actions().size(), 1);
  window_->Command1()->click();
  EXPECT_FALSE(window_->Picture1()->isVisible());
  window_->show();
  window_->mnuSettings()->trigger();
  EXPECT_TRUE(window_->Picture1()->isVisible());
}

TEST_F(ListCommandsTest, PopUpItemSets) {
  window_->show();
  data_.Write(QStringLiteral("highlight.txt"), " 3 \r\n");
  window_->Calculate();
  PressName(3, Qt::RightButton);
  EXPECT_EQ(VisibleItems(),
            QStringList({"Locate on World Map", "Clear", "Find", "More info", "Change to..."}));
  EXPECT_EQ(Shared().selectedEntry, "3");
  PressName(4, Qt::RightButton);
  EXPECT_EQ(VisibleItems(),
            QStringList({"Locate on World Map", "Highlight", "Find", "More info", "Change to..."}));
  QTest::mousePress(window_->Grid(), Qt::RightButton, {}, QPoint(780, 490));
  EXPECT_EQ(VisibleItems(), QStringList({"Locate on World Map", "Find", "More info"}));
  EXPECT_EQ(Shared().selectedEntry, "4");  // the background does not change the selection
  // A press on a time cell is neither a name nor the background.
  window_->mnuChange()->setVisible(true);
  QTest::mousePress(window_->TimeCell(4), Qt::RightButton, {}, QPoint(2, 2));
  EXPECT_FALSE(window_->mnuFunc()->isVisible());
  EXPECT_TRUE(window_->mnuChange()->isVisible());
}

TEST_F(ListCommandsTest, HighlightAppendsAndSurvivesRestart) {
  Select(12);
  window_->HighlightItem();
  EXPECT_EQ(window_->NameColour(12), kHighlightColour);
  EXPECT_EQ(data_.Read(QStringLiteral("highlight.txt")), " 12 \r\n");
  window_->close();
  window_.reset();
  ResetShared();
  window_ = std::make_unique<ClockWindow>();
  window_->StartUp();
  EXPECT_EQ(window_->NameColour(12), kHighlightColour);
}

TEST_F(ListCommandsTest, ClearKeepsOtherHighlightsButNotFoundOnes) {
  data_.Write(QStringLiteral("highlight.txt"), " 12 \r\n 3 \r\n 12 \r\n 40 \r\n");
  window_->Calculate();
  prompts_.AnswerInput(QStringLiteral("japan"));  // entry 3 turns green
  window_->FindItems();
  EXPECT_EQ(window_->NameColour(3), kFindColour);
  Select(12);
  window_->ClearItem();
  EXPECT_EQ(data_.Read(QStringLiteral("highlight.txt")), " 40 \r\n");
  EXPECT_EQ(window_->NameColour(12), ClockWindow::NameTemplateColour());
  EXPECT_EQ(window_->NameColour(40), kHighlightColour);
  EXPECT_EQ(window_->NameColour(3), ClockWindow::NameTemplateColour());
}

TEST_F(ListCommandsTest, HighlightWriteFailureIsToldOnceAndGridStaysRight) {
  test::FailWritesAfter(0);
  Select(7);
  window_->HighlightItem();
  test::FailWritesAfter(-1);
  ASSERT_EQ(prompts_.messages.size(), 1);
  EXPECT_TRUE(prompts_.messages[0].contains("highlight.txt"));
  EXPECT_EQ(window_->NameColour(7), ClockWindow::NameTemplateColour());
  EXPECT_FALSE(data_.Exists(QStringLiteral("highlight.txt")));
}

TEST_F(ListCommandsTest, FindColoursMatchesGreenAndAsksAgain) {
  prompts_.AnswerInput(QStringLiteral("zz"));
  prompts_.AnswerInput(QStringLiteral("An"));
  window_->FindItems();
  ASSERT_EQ(prompts_.asked.size(), 2u);
  EXPECT_EQ(prompts_.asked[0].title, "Zorvane");
  EXPECT_EQ(prompts_.asked[0].prompt,
            "Enter partial or full name of the country to locate\n\nFound items will be displayed in bright "
            "GREEN color\nPress F5 to change to normal color");
  EXPECT_EQ(prompts_.asked[0].offered, "");
  EXPECT_EQ(prompts_.messages, QStringList({"None found."}));
  EXPECT_EQ(window_->NameColour(1), kFindColour);  // Canada
  EXPECT_EQ(window_->NameColour(3), kFindColour);  // Japan
  EXPECT_EQ(window_->NameColour(4), kFindColour);  // Pakistan
  EXPECT_NE(window_->NameColour(5), kFindColour);  // United Kingdom... has no "an"
  EXPECT_NE(window_->NameColour(2), kFindColour);
  EXPECT_NE(window_->NameColour(226), kFindColour);
  window_->Refresh();
  EXPECT_EQ(window_->NameColour(3), ClockWindow::NameTemplateColour());
}

TEST_F(ListCommandsTest, ChangeToShiftsEveryTimeCell) {
  // Entry 3 (offset 0) shows 3:00 PM.
  ASSERT_EQ(window_->TimeText(3), "3:00 PM");
  Select(3);
  prompts_.AnswerInput(QStringLiteral("5:30 PM"));
  window_->ChangeTo();
  ASSERT_EQ(prompts_.asked.size(), 1u);
  EXPECT_EQ(prompts_.asked[0].title, "Change to...");
  EXPECT_EQ(prompts_.asked[0].prompt, "Enter the new time for Japan");
  EXPECT_EQ(prompts_.asked[0].offered, "3:00 PM");
  EXPECT_EQ(window_->TimeText(3), "5:30 PM");
  EXPECT_EQ(window_->TimeText(1), "3:30 PM");  // offset -2: 1:00 PM + 150 minutes
  EXPECT_EQ(window_->TimeText(226), "0");      // the legend stays
  EXPECT_EQ(Shared().gmtTimeText, "3:00 PM");
  EXPECT_EQ(window_->TimeCell(1)->palette().color(QPalette::WindowText), QColor(255, 192, 128));
}

TEST_F(ListCommandsTest, ChangeToRejectsLettersAndAsksAgain) {
  Select(3);
  prompts_.AnswerInput(QStringLiteral("soon"));
  prompts_.AnswerInput(std::nullopt);
  window_->ChangeTo();
  EXPECT_EQ(prompts_.messages, QStringList({"Type mismatch. Enter the again."}));
  ASSERT_EQ(prompts_.asked.size(), 2u);
  EXPECT_EQ(prompts_.asked[1].offered, "3:00 PM");
  EXPECT_EQ(window_->TimeText(3), "3:00 PM");
}

TEST_F(ListCommandsTest, MoreInfoIsModalOverTheClockAndStartsAtOne) {
  window_->show();
  window_->MoreInfo();
  CountryInfoWindow* info = CountryInfoIfLoaded();
  ASSERT_NE(info, nullptr);
  EXPECT_EQ(Shared().selectedEntry, "1");
  EXPECT_EQ(info->Text2()->text(), "1");
  EXPECT_TRUE(info->isVisible());
  EXPECT_EQ(info->windowModality(), Qt::WindowModal);
  EXPECT_EQ(info->parentWidget(), window_.get());
  EXPECT_TRUE(info->isWindow());
}

TEST_F(ListCommandsTest, MoreInfoOnOpenWindowBringsItToTheEntry) {
  PressName(4, Qt::LeftButton);
  Select(2);
  window_->MoreInfo();
  CountryInfoWindow* info = CountryInfoIfLoaded();
  EXPECT_EQ(info->Text2()->text(), "2");
  EXPECT_EQ(info->windowModality(), Qt::NonModal);
}

TEST(ListCommandsCore, MinutesBetweenAndShift) {
  EXPECT_EQ(MinutesBetween("3:00 PM", "5:30 PM"), 150);
  EXPECT_EQ(MinutesBetween("3:00 PM", "1:00 AM"), -840);
  EXPECT_EQ(MinutesBetween("", "1:00 AM"), std::nullopt);
  EXPECT_EQ(MinutesBetween("3:00 PM", "later"), std::nullopt);
  EXPECT_EQ(ShiftTimeText("11:30 PM", 60), "12:30 AM");
  EXPECT_EQ(ShiftTimeText("1:00 AM", -120), "11:00 PM");
  EXPECT_EQ(ShiftTimeText("", 60), "");
  EXPECT_EQ(HighlightFileBytes({3, 40}), " 3 \r\n 40 \r\n");
}

}  // namespace
}  // namespace zv
