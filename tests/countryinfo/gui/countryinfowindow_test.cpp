#include "countryinfo/gui/countryinfowindow.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include "app/gui/appwindows.h"
#include "clock/gui/clockwindow.h"
#include "common/gui/twips.h"
#include "data/countryfile.h"
#include "data/module1.h"
#include "data/savefile.h"
#include "support/childprocess.h"
#include "support/clockfixture.h"
#include "worldmap/gui/worldmapwindow.h"

namespace zv {
namespace {

CountryTable SampleTable() {
  CountryTable t = test::EntryTable(QStringLiteral("1"));
  t.at(5, kColName) = QStringLiteral("Pakistan (PK)");
  t.at(5, kColDstUsed) = QStringLiteral("1");
  t.dstStart[5] = DateFromYmd(2004, 3, 28);
  t.dstEnd[5] = DateFromYmd(2004, 10, 31);
  t.dstStart[6] = DateFromYmd(2004, 3, 28);
  t.at(5, kColMapName) = QStringLiteral("pk");
  t.at(9, kColName) = QStringLiteral("United Kingdom");
  return t;
}

const QDateTime kNow(QDate(2026, 12, 5), QTime(18, 47));

class InfoWindowTest : public test::InfoWindowTest {
 protected:
  InfoWindowTest() : test::InfoWindowTest(kNow, SampleTable()) {}
};

// Every box stands by the caption that names it: right of it on the
// caption's row (design tops in twips), or, in the frame "Further
// information", below it at the same left edge.
TEST_F(InfoWindowTest, BoxesStandByTheirCaptionsOnTheDesignedRows) {
  CountryInfoWindow* w = CountryInfo();
  const auto caption = [w](const char* text) -> QWidget* {
    for (QLabel* l : w->findChildren<QLabel*>())
      if (l->text() == text) return l;
    return w->Check1()->text() == text ? w->Check1() : nullptr;
  };
  const auto at = [w](QWidget* x) { return QRect(x->mapTo(w, QPoint(0, 0)), x->size()); };
  const struct {
    const char* caption;
    int box;
    int top;  // 0: in the frame, the box below its caption
  } rows[] = {{"Country or Zone", kBoxName, 420},
              {"Time zone relative to GMT", kBoxOffset, 1440},
              {"Uses daylight saving time of ", kBoxDstHours, 1890},
              {"from", kBoxDstStart, 1890},
              {"to", kBoxDstEnd, 2280},
              {"Location", kBoxLocation, 0},
              {"Capital", kBoxCapital, 0},
              {"Latitude", kBoxLatitude, 0},
              {"Longitude", kBoxLongitude, 0},
              {"Languages", kBoxLanguages, 0},
              {"Brief History", kBoxHistory, 0}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.caption);
    QWidget* c = caption(row.caption);
    ASSERT_NE(c, nullptr);
    const QRect label = at(c), box = at(w->Text1(row.box));
    if (row.top) {
      EXPECT_EQ(label.top(), Px(row.top));
      EXPECT_GE(box.left(), label.right() - 1);
      EXPECT_LE(box.left() - label.right(), Px(400));
      EXPECT_LE(std::abs(box.center().y() - label.center().y()), Px(60));
    } else {
      EXPECT_EQ(c->parentWidget(), w->Frame1());
      EXPECT_EQ(box.left(), label.left());
      EXPECT_GT(box.top(), label.top());
      EXPECT_LE(box.top() - label.bottom(), Px(100));
    }
  }
  EXPECT_EQ(at(w->Frame1()).top(), Px(2610));
  EXPECT_EQ(at(w->Frame1()).bottom() + 1, Px(5625));
  // The buttons along the bottom edge, by their captions.
  for (const char* caption : {"<<", "<", ">", ">>", "&Find", "Undo", "Save", "Close"}) {
    int found = 0;
    for (QPushButton* b : w->findChildren<QPushButton*>()) {
      if (b->text() != caption) continue;
      ++found;
      EXPECT_EQ(at(b).top(), Px(5790)) << caption;
    }
    EXPECT_EQ(found, 1) << caption;
  }
  // The picture area from 5580 twips: the scroll bars right of and below
  // the frame, as high and as wide as it.
  const QRect frame = at(w->Frame2()), v = at(w->VScroll1()), h = at(w->HScroll1());
  EXPECT_EQ(frame.left(), Px(5580));
  EXPECT_EQ(frame.size(), TwipSize(5355, 5805));
  EXPECT_EQ(v.left(), frame.right() + 1);
  EXPECT_EQ(v.top(), frame.top());
  EXPECT_EQ(v.height(), frame.height());
  EXPECT_EQ(h.top(), frame.bottom() + 1);
  EXPECT_EQ(h.left(), frame.left());
  EXPECT_EQ(h.width(), frame.width());
  // The entry number box between "<" and ">".
  EXPECT_NEAR(at(w->Text2()).center().y(), at(w->Command1(1)).center().y(), 2);
  EXPECT_GE(at(w->Text2()).left(), at(w->Command1(1)).right());
  EXPECT_LE(at(w->Text2()).right(), at(w->Command1(2)).left());
}

TEST_F(InfoWindowTest, EntryNumberBoxRoundsAndClamps) {
  CountryInfoWindow* w = CountryInfo();
  struct Case {
    const char* text;
    const char* shown;
    bool beep;
  } cases[] = {{"0", "1", true},    {"abc", "1", true},  {"", "1", true},       {"300", "224", true},
               {"2.5", "2", false}, {"3.5", "4", false}, {"224.4", "224", true}};
  for (const auto& c : cases) {
    w->SetEntryText("7");
    const int beeps = w->BeepCount();
    w->SetEntryText(QString::fromLatin1(c.text));
    EXPECT_EQ(w->Text2()->text(), QString::fromLatin1(c.shown)) << c.text;
    EXPECT_EQ(w->BoxText(kBoxName), Shared().working.at(w->Text2()->text().toInt(), kColName));
    EXPECT_EQ(w->BeepCount() > beeps, c.beep) << c.text;
  }
}

TEST_F(InfoWindowTest, RoundTripEditOfEntryFiveBySaveKeepsEveryOtherByte) {
  CountryInfoWindow* w = CountryInfo();
  w->show();
  w->SetEntryText("5");
  EXPECT_EQ(w->Label3()->text(), "Map of Pakistan");
  EXPECT_EQ(w->BoxText(kBoxDstStart), "Mar 28");
  QLineEdit* capital = w->LineBox(kBoxCapital);
  EXPECT_TRUE(capital->isReadOnly());
  QTest::mouseDClick(capital, Qt::LeftButton);
  EXPECT_FALSE(capital->isReadOnly());
  EXPECT_TRUE(w->Command1(5)->isEnabled());
  capital->setFocus();
  capital->selectAll();
  QTest::keyClicks(capital, "Isla,mabad");
  QFocusEvent out(QEvent::FocusOut);
  QApplication::sendEvent(capital, &out);
  EXPECT_EQ(capital->text(), QString::fromUtf8("Isla\u00b8mabad"));
  EXPECT_TRUE(capital->isReadOnly());
  w->Command1(2)->click();
  EXPECT_EQ(w->Text2()->text(), "6");
  prompts_.AnswerYes(true);
  w->Command1(5)->click();
  ASSERT_EQ(prompts_.questions.size(), 1);
  EXPECT_EQ(prompts_.questions[0],
            QString("Changes once saved cannot be discarded.\r\rAre you sure want to proceed?"));
  EXPECT_TRUE(prompts_.messages.isEmpty()) << prompts_.messages.join("|").toStdString();
  CountryTable expected = SampleTable();
  expected.at(5, kColCapital) = QString::fromUtf8("Isla\u00b8mabad");
  expected.dstStart[5] = DateFromYmd(2026, 3, 28);  // committed by ">"
  expected.dstEnd[5] = DateFromYmd(2026, 10, 31);
  expected.dstStart[6] = DateFromYmd(2026, 3, 28);  // shown while saving
  expected.dstEnd[6] = DateFromYmd(2026, 12, 30);
  const QByteArray saved = data_.Read("countries.txt");
  EXPECT_EQ(saved, WriteCountriesBytes(expected, kEntryCount, kNow));
  EXPECT_TRUE(saved.startsWith("Country TimeZone w/GMT DayLightSavingHrs  Dec 05  6:47 PM\r\n"));
  EXPECT_TRUE(saved.contains("Entry 7,1,0,0,#12:00:00 AM#"));
  CountryTable back;
  EXPECT_TRUE(ReadCountriesText(QString::fromLatin1(saved), back, kEntryCount).complete);
  EXPECT_EQ(back, expected);
  EXPECT_EQ(Shared().table, expected);
  EXPECT_FALSE(w->Command1(5)->isEnabled());
  EXPECT_FALSE(w->Command1(8)->isEnabled());
}

// Entry 1 and entry 224 commit like any other, and the link names entry 1
// as the table has it.
TEST_F(InfoWindowTest, TheFirstAndLastEntriesCommitAndEntryOneIsLocatedByItsName) {
  CountryInfoWindow* w = CountryInfo();
  w->SetEntryText("1");
  w->SetBoxText(kBoxCapital, "First");
  w->Command1(2)->click();  // ">"
  EXPECT_EQ(w->Text2()->text(), "2");
  w->SetEntryText("224");
  w->SetBoxText(kBoxCapital, "Last");
  w->Command1(1)->click();  // "<"
  EXPECT_EQ(w->Text2()->text(), "223");
  EXPECT_EQ(Shared().working.at(1, kColCapital), "First");
  EXPECT_EQ(Shared().working.at(224, kColCapital), "Last");
  w->SetEntryText("1");
  w->SetBoxText(kBoxName, "Not committed");
  QTest::mouseClick(w->Label4(), Qt::LeftButton);
  ASSERT_NE(WorldMapIfLoaded(), nullptr);
  ASSERT_EQ(WorldMapIfLoaded()->HighestLabelIndex(), 1);
  EXPECT_EQ(WorldMapIfLoaded()->lblGMT(1)->text(), "Entry 1");
  EXPECT_TRUE(prompts_.messages.isEmpty());
}

TEST_F(InfoWindowTest, BadDateStopsNavigationAndIsTold) {
  CountryInfoWindow* w = CountryInfo();
  w->SetEntryText("5");
  w->SetBoxText(kBoxDstStart, "Marchish");
  w->Command1(2)->click();
  EXPECT_EQ(w->Text2()->text(), "5");
  ASSERT_EQ(prompts_.messages.size(), 1);
  EXPECT_TRUE(prompts_.messages[0].contains("\"from\""));
  EXPECT_EQ(Shared().working.dstStart[5], DateFromYmd(2004, 3, 28));
}

TEST_F(InfoWindowTest, FailedWritesLeaveFileAndTableAndAreTold) {
  CountryInfoWindow* w = CountryInfo();
  const QByteArray before = data_.Read("countries.txt");
  const CountryTable table = Shared().table;
  w->SetEntryText("5");
  QTest::mouseDClick(w->LineBox(kBoxCapital), Qt::LeftButton);
  w->SetBoxText(kBoxCapital, "Changed");
  test::FailWritesAfter(1000);
  prompts_.AnswerYes(true);
  w->Save();
  test::FailWritesAfter(-1);
  ASSERT_EQ(prompts_.messages.size(), 1);
  EXPECT_TRUE(prompts_.messages[0].startsWith("The country file could not be saved"));
  EXPECT_EQ(data_.Read("countries.txt"), before);
  EXPECT_EQ(Shared().table, table);
  EXPECT_TRUE(w->Command1(5)->isEnabled());
  // A character outside the file's character set is refused before writing.
  w->SetBoxText(kBoxCapital, QString::fromUtf8("\u0141\u00f3d\u017a"));
  prompts_.AnswerYes(true);
  w->Save();
  ASSERT_EQ(prompts_.messages.size(), 2);
  EXPECT_TRUE(prompts_.messages[1].contains("U+0141"));
  EXPECT_EQ(data_.Read("countries.txt"), before);
}

TEST_F(InfoWindowTest, ReadOnlyFolderIsToldAndFileKept) {
  CountryInfoWindow* w = CountryInfo();
  const QByteArray before = data_.Read("countries.txt");
  // The save runs in a child whose view of the folder is a read-only mount,
  // which binds root too (CI runs as root); the child reports what it saw.
  const test::ChildOutcome out = test::RunInChild([&]() -> std::string {
    if (std::string e = test::MountReadOnly(data_.Root().toStdString()); !e.empty()) return e;
    prompts_.AnswerYes(true);
    w->Save();
    if (prompts_.messages.size() != 1) return "messages: " + prompts_.messages.join(" | ").toStdString();
    if (!prompts_.messages[0].startsWith("The country file could not be saved"))
      return "message: " + prompts_.messages[0].toStdString();
    if (data_.Read("countries.txt") != before) return "countries.txt changed";
    return {};
  });
  if (out.kind == test::ChildOutcome::kCannotRun) {
    // Without the right to mount: folder permissions, which bind this user.
    QFile::setPermissions(data_.Root(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    prompts_.AnswerYes(true);
    w->Save();
    QFile::setPermissions(data_.Root(),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    ASSERT_EQ(prompts_.messages.size(), 1);
    EXPECT_TRUE(prompts_.messages[0].startsWith("The country file could not be saved"));
  } else {
    EXPECT_EQ(out.kind, test::ChildOutcome::kPassed) << out.report;
  }
  EXPECT_EQ(data_.Read("countries.txt"), before);
}

TEST_F(InfoWindowTest, FindRetriesAndUndoRestores) {
  CountryInfoWindow* w = CountryInfo();
  prompts_.AnswerInput(QString("nowhere"));
  prompts_.AnswerInput(QString("united"));
  w->Find();
  EXPECT_EQ(prompts_.messages, QStringList{"None found."});
  EXPECT_EQ(prompts_.asked[0].title, "Zorvane");
  EXPECT_EQ(prompts_.asked[0].prompt, "Enter partial or full name of the country to locate");
  EXPECT_EQ(w->Text2()->text(), "9");
  QTest::mouseDClick(w->LineBox(kBoxCapital), Qt::LeftButton);
  w->SetBoxText(kBoxCapital, "Edited");
  w->Command1(8)->click();
  EXPECT_EQ(w->BoxText(kBoxCapital), "");
  EXPECT_FALSE(w->Command1(8)->isEnabled());
  EXPECT_TRUE(w->Command1(5)->isEnabled());
}

TEST_F(InfoWindowTest, WithTheClockShowsTheEntrysTime) {
  ClockWindow clock;
  clock.StartUp();
  CountryInfoWindow* w = CountryInfo();
  w->SetEntryText("5");
  EXPECT_EQ(w->Label2()->text(), clock.TimeText(5));
  EXPECT_EQ(w->DSTMEsg()->isVisibleTo(w), clock.NameColour(5) == Shared().dstColour);
  CloseOtherWindows();
}

}  // namespace
}  // namespace zv
