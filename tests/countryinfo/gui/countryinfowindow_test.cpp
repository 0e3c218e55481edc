// The country information window beside the clock window at 6:47 PM GMT on
// 5 December 2026: what it shows, the entry number box and the buttons,
// editing, finding and saving, the keyboard, the map picture and the link to
// the world map.

#include "countryinfo/gui/countryinfowindow.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <QAccessible>
#include <QTest>
#include <QtWidgets>

#include "app/gui/appwindows.h"
#include "data/sharedstate.h"
#include "support/childprocess.h"
#include "support/clockfixture.h"
#include "support/referencepicture.h"
#include "worldmap/gui/worldmapwindow.h"

namespace zv {
namespace {

using Info = CountryInfoWindow;

// Entry 5 is Chile, its daylight saving (6 September to 5 April) in force,
// with a map picture of 500 x 500 pixels; entry 9 the United Kingdom, ticked
// but not in force, without one; entry 50 is named Entry 1 too; entry 60's
// name makes the file Windows-1252.
class InfoTest : public test::ClockWindowTest {
 protected:
  InfoTest() : ClockWindowTest(QDateTime(QDate(2026, 12, 5), QTime(18, 47))) {}
  void SetUp() override {
    QImage picture(500, 500, QImage::Format_RGB32);
    for (int i = 0; i < 250000; ++i) picture.setPixel(i % 500, i / 500, i * 99);
    QDir(data_.Root()).mkpath("Maps");
    ASSERT_TRUE(picture.save(data_.Path("Maps/cl-map.jpg"), "PNG"));
    before_ = test::CountriesBytes(test::EntryTable("1"));
    before_.replace("Entry 5,1,0,0,#12:00:00 AM#,#12:00:00 AM#,,,10N,20E,,,",
                    "Chile (CL),-4,1,1,#9/6/2026#,#4/5/2026#,,,33.45S,70.67W,,cl,Founded 1818.");
    before_.replace("Entry 9,1,0,0,#12:00:00 AM#,#12:00:00 AM#,,,10N,20E,,,",
                    "United Kingdom,0,1,1,#3/20/2026#,#10/31/2026#,,,51.5N,0.13W,,gb,");
    before_.replace("Entry 50,", "Entry 1,");
    before_.replace("Entry 60,", "Entr\xe9e 60,");  // a Windows-1252 file, which cannot hold every character
    StartClock(before_);
  }
  Info* Open(const char* entry) {
    Info* w = CountryInfo();
    w->SetEntryText(entry);
    w->show();
    EXPECT_TRUE(QTest::qWaitForWindowActive(w));
    return w;
  }
  void Click(int button, std::optional<bool> yes = {}) {
    if (yes) prompts_.AnswerYes(*yes);
    CountryInfo()->ButtonAt(button)->click();
  }
  // Whether Save and Undo are enabled, as 1 and 0.
  QString SaveUndo() {
    return QString("%1%2")
        .arg(CountryInfo()->ButtonAt(Info::kButtonSave)->isEnabled())
        .arg(CountryInfo()->ButtonAt(Info::kButtonUndo)->isEnabled());
  }
  QByteArray before_;
};

void Focus(QWidget* box, QEvent::Type type, Qt::FocusReason reason) {
  QFocusEvent event(type, reason);
  QCoreApplication::sendEvent(box, &event);
}

// Chile: wide, its picture scrolled to the middle of both bars, the time
// 3:47 PM (18:47 GMT, 4 hours west, one hour of daylight saving) and the
// notice "(daylight saving time in force)" shown. The United Kingdom: narrow,
// its daylight-saving boxes enabled, no notice. Both centred across the
// screen. The bars move the picture 200 twips a step from its home place 90
// twips from the frame's left and 180 from its top.
TEST_F(InfoTest, LooksWithAndWithoutAMapPicture) {
  Info* w = Open("5");
  EXPECT_TRUE(test::MatchesReference(w, "tests/countryinfo/reference/chile-with-map.png"));
  w->HorizontalBar()->setValue(3);
  w->VerticalBar()->setValue(0);
  EXPECT_EQ(w->MapImage()->pos(), QPoint(-34, 12));
  w->SetEntryText("9");
  EXPECT_TRUE(test::MatchesReference(w, "tests/countryinfo/reference/uk-without-map.png"));
  w->SetEntryText("1");  // no daylight saving
  EXPECT_TRUE(test::MatchesReference(w, "tests/countryinfo/reference/no-dst.png"));
  EXPECT_EQ(w->x(), (QGuiApplication::primaryScreen()->geometry().width() - w->width()) / 2);
}

// A typed entry number out of range beeps and shows an end entry; a half
// goes to the even neighbour; the list follows, and for entry 50, named as
// entry 1, shows entry 1. The arrow buttons take the shown entry's edits
// first and stop at the ends; a box holding no date keeps the entry shown.
TEST_F(InfoTest, EntryNumberListAndButtons) {
  Info* w = CountryInfo();
  QString shown;
  for (const char* typed : {"0", "300", "2.5", "3.5", "224.4", "50"}) {
    w->SetEntryText(typed);
    shown += QString("%1 %2 %3, ")
                 .arg(w->EntryNumberBox()->text(), w->NameList()->currentText())
                 .arg(prompts_.beeps);
  }
  EXPECT_EQ(shown, "1 Entry 1 1, 224 Entry 224 2, 2 Entry 2 2, 4 Entry 4 2, 224 Entry 224 3, 1 Entry 1 3, ");
  w->NameList()->activated(8);
  EXPECT_EQ(w->BoxText(kBoxName), "United Kingdom");
  shown.clear();
  for (auto [from, button] : {std::pair{5, Info::kButtonFirst},
                              {5, Info::kButtonPrevious},
                              {1, Info::kButtonPrevious},
                              {6, Info::kButtonNext},
                              {224, Info::kButtonNext},
                              {6, Info::kButtonLast}}) {
    w->SetEntryText(QString::number(from));
    w->SetBoxText(kBoxCapital, "edited");
    Click(button);
    shown += w->EntryNumberBox()->text() + " " + Shared().working.at(from, kColCapital) + ", ";
  }
  EXPECT_EQ(shown, "1 edited, 4 edited, 1 edited, 7 edited, 224 edited, 224 edited, ");
  w->DstCheckBox()->click();  // entry 224, not ticked before
  EXPECT_TRUE(w->FieldBox(kBoxDstEnd)->isEnabled());
  w->SetBoxText(kBoxDstStart, "Marchish");
  Click(Info::kButtonNext);
  EXPECT_EQ(w->EntryNumberBox()->text() + QString::number(prompts_.messages.size()), "2241");
}

// A character the file cannot hold, a full disk and a folder the user cannot
// write (as the user nobody when root) leave the file as it was, and the user
// is told; No writes nothing; Yes writes the edit, every other byte kept.
TEST_F(InfoTest, EditIsSavedOrTheFailureTold) {
  Info* w = Open("5");
  QLineEdit* capital = w->LineBox(kBoxCapital);
  QTest::mouseDClick(capital, Qt::LeftButton);
  capital->setText(QString::fromUtf8("\u0141\u00f3d\u017a"));
  Click(Info::kButtonSave, true);
  capital->setText("Santiago,Centro");
  Focus(capital, QEvent::FocusOut, Qt::TabFocusReason);
  test::FailWritesAfter(1000);
  Click(Info::kButtonSave, true);
  test::FailWritesAfter(-1);
  const QString failed = "The country file could not be saved: ";
  QFile::setPermissions(data_.Root(), QFile::ReadOwner | QFile::ExeOwner);
  const test::ChildOutcome readOnly = test::RunInChild([&]() -> std::string {
    if (const std::string why = getuid() ? "" : test::MountReadOnly(data_.Root().toStdString()); !why.empty())
      return why;
    Click(Info::kButtonSave, true);
    return prompts_.messages.last().startsWith(failed) ? "" : prompts_.messages.last().toStdString();
  });
  QFile::setPermissions(data_.Root(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  EXPECT_EQ(readOnly.kind, test::ChildOutcome::kPassed) << readOnly.report;
  Click(Info::kButtonSave, false);
  EXPECT_EQ(data_.Read("countries.txt"), before_);
  EXPECT_TRUE(prompts_.messages.join("|").startsWith(
      QString::fromUtf8(
          "The field \"Capital\" of entry 5 (Chile (CL)) holds the character \"\u0141\" (U+0141), "
          "which the country file's character set cannot hold. Nothing was saved.|") +
      failed));
  Click(Info::kButtonSave, true);
  EXPECT_EQ(prompts_.questions.back(),
            "Changes once saved cannot be discarded.\r\rAre you sure want to proceed?");
  before_.replace("Jan 01  9:00 AM", "Dec 05  6:47 PM");
  before_.replace("#,,,33.45S",
                  "#,,Santiago\xb8"
                  "Centro,33.45S");
  EXPECT_EQ(data_.Read("countries.txt"), before_);
  EXPECT_EQ(SaveUndo(), "00");
  EXPECT_EQ(prompts_.messages.size(), 2);
}

// Find asks again after "None found."; focus from elsewhere selects from the
// cursor on, the box's own pop-up menu neither selects nor locks, leaving
// locks the box; Undo shows the entry as it was.
TEST_F(InfoTest, FindFocusAndUndo) {
  Info* w = Open("1");
  for (const char* answer : {"nowhere", "chile", ""}) prompts_.AnswerInput(answer);
  prompts_.AnswerInput(std::nullopt);
  Click(Info::kButtonFind);
  w->Find();
  w->Find();
  EXPECT_EQ(w->EntryNumberBox()->text() + prompts_.messages.join("") + prompts_.asked[1].prompt,
            "5i:No country or zone name contains \"nowhere\". Type a part of a name, such as Chile or "
            "united.Enter partial or full name of the country to locate");
  QLineEdit* box = w->LineBox(kBoxCapital);
  QTest::mouseDClick(box, Qt::LeftButton);
  box->setText("Pasted, here");
  box->setCursorPosition(2);
  Focus(box, QEvent::FocusIn, Qt::TabFocusReason);
  EXPECT_EQ(box->selectedText(), "sted, here");
  Focus(box, QEvent::FocusOut, Qt::PopupFocusReason);
  EXPECT_FALSE(w->IsLocked(kBoxCapital));
  Focus(box, QEvent::FocusOut, Qt::TabFocusReason);
  EXPECT_TRUE(w->IsLocked(kBoxCapital) && box->text() == QString::fromUtf8("Pasted\u00b8 here"));
  QTest::mouseDClick(w->HistoryBox()->viewport(), Qt::LeftButton);
  EXPECT_FALSE(w->IsLocked(kBoxHistory));
  Click(Info::kButtonUndo);
  EXPECT_EQ(box->text() + w->BoxText(kBoxHistory), "Founded 1818.");
  EXPECT_EQ(SaveUndo(), "10");
}

// The link marks Santiago (33.45S 70.67W) where the world map picture draws
// it: 2 pixels a degree east from 180W, and (90 - latitude) * 320 / 180 *
// 1.2 * (0.8 - 0.0022 * latitude) pixels down. A right click on the link
// marks nothing; Enter or Space on it marks again; without a latitude nothing
// is marked and the user is told.
TEST_F(InfoTest, LinkPictureMenuAndKeys) {
  Info* w = Open("5");
  QTest::mouseClick(w->LocateLink(), Qt::LeftButton);
  WorldMapWindow* map = WorldMapIfLoaded();
  const QRectF cross = QRegion(QBitmap::fromImage(map->Drawing().createAlphaMask())).boundingRect();
  EXPECT_NEAR(cross.center().x(), 218.66, 1.5);
  EXPECT_NEAR(cross.center().y(), 230.07, 1.5);
  QTest::mouseClick(w->LocateLink(), Qt::RightButton);  // marks nothing
  QAccessibleInterface* link = QAccessible::queryAccessibleInterface(w->LocateLink());
  EXPECT_EQ(link->role(), QAccessible::Link);
  link->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  w->SetBoxText(kBoxLatitude, "5S");  // two characters are a latitude
  QString seen;
  for (auto [onLink, key] :
       {std::pair{true, "Return"}, {true, "Space"}, {false, "Menu"}, {false, "Shift+F10"}, {false, "F10"}}) {
    QWidget* target = onLink ? w->LocateLink() : w->PictureFrame();
    target->setFocus();
    QTest::keySequence(target, QKeySequence(key));
    seen += QString("%1 marks, menu %2; ").arg(map->HighestLabelIndex()).arg(w->PictureMenu()->isVisible());
    w->PictureMenu()->hide();
  }
  EXPECT_EQ(seen.toStdString(),
            "3 marks, menu 0; 4 marks, menu 0; 4 marks, menu 1; 4 marks, menu 1; 4 marks, menu 0; ");
  QTest::mousePress(w->MapImage(), Qt::RightButton);
  EXPECT_TRUE(w->PictureMenu()->isVisible() &&
              w->PictureMenu()->actions() == QList({w->CopyPictureAction(), w->OpenPictureAction()}));
  w->PictureMenu()->hide();
  w->CopyPictureAction()->trigger();
  EXPECT_EQ(QGuiApplication::clipboard()->image().size(), QSize(500, 500));
  QFile::remove(data_.Path("Maps/cl-map.jpg"));
  w->CopyPictureAction()->trigger();
  w->SetBoxText(kBoxLatitude, "");
  QTest::mouseClick(w->LocateLink(), Qt::LeftButton);
  EXPECT_TRUE(prompts_.messages.join("|").startsWith(
      "i:The map picture was copied to the clipboard.|The map picture " + data_.Path("Maps/cl-map.jpg") +
      " is missing. Put a JPEG picture of that name in the Maps folder (for the map picture name cl: "
      "cl-map.jpg).|This entry has no latitude or longitude to locate on the world map. Type them such as"));
  QTest::keyClick(w->EntryNumberBox(), Qt::Key_Enter);  // presses ">"
  EXPECT_EQ(w->EntryNumberBox()->text(), "6");
  prompts_.saveAnswers.push_back(Prompter::SaveAnswer::kDiscard);  // the latitude edited
  QTest::keyClick(w, Qt::Key_Escape);
  EXPECT_FALSE(w->isVisible());
}

// Closing with a change not saved, by the Close button, Esc or the close box,
// asks: Save writes it and closes, Discard closes without, Cancel keeps the
// window and the change. So does quitting from the clock window; a save that
// fails keeps the window open.
TEST_F(InfoTest, ClosingAsksForChangesNotSaved) {
  using Answer = Prompter::SaveAnswer;
  QString seen;
  for (int way = 0; way < 3; ++way) {
    for (Answer answer : {Answer::kSave, Answer::kDiscard, Answer::kCancel}) {
      Info* w = Open("5");
      w->LineBox(kBoxCapital)->setFocus();
      QTest::keyClicks(w->LineBox(kBoxCapital), "X");
      prompts_.saveAnswers.push_back(answer);
      if (way == 0) Click(Info::kButtonClose);
      if (way == 1) QTest::keyClick(w, Qt::Key_Escape);
      if (way == 2) w->windowHandle()->close();
      seen += QString("%1%2%3 ")
                  .arg(prompts_.questions.size())
                  .arg(w == CountryInfoIfLoaded() && w->isVisible())
                  .arg(data_.Read("countries.txt") == before_);
      data_.Write("countries.txt", before_);
      if (answer == Answer::kCancel) prompts_.saveAnswers.push_back(Answer::kDiscard);
      w->close();
      QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
      prompts_.questions.clear();
    }
  }
  EXPECT_EQ(seen.toStdString(), "100 101 111 100 101 111 100 101 111 ");
  Info* w = Open("5");
  w->SetBoxText(kBoxDstStart, "Marchish");
  prompts_.saveAnswers = {Answer::kCancel, Answer::kSave};
  EXPECT_FALSE(window_->close());
  EXPECT_FALSE(w->close());
  EXPECT_TRUE(w->isVisible() &&
              prompts_.messages.last().startsWith("The daylight saving start date \"Marchish\""));
}

// Typing, F2 or Enter on a field starts editing it; other keys leave it
// locked. Tab reaches every field and button in reading order, top to bottom
// and left to right, and Save saves from the keyboard.
TEST_F(InfoTest, KeyboardEditsAndSaves) {
  Info* w = Open("5");
  QLineEdit* capital = w->LineBox(kBoxCapital);
  QString seen;
  for (const char* key : {"Ctrl+C", "Down", "F2", "Return", "Backspace", "Q"}) {
    w->EntryNumberBox()->setFocus();
    w->SetEntryText("5");
    capital->setFocus();
    QTest::keySequence(capital, QKeySequence(key));
    seen +=
        QString("%1%2%3 ").arg(w->IsLocked(kBoxCapital)).arg(w->EntryNumberBox()->text(), capital->text());
  }
  EXPECT_EQ(seen.toStdString(), "15 15 05 05 05 05q ");
  EXPECT_EQ(SaveUndo(), "11");
  QWidget* at = w->LineBox(kBoxName);
  at->setFocus();
  QList<QWidget*> visited{at};
  while (visited.size() < 40 && at != w->ButtonAt(Info::kButtonClose)) {
    QTest::keyClick(at, Qt::Key_Tab);
    at = QApplication::focusWidget();
    const QPoint a = visited.last()->mapTo(w, QPoint()), b = at->mapTo(w, QPoint());
    EXPECT_TRUE(b.y() - a.y() > 10 || (std::abs(b.y() - a.y()) <= 10 && b.x() > a.x())) << visited.size();
    visited << at;
  }
  for (QWidget* control : w->findChildren<QWidget*>())
    if (control->isVisibleTo(w) && control->isEnabled() && control->focusPolicy() & Qt::TabFocus &&
        control->mapTo(w, QPoint()).x() < w->PictureFrame()->x())
      EXPECT_TRUE(visited.contains(control)) << control->metaObject()->className();
  prompts_.AnswerYes(true);
  QTest::keyClick(w->ButtonAt(Info::kButtonSave), Qt::Key_Space);
  EXPECT_TRUE(data_.Read("countries.txt").contains(",,q,33.45S"));
}

// With the focus, the picture scrolls 200 twips (13 1/3 pixels) a step:
// arrows one step, Page keys five, Home and End to the top and bottom.
TEST_F(InfoTest, PictureScrollsByKeys) {
  Info* w = Open("5");
  w->PictureFrame()->setFocus();
  QString seen;
  for (auto key : {Qt::Key_Right, Qt::Key_Left, Qt::Key_Down, Qt::Key_Up, Qt::Key_Home, Qt::Key_PageDown,
                   Qt::Key_End, Qt::Key_PageUp}) {
    QTest::keyClick(w->PictureFrame(), key);
    seen += QString("%1,%2 ").arg(w->MapImage()->x()).arg(w->MapImage()->y());
  }
  EXPECT_EQ(seen.toStdString(), "-87,-55 -74,-55 -74,-68 -74,-55 -74,12 -74,-55 -74,-121 -74,-55 ");
}

// Updating the daylight-saving dates from the clock window's File menu shows
// the shown entry's new dates (London 2026: 29 March to 25 October) and keeps
// what the user is typing.
TEST_F(InfoTest, DstUpdateKeepsUnsavedEdits) {
  Info* w = Open("9");
  QTest::mouseDClick(w->LineBox(kBoxCapital), Qt::LeftButton);
  w->SetBoxText(kBoxCapital, "London");
  window_->UpdateDstDatesAction()->trigger();
  EXPECT_EQ(w->BoxText(kBoxCapital) + w->BoxText(kBoxDstStart) + w->BoxText(kBoxDstEnd),
            "LondonMar 28Oct 25");
}

// After countries.txt was read only in part, Save writes nothing.
TEST_F(InfoTest, PartReadTableIsNotSaved) {
  CloseOtherWindows();
  window_.reset();
  StartClock(before_.replace("Entry 100,1,0,0,#12:00:00 AM#", "Entry 100,1,0,0,#2/30/2026#"));
  CountryInfo()->Save();  // no Yes/No is asked: the script has no answer
  EXPECT_TRUE(prompts_.messages.last().startsWith(
      "countries.txt was read only in part (reading stopped at entry 100)"));
  EXPECT_EQ(data_.Read("countries.txt"), before_);
}

}  // namespace
}  // namespace zv
