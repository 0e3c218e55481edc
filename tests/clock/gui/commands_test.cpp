// The clock window's commands as the user reaches them: the Functions pop-up
// and its list commands, the File menu, the tips, the windows they join, and
// keeping the times true (the daylight-saving offer, the computer's zone).

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimeZone>

#include "app/gui/appwindows.h"
#include "clock/gui/clockwindow.h"
#include "common/gui/twips.h"
#include "countryinfo/gui/countryinfowindow.h"
#include "data/countryfile.h"
#include "data/module1.h"
#include "solar/numberfns.h"
#include "support/clockfixture.h"
#include "worldmap/gui/worldmapwindow.h"
#include "worldmap/mapgeometry.h"

namespace zv {
namespace {

const Rgb kWhite{255, 255, 255}, kRed{255, 0, 0}, kGreen{0, 255, 0};

// Entries 1-5 named for Find at offsets -2 .. 2 (Japan at 9, placed), 8 an
// island without latitude, the rest "Entry n" at GMT.
QByteArray Countries() {
  CountryTable t = test::EntryTable();
  const char* names[] = {"Canada (Eastern)", "Chile", "Japan", "Pakistan", "United Kingdom of Great Britain"};
  for (int n = 1; n <= 5; ++n) {
    t.at(n, kColName) = names[n - 1];
    t.at(n, kColOffset) = QString::number(n - 3);
  }
  t.at(3, kColOffset) = "9";
  t.at(3, kColLatitude) = "35.68N";
  t.at(3, kColLongitude) = "139.69E";
  t.at(8, kColName) = "Chile (Easter Island)";
  t.at(8, kColLatitude) = "";
  t.at(8, kColLongitude) = "109.35W";
  return test::CountriesBytes(t);
}

class CommandsTest : public test::ClockWindowTest {
 protected:
  CommandsTest() : ClockWindowTest(QDateTime(QDate(2026, 12, 6), QTime(15, 0))) {}
  void SetUp() override { StartClock(Countries()); }
  QStringList Offered() const {
    QStringList out;
    for (QAction* a : window_->mnuFunc()->actions())
      if (a->isVisible()) out << a->text();
    window_->mnuFunc()->hide();
    return out;
  }
  QString Tip(int row) const {
    QLabel* cell = window_->NameCell(row);
    QHelpEvent help(QEvent::ToolTip, QPoint(2, 2), cell->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(cell, &help);
    return cell->toolTip();
  }
  void Restart() {
    CloseOtherWindows();
    window_.reset();
    ResetShared();
    window_ = std::make_unique<ClockWindow>();
    window_->StartUp();
    QCoreApplication::processEvents();  // the start-up offer comes from the event loop
  }
};

TEST_F(CommandsTest, PopUpOffersWhatFitsThePress) {
  window_->show();
  data_.Write("highlight.txt", " 3 \r\n");
  window_->Calculate();
  PressName(3, Qt::RightButton);
  EXPECT_EQ(Offered(), QStringList({"Locate on World Map", "Clear", "Find", "More info", "Change to..."}));
  PressName(4, Qt::RightButton);
  EXPECT_EQ(Offered(),
            QStringList({"Locate on World Map", "Highlight", "Find", "More info", "Change to..."}));
  QTest::mousePress(window_->Grid(), Qt::RightButton, {}, QPoint(780, 490));
  EXPECT_EQ(Offered(), QStringList({"Locate on World Map", "Find", "More info"}));
  EXPECT_EQ(Shared().selectedEntry, "4");  // the background selects nothing
  QTest::mousePress(window_->Grid(), Qt::LeftButton, {}, QPoint(780, 490));
  EXPECT_FALSE(window_->mnuFunc()->isVisible());
  window_->mnuChange()->setVisible(true);
  QTest::mousePress(window_->TimeCell(4), Qt::RightButton, {}, QPoint(2, 2));  // neither name nor background
  EXPECT_FALSE(window_->mnuFunc()->isVisible());
  EXPECT_TRUE(window_->mnuChange()->isVisible());
}

// Highlight appends the entry; Clear writes back the highlights still shown
// (not the entry, not the found ones); both survive a restart, and a save
// that fails is told and leaves the grid as the file is.
TEST_F(CommandsTest, HighlightAndClearKeepTheFileAndTheGridTogether) {
  data_.Write("highlight.txt", " 224 \r\n 3 \r\n 40 \r\n");
  window_->Calculate();
  prompts_.AnswerInput(QStringLiteral("japan"));
  window_->mnuFind()->trigger();
  EXPECT_EQ(window_->NameColour(3), kGreen);
  Select(12);
  window_->mnuHiliteItem()->trigger();
  EXPECT_EQ(window_->NameColour(12), kRed);
  EXPECT_EQ(data_.Read("highlight.txt"), " 224 \r\n 3 \r\n 40 \r\n 12 \r\n");
  Select(12);
  window_->mnuNormalize()->trigger();
  EXPECT_EQ(data_.Read("highlight.txt"), " 40 \r\n 224 \r\n");
  for (const auto& [row, colour] : {std::pair{12, kWhite}, {3, kWhite}, {40, kRed}, {224, kRed}})
    EXPECT_EQ(window_->NameColour(row), colour) << row;
  Restart();
  EXPECT_EQ(window_->NameColour(40), kRed);
  test::FailWritesAfter(0);
  Select(7);
  window_->mnuHiliteItem()->trigger();
  EXPECT_EQ(window_->NameColour(7), kWhite);
  Select(40);
  window_->mnuNormalize()->trigger();
  test::FailWritesAfter(-1);
  ASSERT_EQ(prompts_.messages.size(), 2);
  EXPECT_TRUE(prompts_.messages[0].startsWith("The highlight could not be saved to highlight.txt: "));
  EXPECT_TRUE(prompts_.messages[1].startsWith("The highlights could not be saved to highlight.txt: "));
  EXPECT_EQ(data_.Read("highlight.txt"), " 40 \r\n 224 \r\n");
  EXPECT_EQ(window_->NameColour(40), kRed);
}

TEST_F(CommandsTest, FindColoursMatchesGreenUntilRefresh) {
  prompts_.AnswerInput(QStringLiteral("zz"));
  prompts_.AnswerInput(QStringLiteral("An"));
  window_->mnuFind()->trigger();
  ASSERT_EQ(prompts_.asked.size(), 2u);
  EXPECT_EQ(prompts_.asked[0].title, "Zorvane");
  EXPECT_EQ(prompts_.asked[0].prompt,
            "Enter partial or full name of the country to locate\n\nFound items will be displayed in bright "
            "GREEN color\nPress F5 to change to normal color");
  EXPECT_EQ(prompts_.asked[0].offered, "");
  EXPECT_EQ(prompts_.messages, QStringList({"None found."}));
  QString found;
  for (int n = 1; n <= 228; ++n)
    if (window_->NameColour(n) == kGreen) found += QString::number(n) + " ";
  EXPECT_EQ(found, "1 3 4 8 ");
  window_->Text1()->setText("2:15 AM");
  window_->show();
  window_->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
  QTest::keyClick(window_.get(), Qt::Key_F5);  // the computer's time back, the green gone
  EXPECT_EQ(window_->Text1()->text(), "3:00 PM");
  EXPECT_EQ(window_->NameColour(3), kWhite);
  QTest::keyClick(window_.get(), Qt::Key_S, Qt::ControlModifier);
  ASSERT_NE(WorldMapIfLoaded(), nullptr);
  EXPECT_TRUE(WorldMapIfLoaded()->isVisible());
  EXPECT_EQ(WorldMapIfLoaded()->HighestLabelIndex(), 0);  // showing marks nothing
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

// Change to... shifts every time cell by the difference, the last entry
// too, and the tips read the cells as they stand.
TEST_F(CommandsTest, ChangeToShiftsEveryTimeAndTheTipsFollow) {
  EXPECT_EQ(Tip(3), "Japan  12:00 AM  ");
  EXPECT_EQ(Tip(226), "Daylight saving time active in 0 countries/zones");
  EXPECT_EQ(Tip(227) + Tip(228) + window_->TimeCell(3)->toolTip(), "");
  Select(3);
  prompts_.AnswerInput(QStringLiteral("soon"));
  prompts_.AnswerInput(QStringLiteral("2:30 AM"));
  window_->mnuChange()->trigger();
  EXPECT_EQ(prompts_.messages, QStringList({"Type mismatch. Enter the again."}));
  ASSERT_EQ(prompts_.asked.size(), 2u);
  for (const auto& a : prompts_.asked)
    EXPECT_EQ(a.title + "|" + a.prompt + "|" + a.offered,
              "Change to...|Enter the new time for Japan|12:00 AM");
  EXPECT_EQ(window_->TimeText(3), "2:30 AM");
  EXPECT_EQ(window_->TimeText(1), "3:30 PM");
  EXPECT_EQ(window_->TimeText(224), "5:30 PM");
  EXPECT_EQ(window_->TimeText(226), "0");  // the legend stays
  EXPECT_EQ(Shared().gmtTimeText, "3:00 PM");
  EXPECT_EQ(window_->TimeCell(1)->palette().color(QPalette::WindowText), QColor(255, 192, 128));
  EXPECT_EQ(Tip(3), "Japan  2:30 AM  ");
  EXPECT_EQ(Tip(4), "Pakistan  6:30 PM  ");
}

TEST_F(CommandsTest, LocateMarksTheSelectedEntry) {
  const struct {
    int row;
    const char* label;
    double lat, lon;
  } rows[] = {{3, "Japan", 35.68, 139.69}, {8, "Chile", 0, -109.35}};  // no latitude: the equator
  for (int i = 0; i < 2; ++i) {
    Select(rows[i].row);
    window_->mnuLocate()->trigger();
    WorldMapWindow* map = WorldMapIfLoaded();
    ASSERT_TRUE(map && map->isVisible());
    ASSERT_EQ(map->HighestLabelIndex(), i + 1);
    EXPECT_EQ(map->lblGMT(i + 1)->text(), rows[i].label);
    EXPECT_EQ(map->lblGMT(i + 1)->pos(), TwipPoint(LonToX(rows[i].lon) + 150, MarkY(rows[i].lat) - 100));
    EXPECT_EQ(map->Label1(5)->text(), LatitudeCaption(rows[i].lat));
    EXPECT_EQ(map->Label1(4)->text(), LongitudeCaption(rows[i].lon));
  }
  EXPECT_TRUE(prompts_.messages.isEmpty());
}

TEST_F(CommandsTest, ExitWritesTheZoneFileAndClosesTheOtherWindows) {
  window_->show();
  window_->mnuSunClock()->trigger();
  PressName(4, Qt::LeftButton);
  ASSERT_NE(CountryInfoIfLoaded(), nullptr);
  window_->Text2()->setText("5.5");
  window_->mnuExit()->trigger();
  EXPECT_FALSE(window_->isVisible());
  EXPECT_EQ(data_.Read("tzone.txt"), " 5.5           0 \r\n");
  EXPECT_EQ(CountryInfoIfLoaded(), nullptr);
  EXPECT_EQ(WorldMapIfLoaded(), nullptr);
}

// More info: modal over the clock, on entry 1 when nothing is selected; the
// world map stays usable while the clock's names do not select. A left press
// opens it beside the clock, without an owner; on a legend name it beeps and
// shows the last entry.
TEST_F(CommandsTest, CountryInformationModalOrBeside) {
  window_->show();
  window_->mnuEditItem()->trigger();
  CountryInfoWindow* info = CountryInfoIfLoaded();
  ASSERT_NE(info, nullptr);
  EXPECT_EQ(Shared().selectedEntry + info->Text2()->text(), "11");
  EXPECT_EQ(QApplication::activeModalWidget(), info);
  EXPECT_EQ(info->parentWidget(), window_.get());
  EXPECT_TRUE(info->isWindow());
  QTest::mouseClick(info->Label4(), Qt::LeftButton);  // the link to the world map
  WorldMapWindow* map = WorldMapIfLoaded();
  ASSERT_TRUE(map && map->isVisible() && map->isWindow());
  const QPoint at(360, 160);
  QTest::mousePress(map->windowHandle(), Qt::LeftButton, {}, at);
  QTest::mouseRelease(map->windowHandle(), Qt::LeftButton, {}, at);
  EXPECT_EQ(map->Shape3()->pos(), at);
  EXPECT_EQ(QApplication::activeModalWidget(), info);
  const QPoint name5 = window_->NameCell(5)->mapTo(window_.get(), QPoint(2, 2));
  auto rightClick = [&] {
    QTest::mousePress(window_->windowHandle(), Qt::RightButton, {}, name5);
    QTest::mouseRelease(window_->windowHandle(), Qt::RightButton, {}, name5);
  };
  rightClick();
  EXPECT_EQ(Shared().selectedEntry, "1");
  info->Command1(4)->click();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(CountryInfoIfLoaded(), nullptr);
  rightClick();
  EXPECT_EQ(Shared().selectedEntry, "5");
  window_->mnuFunc()->hide();
  PressName(6, Qt::LeftButton);
  info = CountryInfoIfLoaded();
  ASSERT_NE(info, nullptr);
  EXPECT_EQ(info->windowModality(), Qt::NonModal);
  EXPECT_EQ(info->parentWidget(), nullptr);
  Select(2);
  window_->mnuEditItem()->trigger();  // already open: brought to the entry, still beside
  EXPECT_EQ(info->Text2()->text(), "2");
  EXPECT_EQ(info->windowModality(), Qt::NonModal);
  const int beeps = info->BeepCount();
  PressName(226, Qt::LeftButton);
  EXPECT_EQ(Shared().selectedEntry, "226");
  EXPECT_EQ(info->BeepCount(), beeps + 1);
  EXPECT_EQ(info->Text2()->text(), "224");
}

QByteArray Shipped() { return test::ReadFileBytes(test::SourcePath("data/countries.txt")); }
const QString kOffer2027 =
    "The daylight saving dates in use are those of 2026. Update them for 2027 from this computer's time-zone "
    "database?";

// The shipped table holds 2026's dates; in 2027 the start-up offers to bring
// them up to date. Noon GMT on 1 July 2027.
TEST_F(CommandsTest, DaylightSavingOfferUpdatesSavesOrAsksAgain) {
  auto timeOf = [this](const char* name) {
    for (int n = 1; n <= kEntryCount; ++n)
      if (Shared().table.at(n, kColName) == name) return window_->TimeText(n);
    return QString();
  };
  clock_.Set(QDateTime(QDate(2027, 7, 1), QTime(12, 0)));
  prompts_.AnswerYes(false);
  prompts_.AnswerYes(true);
  data_.Write("countries.txt", Shipped());
  Restart();
  EXPECT_EQ(prompts_.questions, QStringList{kOffer2027});
  EXPECT_EQ(data_.Read("countries.txt"), Shipped());
  EXPECT_EQ(timeOf("United Kingdom") + timeOf("New Zealand"), "12:00 PM1:00 AM");
  Restart();
  EXPECT_EQ(prompts_.questions, QStringList({kOffer2027, kOffer2027}));
  ASSERT_EQ(prompts_.messages.size(), 1);
  EXPECT_TRUE(prompts_.messages[0].startsWith(
      "Daylight saving dates updated for 2027 from this computer's time-zone database: "));
  EXPECT_TRUE(prompts_.messages[0].endsWith(" entries changed."));
  EXPECT_EQ(timeOf("United Kingdom") + timeOf("New Zealand") + timeOf("United States (Eastern)"),
            "1:00 PM12:00 AM8:00 AM");
  CountryTable saved;
  ASSERT_TRUE(ReadCountriesFile(data_.Path("countries.txt"), saved, kEntryCount).complete);
  EXPECT_TRUE(saved == Shared().table);
  // The information window's working copy has them too, so its Save keeps them.
  for (int n = 1; n <= kEntryCount; ++n) ASSERT_EQ(Shared().working.dstStart[n], saved.dstStart[n]) << n;
  Restart();
  EXPECT_EQ(prompts_.questions.size(), 2);
  // This year's dates: no offer, and the command changes nothing.
  clock_.Set(QDateTime(QDate(2026, 7, 1), QTime(12, 0)));
  data_.Write("countries.txt", Shipped());
  Restart();
  window_->mnuUpdateDst()->trigger();
  EXPECT_EQ(prompts_.questions.size(), 2);
  EXPECT_EQ(
      prompts_.messages.last(),
      "Daylight saving dates updated for 2026 from this computer's time-zone database: no entry changed.");
  EXPECT_EQ(data_.Read("countries.txt"), Shipped());
  // A table read in part is told of, never offered nor written.
  const QByteArray half = Shipped().left(Shipped().size() / 2);
  data_.Write("countries.txt", half);
  clock_.Set(QDateTime(QDate(2027, 7, 1), QTime(12, 0)));
  prompts_.messages.clear();
  Restart();
  window_->mnuUpdateDst()->trigger();
  EXPECT_EQ(prompts_.questions.size(), 2);
  ASSERT_EQ(prompts_.messages.size(), 2);
  EXPECT_TRUE(prompts_.messages[0].contains("Reading stopped at entry "))
      << prompts_.messages[0].toStdString();
  EXPECT_TRUE(prompts_.messages[1].startsWith("The country file " + data_.Path("countries.txt") +
                                              " could be read only as far as entry "));
  EXPECT_TRUE(
      prompts_.messages[1].endsWith("so no daylight saving dates were updated. The file is unchanged."));
  EXPECT_EQ(data_.Read("countries.txt"), half);
}

// The own-zone fields: the computer's on a first start, following its shift
// at the next tick; saved ones replaced only where they were the computer's;
// File, Use This Computer's Zone fills both or says why not.
TEST_F(CommandsTest, OwnZoneFollowsTheComputer) {
  const QTimeZone berlin("Europe/Berlin");
  SetSystemZone(berlin);
  clock_.Set(QDateTime(QDate(2027, 3, 28), QTime(1, 59), berlin));
  QFile::remove(data_.Path("tzone.txt"));
  Restart();
  EXPECT_TRUE(window_->Picture1()->isVisibleTo(window_.get()));
  EXPECT_EQ(window_->Text2()->text() + window_->Text3()->text() + Shared().gmtTimeText, "1012:59 AM");
  clock_.Set(QDateTime(QDate(2027, 3, 28), QTime(3, 1), berlin));
  window_->Refresh();  // the minute tick
  EXPECT_EQ(window_->Text2()->text() + window_->Text3()->text() + Shared().gmtTimeText, "111:01 AM");
  clock_.Set(QDateTime(QDate(2027, 7, 1), QTime(12, 0), berlin));
  const struct {
    const char *what, *file, *fields;
  } rows[] = {{"matched in winter", " 1             0 \r\n", "11"},
              {"a shift of the user's own in winter", " 1             1 \r\n", "11"},
              {"another offset", " 3             0 \r\n", "30"}};
  for (const auto& r : rows) {
    SCOPED_TRACE(r.what);
    data_.Write("tzone.txt", r.file);
    QFile f(data_.Path("tzone.txt"));
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    ASSERT_TRUE(f.setFileTime(QDateTime(QDate(2027, 1, 15), QTime(12, 0), berlin),
                              QFileDevice::FileModificationTime));
    f.close();
    Restart();
    EXPECT_FALSE(window_->Picture1()->isVisibleTo(window_.get()));
    EXPECT_EQ(window_->Text2()->text() + window_->Text3()->text(), r.fields);
  }
  SetSystemZone(QTimeZone("Asia/Kolkata"));
  window_->mnuUseZone()->trigger();
  EXPECT_EQ(window_->Text2()->text() + window_->Text3()->text() + Shared().gmtTimeText, "5.506:30 AM");
  SetSystemZone(QTimeZone());
  window_->Text2()->setText("2");
  window_->mnuUseZone()->trigger();
  EXPECT_EQ(prompts_.messages,
            QStringList{"This computer's time zone is not known, so the settings were left as they are."});
  EXPECT_EQ(window_->Text2()->text(), "2");
}

}  // namespace
}  // namespace zv
