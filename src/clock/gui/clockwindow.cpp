#include "clock/gui/clockwindow.h"

#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QShortcut>
#include <QTimer>
#include <functional>

#include "app/gui/appwindows.h"
#include "app/gui/prompter.h"
#include "clock/gui/clockgrid.h"
#include "common/gui/colours.h"
#include "common/gui/enterkey.h"
#include "common/gui/formfont.h"
#include "common/gui/formpalette.h"
#include "common/gui/handcursor.h"
#include "common/gui/twips.h"
#include "common/gui/widgetutils.h"
#include "countryinfo/gui/countryinfowindow.h"
#include "data/bytenames.h"
#include "data/countryfile.h"
#include "data/countrysave.h"
#include "data/dstupdate.h"
#include "data/highlightfile.h"
#include "data/outsideworld.h"
#include "data/ownzone.h"
#include "data/savefile.h"
#include "data/sharedstate.h"
#include "data/tableread.h"
#include "data/timeofday.h"
#include "data/tzonefile.h"

namespace zv {

namespace {

// Window and grid layout, in twips.
constexpr double kWindowWidth = 12000, kWindowHeight = 8400;
constexpr double kClientWidth = 11880, kClientHeight = 7935;  // less the frame the layout assumed
constexpr double kTemplateTop = -120;
constexpr double kCellHeight = 225;
constexpr double kRowStep = 0.85 * kCellHeight;  // 191.25
constexpr double kColumnStep = 1900, kFirstColumnLeft = 100, kTimeOffset = 1200;
constexpr int kRowsPerColumn = 38;
constexpr int kColumns = kGridRows / kRowsPerColumn;  // 6
constexpr int kMinuteMs = 60000;
// Where the choice of 12 or 24 hours is remembered.
const char* const kHourClockSetting = "Clock/Hours";

QFont CellFont() { return DesignFont("Arial Narrow", kFormFontPoints); }
QSettings Settings() { return QSettings(QStringLiteral("Zorvane"), QStringLiteral("Zorvane")); }

}  // namespace

ClockWindow::ClockWindow(QWidget* parent) : QMainWindow(parent) {
  // The newest clock window is the one the other windows find.
  SetTheClock(this);
  setWindowTitle(kAppTitle);
  grid_ = new ClockGrid(this);
  grid_->SetCellFont(CellFont());
  grid_->onBackgroundPress = [this](Qt::MouseButton b) { PressBackground(b); };
  grid_->onNamePress = [this](int row, Qt::MouseButton b) { PressName(row, b); };
  grid_->tipText = [this](int row) { return TipText(row); };
  grid_->spokenText = [this](int row) { return SpokenText(row); };
  setCentralWidget(grid_);
  const int hours = Settings().value(QLatin1String(kHourClockSetting), 0).toInt();
  if (hours >= 0 && hours <= 2) hourChoice_ = static_cast<HourClock>(hours);

  BuildPanel();
  BuildMenus();
  BuildAccess();

  minuteTimer_ = new QTimer(this);
  minuteTimer_->setSingleShot(true);
  minuteTimer_->setTimerType(Qt::PreciseTimer);
  connect(minuteTimer_, &QTimer::timeout, this, [this] {
    // The minute's calculation takes well under a millisecond: no busy
    // pointer, whose cursor the desktop would load from its theme each time.
    minuteTick_ = true;
    Refresh();
    minuteTick_ = false;
  });
}

ClockWindow::~ClockWindow() {
  if (TheClock() == this) SetTheClock(nullptr);
}

Rgb ClockWindow::NameTemplateColour() {
  return ToRgb(FormPalette().color(QPalette::Active, QPalette::HighlightedText));
}

void ClockWindow::BuildPanel() {
  settingsPanel_ = new QWidget(grid_);
  settingsPanel_->setAutoFillBackground(true);
  settingsPanel_->setPalette(FormPalette());
  settingsPanel_->setBackgroundRole(QPalette::Button);
  settingsPanel_->setGeometry(TwipRect(1560, 1020, 3690, 2955));
  settingsPanel_->setFont(FormFont());

  settingsFrame_ = new QGroupBox(tr("Settings"), settingsPanel_);
  settingsFrame_->setGeometry(TwipRect(120, 120, 3435, 2655));

  auto caption = [this](const QString& text, double left, double top, double width, double height) {
    auto* l = new QLabel(text, settingsFrame_);
    SetTextColour(l, kCaptionColour);
    // On the button-face panel a label would otherwise draw in ButtonText.
    l->setForegroundRole(QPalette::WindowText);
    if (width > 0) {
      l->setWordWrap(true);
      l->setGeometry(TwipRect(left, top, width, height));
    } else {
      l->move(TwipPoint(left, top));
      l->adjustSize();
    }
    return l;
  };
  caption(tr("Local time"), 240, 360, 0, 0);
  caption(tr("Of which daylight saving:"), 240, 780, 1425, 390);
  caption(tr("hours"), 2900, 900, 0, 0);
  caption(tr("Standard offset from GMT:"), 240, 1320, 1455, 390);
  caption(tr("hours"), 2900, 1380, 0, 0);
  caption(tr("Close this panel to see every time; File > Settings brings it back."), 240, 1760, 3100, 420);

  localTimeBox_ = new QLineEdit(QStringLiteral("0:0 AM"), settingsFrame_);
  localTimeBox_->setGeometry(TwipRect(1800, 300, 1000, 285));
  dstHoursBox_ = new QLineEdit(QStringLiteral("0"), settingsFrame_);
  dstHoursBox_->setGeometry(TwipRect(1800, 780, 1000, 285));
  standardOffsetBox_ = new QLineEdit(QStringLiteral("3.35"), settingsFrame_);
  standardOffsetBox_->setGeometry(TwipRect(1800, 1320, 1000, 285));

  closePanelButton_ = new QPushButton(tr("&Close"), settingsFrame_);
  closePanelButton_->setGeometry(TwipRect(600, 2220, 945, 345));
  refreshButton_ = new QPushButton(tr("&Refresh"), settingsFrame_);
  refreshButton_->setGeometry(TwipRect(2040, 2220, 945, 345));
  // The default button lies outside its frame's visible area: never seen,
  // pressed by Enter and from code.
  calculateButton_ = new QPushButton(tr("Calculate"), settingsFrame_);
  calculateButton_->setGeometry(TwipRect(6300, -500, 350, 350));
  calculateButton_->setFocusPolicy(Qt::NoFocus);
  calculateButton_->hide();  // pressed from code only; hidden, so not offered to a screen reader

  setTabOrder(standardOffsetBox_, refreshButton_);
  setTabOrder(refreshButton_, localTimeBox_);
  setTabOrder(localTimeBox_, dstHoursBox_);
  setTabOrder(dstHoursBox_, closePanelButton_);

  connect(localTimeBox_, &QLineEdit::textChanged, calculateButton_, &QPushButton::click);
  connect(standardOffsetBox_, &QLineEdit::textChanged, calculateButton_, &QPushButton::click);
  connect(calculateButton_, &QPushButton::clicked, this, &ClockWindow::Calculate);
  connect(refreshButton_, &QPushButton::clicked, this, &ClockWindow::Refresh);
  connect(closePanelButton_, &QPushButton::clicked, settingsPanel_, &QWidget::hide);

  for (auto key : {Qt::Key_Return, Qt::Key_Enter}) {
    auto* enter = new QShortcut(QKeySequence(key), this);
    connect(enter, &QShortcut::activated, this, [this] { PressFocusedButtonOr(this, calculateButton_); });
  }
  auto* esc = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  connect(esc, &QShortcut::activated, this, [this] {
    if (settingsPanel_->isVisible()) closePanelButton_->click();
  });
}

void ClockWindow::StartUp() {
  PlaceOnScreen();
  ReadDataAndCalculate();
}

void ClockWindow::PlaceOnScreen() {
  // Size, then centre 300 twips above the middle of the screen.
  FixWindowSize(this, TwipSize(kClientWidth, kClientHeight));
  PlaceWindow(this, TwipSize(kWindowWidth, kWindowHeight), QStringLiteral("clock"));
}

void ClockWindow::ReadDataAndCalculate() {
  // 3: the entry count.
  Shared().entryCount = kEntryCount;
  // What saves killed between writing and renaming left behind.
  RemoveStaleSaveFiles(DataFolder(), {QStringLiteral("countries.txt"), QStringLiteral("tzone.txt"),
                                      QStringLiteral("highlight.txt")});
  // 4: the own-zone settings.
  const QString zonePath = DataPath(QStringLiteral("tzone.txt"));
  // The panel comes up only on a first run, when no zone has been saved yet,
  // so that the user sees where to state it; otherwise File, Settings shows it.
  const QFileInfo zoneFile(zonePath);
  settingsPanel_->setVisible(!zoneFile.exists());
  // The computer's zone fills the fields on a first run, and replaces saved
  // settings that were the computer's when they were saved.
  zoneCheckedAt_ = CurrentClock().Now();
  const auto saved = zoneFile.exists() ? std::optional<ZoneTexts>(ReadZoneFile(zonePath)) : std::nullopt;
  zoneRead_ = saved;
  const ZoneTexts zone = StartUpZoneTexts(saved, zoneFile.lastModified(), SystemZone(), zoneCheckedAt_);
  if (!saved && !SystemZone().isValid()) {
    zoneGuess_ = zone;
    QTimer::singleShot(0, this, [this, zone] { Prompts().Message(this, UnknownZoneText(zone)); });
  }
  standardOffsetBox_->setText(zone.offset);
  dstHoursBox_->setText(zone.dstHours);
  // 5: the country table. A file read only in part is told once, when the
  // window is up; the file is not changed.
  ReadCountriesFile();
  OfferKeptEdits();
  if (CountryTableReadInPart()) {
    const QString message = PartialReadMessage(Shared().countriesRead, Shared().table);
    QTimer::singleShot(0, this, [this, message] { Prompts().Message(this, message); });
  }
  // 6: the grid, column by column.
  for (int c = 1; c <= kColumns; ++c) BuildColumn((c - 1) * kRowsPerColumn + 1, c * kRowsPerColumn, c);
  gridBuilt_ = true;
  // 7: the legend captions.
  grid_->SetCaption(kRowDstLegend, tr("DST in"));
  grid_->SetCaption(kRowAmLegend, tr("AM in"));
  grid_->SetCaption(kRowPmLegend, tr("PM in"));
  // 8: the display colours.
  SharedState& m = Shared();
  m.amColour = kAmColour;
  m.pmColour = kPmColour;
  m.dstColour = kDstColour;
  m.highlightColour = kHighlightColour;
  // 9: the legend's colours.
  const std::pair<int, Rgb> legend[] = {
      {kRowDstLegend, m.dstColour}, {kRowAmLegend, m.amColour}, {kRowPmLegend, m.pmColour}};
  for (const auto& [row, colour] : legend) {
    grid_->SetNameColour(row, colour);
    grid_->SetTime(row, TimeText(row), colour);
  }
  // 10: the computer's time, which runs the first calculation.
  const QTime now = CurrentClock().Now().time();
  localTimeBox_->setText(OwnTimeText(now.hour() * 60 + now.minute()));
  // 11: the column separators, down to row 36 of column 1 plus 750 twips.
  grid_->ShowSeparators(kTemplateTop + 36 * kRowStep + 750);
  // 12: the working copy of the table, which the world map's commands read.
  // The country information window is made when it is first opened.
  CopyEntries(Shared().table, Shared().working, Shared().entryCount);
  ArmMinuteTick();
  // Once the window is up.
  QTimer::singleShot(0, this, &ClockWindow::OfferDstUpdate);
}

void ClockWindow::OfferKeptEdits() {
  const QString tablePath = WritableDataPath(QStringLiteral("countries.txt"));
  if (!HasRecoveryCopy(tablePath)) return;
  const bool save = Prompts().AskYesNo(
      this, tr("Zorvane was ended with changes to the country table that had not been saved. "
               "They were kept in %1.")
                    .arg(ShownPath(RecoveryPath(tablePath))) +
                QChar(13) + QChar(13) + tr("Save them to countries.txt now? No discards them."));
  if (!save) {
    DiscardRecoveryCopy(tablePath);
    return;
  }
  if (const auto failed = RestoreRecoveryCopy(tablePath, Shared().entryCount, CurrentClock().Now())) {
    Prompts().Message(this, failed->kind == SaveFailure::Kind::kField
                                ? failed->text
                                : tr("The kept changes could not be saved: %1. They are still in %2.")
                                      .arg(failed->text, ShownPath(RecoveryPath(tablePath))));
    return;
  }
  ReadCountriesFile();
}

void ClockWindow::ReadCountriesFile() {
  NoteCountriesRead(
      zv::ReadCountriesFile(DataPath(QStringLiteral("countries.txt")), Shared().table, Shared().entryCount));
}

void ClockWindow::BuildColumn(int first, int last, int column) {
  const Rgb nameColour = NameTemplateColour();
  for (int r = first; r <= last && r <= kGridRows; ++r) {
    // Row k of every column lies 0.85 of a cell height below row k - 1.
    const int k = r - first + 1;
    grid_->PlaceRow(r, (column - 1) * kColumnStep + kFirstColumnLeft, kTemplateTop + k * kRowStep,
                    kTimeOffset);
    grid_->SetNameColour(r, nameColour);
    grid_->SetTime(r, QString(), kPmColour);
    if (r <= Shared().entryCount) grid_->SetCaption(r, Shared().table.at(r, kColName));
  }
}

QRect ClockWindow::NameRect(int row) const {
  return gridBuilt_ && row >= 1 && row <= kGridRows ? grid_->At(row).nameRect : QRect();
}
// The caption as other windows read it: the name's first 16 characters.
QString ClockWindow::NameCaption(int row) const {
  return row >= 1 && row <= kGridRows ? grid_->At(row).caption.left(16) : QString();
}
QString ClockWindow::TimeText(int row) const {
  return row >= 1 && row <= kGridRows ? grid_->At(row).time : QString();
}
Rgb ClockWindow::NameColour(int row) const {
  return row >= 1 && row <= kGridRows ? grid_->At(row).nameColour : Rgb{};
}
void ClockWindow::SetNameColour(int row, const Rgb& colour) {
  if (row >= 1 && row <= kGridRows) grid_->SetNameColour(row, colour);
}

bool ClockWindow::TwentyFourHours() const { return UsesTwentyFourHours(hourChoice_, QLocale::system()); }

QString ClockWindow::OwnTimeText(int minutes) const {
  return TwentyFourHours() ? Format24(minutes) : FormatTimeForm(minutes);
}

void ClockWindow::SetHourClock(HourClock choice) {
  hourChoice_ = choice;
  Settings().setValue(QLatin1String(kHourClockSetting), static_cast<int>(choice));
  for (QAction* a : hourMenu_->actions()) a->setChecked(a->data().toInt() == static_cast<int>(choice));
  // The own time in the new form; the grid follows.
  const int before = calculations_;
  if (const auto own = ParseTimeOfDay(localTimeBox_->text())) localTimeBox_->setText(OwnTimeText(*own / 60));
  if (calculations_ == before) calculateButton_->click();
}

void ClockWindow::Calculate() {
  ++calculations_;
  changeShift_ = 0;
  RunCalculation(0);
}

void ClockWindow::RunCalculation(int shiftMinutes) {
  std::optional<BusyPointer> busy;
  if (!minuteTick_) busy.emplace();
  SharedState& m = Shared();
  GridInputs in;
  in.localTime = localTimeBox_->text();
  in.offset = standardOffsetBox_->text();
  in.dstHours = dstHoursBox_->text();
  in.previousGmt = m.gmtTimeText;
  in.table = &m.table;
  in.entryCount = m.entryCount;
  in.today = CurrentClock().Now().date();
  in.highlights = ReadHighlightFile(DataPath(QStringLiteral("highlight.txt")));
  in.nameColour = NameTemplateColour();
  in.amColour = m.amColour;
  in.pmColour = m.pmColour;
  in.dstColour = m.dstColour;
  in.highlightColour = m.highlightColour;
  in.twentyFourHour = TwentyFourHours();
  in.shiftMinutes = shiftMinutes;
  const GridResult result = CalculateGrid(in);
  m.gmtTimeText = result.gmtText;
  gridDate_ = in.today;
  if (!gridBuilt_) return;
  ApplyColours(result);
}

void ClockWindow::ApplyColours(const GridResult& result) {
  // Only cells whose text or colour changed are painted again.
  const SharedState& m = Shared();
  const int last = std::min(m.entryCount, kGridRows);
  for (int n = 1; n <= last; ++n) {
    grid_->SetNameColour(n, result.nameColour[n]);
    grid_->SetTime(n, result.timeText[n], result.timeColour[n], result.dayOffset[n]);
  }
  const std::pair<int, Rgb> legend[] = {
      {kRowDstLegend, m.dstColour}, {kRowAmLegend, m.amColour}, {kRowPmLegend, m.pmColour}};
  for (const auto& [row, colour] : legend) grid_->SetTime(row, result.timeText[row], colour);
  for (int row = last + 1; row <= kGridRows; ++row)
    if (result.nameColourSet[row]) grid_->SetNameColour(row, result.nameColour[row]);
  grid_->AnnounceFrameRow();  // the framed entry's words as they now are
}

void ClockWindow::ArmMinuteTick() {
  if (closing_) return;
  const QTime now = CurrentClock().Now().time();
  const int intoMinute = now.second() * 1000 + now.msec();
  minuteTimer_->start(kMinuteMs - intoMinute);
}

void ClockWindow::Refresh() {
  const QDateTime at = CurrentClock().Now();
  // Settings that were the computer's zone follow its change of shift. The
  // zone's year is sampled only when its offset or the year has changed
  // since the last look: otherwise there is nothing to follow.
  const QTimeZone zone = SystemZone();
  const bool zoneMoved = !zoneCheckedAt_.isValid() ||
                         zone.offsetFromUtc(zoneCheckedAt_) != zone.offsetFromUtc(at) ||
                         zoneCheckedAt_.toUTC().date().year() != at.toUTC().date().year();
  if (const auto follow = zoneMoved ? FollowComputerZone(standardOffsetBox_->text(), dstHoursBox_->text(),
                                                         zone, zoneCheckedAt_, at)
                                    : std::nullopt) {
    standardOffsetBox_->setText(follow->offset);
    dstHoursBox_->setText(follow->dstHours);
  }
  // The first tick of a new year offers that year's daylight-saving dates.
  if (!CountryTableReadInPart() && DstOfferDue(Shared().table, Shared().entryCount, zoneCheckedAt_, at))
    QTimer::singleShot(0, this, &ClockWindow::OfferDstUpdate);
  zoneCheckedAt_ = at;
  const QTime now = at.time();
  // A new time in the local time box calculates already, with the settings above; the
  // same time again does not, so the button does it.
  const int before = calculations_;
  localTimeBox_->setText(OwnTimeText(now.hour() * 60 + now.minute()));
  if (calculations_ == before) calculateButton_->click();
  ArmMinuteTick();
}

WriteResult ClockWindow::SaveZoneSettings() {
  if (zoneSaved_) return WriteResult::Written();
  zoneSaved_ = true;
  // A guess is not the user's choice: the file keeps what it held.
  if (zoneGuess_ && MatchesComputer(standardOffsetBox_->text(), dstHoursBox_->text(), *zoneGuess_))
    return WriteResult::Written();
  const QString path = WritableDataPath(QStringLiteral("tzone.txt"));
  const WriteResult written = SaveZoneFile(path, standardOffsetBox_->text(), dstHoursBox_->text(), zoneRead_);
  if (written.ok()) return written;
  return WriteResult::Failed(
      tr("Your time zone settings could not be saved to %1: %2.").arg(ShownPath(path), written.failure()));
}

void ClockWindow::closeEvent(QCloseEvent* event) {
  if (closing_) {
    event->accept();
    return;
  }
  // Edits not saved in the information window are settled first; Cancel
  // keeps the program running.
  if (CountryInfoWindow* info = CountryInfoIfLoaded(); info && !info->SettleUnsavedEdits()) {
    event->ignore();
    return;
  }
  closing_ = true;
  minuteTimer_->stop();
  if (const WriteResult saved = SaveZoneSettings(); !saved.ok()) Prompts().Message(this, saved.failure());
  CloseOtherWindows();
  event->accept();
  QCoreApplication::quit();
}

}  // namespace zv
