// The clock window keeping its times true: the start-up offer to bring the
// daylight-saving dates to this year, the File menu's update and own-zone
// commands, and the own-zone fields taken from the computer's zone.

#include <QCoreApplication>
#include <QFile>
#include <QLineEdit>
#include <QTimeZone>

#include "app/gui/appwindows.h"
#include "data/countryfile.h"
#include "data/module1.h"
#include "support/clockfixture.h"

namespace zv {
namespace {

QByteArray Shipped() { return test::ReadFileBytes(test::SourcePath("data/countries.txt")); }

const QString kOffer2027 =
    "The daylight saving dates in use are those of 2026. Update them for 2027 from this computer's time-zone "
    "database?";

class DstOfferTest : public test::ClockWindowTest {
 protected:
  // Noon on 1 July 2027; the fixture's own zone is GMT, so GMT is 12:00 PM.
  DstOfferTest() : ClockWindowTest(QDateTime(QDate(2027, 7, 1), QTime(12, 0))) {}

  QString TimeOf(const QString& name) const {
    for (int n = 1; n <= kEntryCount; ++n)
      if (Shared().table.at(n, kColName) == name) return window_->TimeText(n);
    return QStringLiteral("no entry ") + name;
  }
  // The offer is made once the window is up, from the event loop.
  void LetStartUpFinish() { QCoreApplication::processEvents(); }
  void Restart() {
    CloseOtherWindows();
    window_.reset();
    ResetShared();
    window_ = std::make_unique<ClockWindow>();
    window_->StartUp();
    LetStartUpFinish();
  }
  // Start-up without tzone.txt, or with the given one written at savedAt.
  void StartWithZoneFile(const QByteArray& zoneFile, const QDateTime& savedAt) {
    ResetShared();
    SetClock(&clock_);
    data_.Write("countries.txt", test::CountriesBytes(test::EntryTable()));
    if (!zoneFile.isEmpty()) {
      data_.Write("tzone.txt", zoneFile);
      QFile f(data_.Path("tzone.txt"));
      ASSERT_TRUE(f.open(QIODevice::ReadWrite));
      ASSERT_TRUE(f.setFileTime(savedAt, QFileDevice::FileModificationTime));
    }
    window_ = std::make_unique<ClockWindow>();
    window_->StartUp();
  }
};

TEST_F(DstOfferTest, YesUpdatesSavesAndTheGridShowsTrueTimes) {
  prompts_.AnswerYes(true);
  StartClock(Shipped());
  // The 2026 dates: summer time missed in the north, kept in New Zealand.
  EXPECT_EQ(TimeOf("United Kingdom"), "12:00 PM");
  EXPECT_EQ(TimeOf("New Zealand"), "1:00 AM");
  EXPECT_EQ(TimeOf("United States (Eastern)"), "7:00 AM");
  LetStartUpFinish();
  EXPECT_EQ(prompts_.questions, QStringList{kOffer2027});
  ASSERT_EQ(prompts_.messages.size(), 1);
  EXPECT_TRUE(prompts_.messages[0].startsWith(
      "Daylight saving dates updated for 2027 from this computer's time-zone database: "));
  EXPECT_TRUE(prompts_.messages[0].endsWith(" entries changed."));
  EXPECT_EQ(TimeOf("United Kingdom"), "1:00 PM");
  EXPECT_EQ(TimeOf("New Zealand"), "12:00 AM");
  EXPECT_EQ(TimeOf("United States (Eastern)"), "8:00 AM");
  // Saved: the file holds 2027's dates, and the next start offers nothing.
  CountryTable saved;
  ASSERT_TRUE(ReadCountriesFile(data_.Path("countries.txt"), saved, kEntryCount).complete);
  EXPECT_TRUE(saved == Shared().table);
  // The country information window's working copy has the new dates too, so
  // its next Save keeps them.
  for (int n = 1; n <= kEntryCount; ++n) ASSERT_EQ(Shared().working.dstStart[n], saved.dstStart[n]) << n;
  Restart();
  EXPECT_EQ(prompts_.questions.size(), 1);
  EXPECT_EQ(TimeOf("United Kingdom"), "1:00 PM");
}

TEST_F(DstOfferTest, NoChangesNoByteAndTheOfferComesAgain) {
  prompts_.AnswerYes(false);
  prompts_.AnswerYes(false);
  StartClock(Shipped());
  LetStartUpFinish();
  EXPECT_EQ(prompts_.questions, QStringList{kOffer2027});
  EXPECT_TRUE(prompts_.messages.isEmpty());
  EXPECT_EQ(data_.Read("countries.txt"), Shipped());
  EXPECT_EQ(TimeOf("United Kingdom"), "12:00 PM");
  Restart();
  EXPECT_EQ(prompts_.questions, QStringList({kOffer2027, kOffer2027}));
  EXPECT_EQ(data_.Read("countries.txt"), Shipped());
}

TEST_F(DstOfferTest, ATableReadInPartIsNeverWritten) {
  const QByteArray half = Shipped().left(Shipped().size() / 2);
  StartClock(half);
  LetStartUpFinish();
  // Start-up tells of the partial read and makes no offer; the menu command
  // refuses.
  EXPECT_TRUE(prompts_.questions.isEmpty());
  ASSERT_EQ(prompts_.messages.size(), 1);
  EXPECT_TRUE(prompts_.messages[0].contains("Reading stopped at entry "))
      << prompts_.messages[0].toStdString();
  window_->mnuUpdateDst()->trigger();
  ASSERT_EQ(prompts_.messages.size(), 2);
  const QString& refusal = prompts_.messages[1];
  EXPECT_TRUE(refusal.startsWith("The country file " + data_.Path("countries.txt") +
                                 " could be read only as far as entry "))
      << refusal.toStdString();
  EXPECT_TRUE(refusal.endsWith("so no daylight saving dates were updated. The file is unchanged."));
  EXPECT_EQ(data_.Read("countries.txt"), half);
}

TEST_F(DstOfferTest, ThisYearsDatesMakeNoOfferAndTheCommandChangesNothing) {
  clock_.Set(QDateTime(QDate(2026, 7, 1), QTime(12, 0)));
  StartClock(Shipped());
  LetStartUpFinish();
  EXPECT_TRUE(prompts_.questions.isEmpty());
  window_->mnuUpdateDst()->trigger();
  EXPECT_EQ(prompts_.messages,
            QStringList{"Daylight saving dates updated for 2026 from this computer's time-zone "
                        "database: no entry changed."});
  EXPECT_EQ(data_.Read("countries.txt"), Shipped());
  EXPECT_EQ(TimeOf("United Kingdom"), "1:00 PM");
}

const QTimeZone kBerlin("Europe/Berlin");

TEST_F(DstOfferTest, FirstStartTakesTheComputersZoneAndFollowsItsShiftAtTheNextTick) {
  SetSystemZone(kBerlin);
  clock_.Set(QDateTime(QDate(2027, 3, 28), QTime(1, 59), kBerlin));
  StartWithZoneFile({}, {});
  EXPECT_TRUE(window_->Picture1()->isVisibleTo(window_.get()));
  EXPECT_EQ(window_->Text2()->text(), "1");
  EXPECT_EQ(window_->Text3()->text(), "0");
  EXPECT_EQ(Shared().gmtTimeText, "12:59 AM");
  // Summer time begins: the clock jumps to 3:00, the shift follows.
  clock_.Set(QDateTime(QDate(2027, 3, 28), QTime(3, 1), kBerlin));
  window_->Refresh();
  EXPECT_EQ(window_->Text3()->text(), "1");
  EXPECT_EQ(Shared().gmtTimeText, "1:01 AM");
}

struct SavedZoneRow {
  const char* what;
  QByteArray file;
  QDateTime savedAt;
  const char* offset;
  const char* dst;
};

TEST_F(DstOfferTest, SavedSettingsFollowTheComputerOnlyWhereTheyMatchedIt) {
  SetSystemZone(kBerlin);
  clock_.Set(QDateTime(QDate(2027, 7, 1), QTime(12, 0), kBerlin));
  const QDateTime january(QDate(2027, 1, 15), QTime(12, 0), kBerlin);
  const SavedZoneRow rows[] = {
      {"matched in winter", " 1             0 \r\n", january, "1", "1"},
      {"a shift of the user's own in winter", " 1             1 \r\n", january, "1", "1"},
      {"another offset", " 3             0 \r\n", january, "3", "0"},
  };
  for (const SavedZoneRow& r : rows) {
    SCOPED_TRACE(r.what);
    CloseOtherWindows();
    window_.reset();
    StartWithZoneFile(r.file, r.savedAt);
    EXPECT_FALSE(window_->Picture1()->isVisibleTo(window_.get()));
    EXPECT_EQ(window_->Text2()->text(), r.offset);
    EXPECT_EQ(window_->Text3()->text(), r.dst);
  }
}

TEST_F(DstOfferTest, UseThisComputersZoneFillsBothFieldsOrSaysWhyNot) {
  SetSystemZone(QTimeZone("Asia/Kolkata"));
  StartWithZoneFile(" 3             0 \r\n", QDateTime(QDate(2027, 1, 15), QTime(12, 0)));
  EXPECT_EQ(window_->Text2()->text(), "3");  // the user's own choice stays
  window_->mnuUseZone()->trigger();
  EXPECT_EQ(window_->Text2()->text(), "5.5");
  EXPECT_EQ(window_->Text3()->text(), "0");
  EXPECT_EQ(Shared().gmtTimeText, "6:30 AM");
  SetSystemZone(QTimeZone());
  window_->Text2()->setText("2");
  window_->mnuUseZone()->trigger();
  EXPECT_EQ(prompts_.messages,
            QStringList{"This computer's time zone is not known, so the settings were left as they are."});
  EXPECT_EQ(window_->Text2()->text(), "2");
}

}  // namespace
}  // namespace zv
