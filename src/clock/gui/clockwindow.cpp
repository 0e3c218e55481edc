#include "clock/gui/clockwindow.h"

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
#include <QShortcut>
#include <QTimer>
#include <functional>

#include "app/gui/appwindows.h"
#include "app/gui/prompter.h"
#include "common/gui/colours.h"
#include "common/gui/enterkey.h"
#include "common/gui/formfont.h"
#include "common/gui/formpalette.h"
#include "common/gui/handcursor.h"
#include "common/gui/twips.h"
#include "common/gui/widgetutils.h"
#include "countryinfo/gui/countryinfowindow.h"
#include "data/countryfile.h"
#include "data/countrysave.h"
#include "data/dstupdate.h"
#include "data/highlightfile.h"
#include "data/module1.h"
#include "data/ownzone.h"
#include "data/savefile.h"
#include "data/seams.h"
#include "data/tableread.h"
#include "data/timeofday.h"
#include "data/tzonefile.h"

namespace zv {

namespace {

// Window and grid layout, in twips.
constexpr double kWindowWidth = 12000, kWindowHeight = 8400;
constexpr double kClientWidth = 11880, kClientHeight = 7935;  // less the frame the layout assumed
constexpr double kTemplateTop = -120, kNameLeft = 60, kTimeLeft = 810;
constexpr double kCellHeight = 225;
constexpr double kRowStep = 0.85 * kCellHeight;  // 191.25
constexpr double kColumnStep = 1900, kFirstColumnLeft = 100, kTimeOffset = 1200;
constexpr int kRowsPerColumn = 38;
constexpr int kColumns = kGridRows / kRowsPerColumn;  // 6
const QColor kSeparatorColour(255, 224, 192);

QFont CellFont() { return DesignFont("Arial Narrow", kFormFontPoints); }

}  // namespace

// The black area that holds the cells and the column separators.
class ClockGrid : public QWidget {
 public:
  std::function<void(Qt::MouseButton)> onBackgroundPress;

  explicit ClockGrid(QWidget* parent) : QWidget(parent) {
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::black);
    setPalette(p);
  }
  void ShowSeparators(double bottomTwips) {
    separatorBottom_ = bottomTwips;
    update();
  }

 protected:
  void mousePressEvent(QMouseEvent* e) override {
    // Presses that a cell or the panel passed up are not on the background.
    if (childAt(e->position().toPoint()) == nullptr && onBackgroundPress) onBackgroundPress(e->button());
  }
  void paintEvent(QPaintEvent*) override {
    if (separatorBottom_ <= 0) return;
    QPainter painter(this);
    painter.setPen(QPen(kSeparatorColour, 1));
    for (int c = 2; c <= kColumns; ++c) {
      const int x = Px((c - 1) * kColumnStep + 25);
      painter.drawLine(x, Px(60), x, Px(separatorBottom_));
    }
  }

 private:
  double separatorBottom_ = 0;
};

ClockWindow::ClockWindow(QWidget* parent) : QMainWindow(parent) {
  // The newest clock window is the one the other windows find.
  SetTheClock(this);
  setWindowTitle(kAppTitle);
  grid_ = new ClockGrid(this);
  grid_->onBackgroundPress = [this](Qt::MouseButton b) { PressBackground(b); };
  setCentralWidget(grid_);

  // The two templates lie above the visible area, as designed.
  nameTemplate_ = new QLabel(grid_);
  nameTemplate_->setFont(CellFont());
  nameTemplate_->setGeometry(TwipRect(kNameLeft, kTemplateTop, 405, kCellHeight));
  SetTextColour(nameTemplate_, ToQColor(NameTemplateColour()));
  nameTemplate_->hide();
  timeTemplate_ = new QLabel(grid_);
  timeTemplate_->setFont(CellFont());
  timeTemplate_->setGeometry(TwipRect(kTimeLeft, kTemplateTop, 405, kCellHeight));
  SetTextColour(timeTemplate_, ToQColor(kPmColour));
  timeTemplate_->hide();

  BuildPanel();
  BuildMenus();
  BuildAccess();

  timer1_ = new QTimer(this);
  timer1_->setInterval(60000);
  connect(timer1_, &QTimer::timeout, this, &ClockWindow::Refresh);
}

ClockWindow::~ClockWindow() {
  if (TheClock() == this) SetTheClock(nullptr);
}

Rgb ClockWindow::NameTemplateColour() {
  return ToRgb(FormPalette().color(QPalette::Active, QPalette::HighlightedText));
}

void ClockWindow::BuildPanel() {
  picture1_ = new QWidget(grid_);
  picture1_->setAutoFillBackground(true);
  picture1_->setPalette(FormPalette());
  picture1_->setBackgroundRole(QPalette::Button);
  picture1_->setGeometry(TwipRect(1560, 1020, 3690, 2955));
  picture1_->setFont(FormFont());

  frame1_ = new QGroupBox(tr("Settings"), picture1_);
  frame1_->setGeometry(TwipRect(120, 120, 3435, 2655));

  auto caption = [this](const QString& text, double left, double top, double width, double height) {
    auto* l = new QLabel(text, frame1_);
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
  caption(tr("Includes a daylight saving time of"), 240, 780, 1425, 390);
  caption(tr("hrs"), 2900, 900, 0, 0);
  caption(tr("Normal timezone relative to GMT"), 240, 1320, 1455, 390);
  caption(tr("hrs"), 2900, 1380, 0, 0);

  text1_ = new QLineEdit(QStringLiteral("0:0 AM"), frame1_);
  text1_->setGeometry(TwipRect(1800, 300, 1000, 285));
  text3_ = new QLineEdit(QStringLiteral("0"), frame1_);
  text3_->setGeometry(TwipRect(1800, 780, 1000, 285));
  text2_ = new QLineEdit(QStringLiteral("3.35"), frame1_);
  text2_->setGeometry(TwipRect(1800, 1320, 1000, 285));

  command1_ = new QPushButton(tr("&Close"), frame1_);
  command1_->setGeometry(TwipRect(600, 2100, 945, 345));
  command2_ = new QPushButton(tr("&Refresh"), frame1_);
  command2_->setGeometry(TwipRect(2040, 2100, 945, 345));
  // The default button lies outside its frame's visible area: never seen,
  // pressed by Enter and from code.
  command3_ = new QPushButton(tr("Calculate"), frame1_);
  command3_->setGeometry(TwipRect(6300, -500, 350, 350));
  command3_->setFocusPolicy(Qt::NoFocus);

  setTabOrder(text2_, command2_);
  setTabOrder(command2_, text1_);
  setTabOrder(text1_, text3_);
  setTabOrder(text3_, command1_);

  connect(text1_, &QLineEdit::textChanged, command3_, &QPushButton::click);
  connect(text2_, &QLineEdit::textChanged, command3_, &QPushButton::click);
  connect(command3_, &QPushButton::clicked, this, &ClockWindow::Calculate);
  connect(command2_, &QPushButton::clicked, this, &ClockWindow::Refresh);
  connect(command1_, &QPushButton::clicked, picture1_, &QWidget::hide);

  for (auto key : {Qt::Key_Return, Qt::Key_Enter}) {
    auto* enter = new QShortcut(QKeySequence(key), this);
    connect(enter, &QShortcut::activated, this, [this] { PressFocusedButtonOr(this, command3_); });
  }
  auto* esc = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  connect(esc, &QShortcut::activated, this, [this] {
    if (picture1_->isVisible()) command1_->click();
  });
}

void ClockWindow::StartUp() {
  // 1-2: size, then centre 300 twips above the middle of the screen.
  setFixedSize(TwipSize(kClientWidth, kClientHeight));
  CentreAboveMiddle(this, TwipSize(kWindowWidth, kWindowHeight));
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
  picture1_->setVisible(!zoneFile.exists());
  // The computer's zone fills the fields on a first run, and replaces saved
  // settings that were the computer's when they were saved.
  zoneCheckedAt_ = CurrentClock().Now();
  const auto saved = zoneFile.exists() ? std::optional<ZoneTexts>(ReadZoneFile(zonePath)) : std::nullopt;
  const ZoneTexts zone = StartUpZoneTexts(saved, zoneFile.lastModified(), SystemZone(), zoneCheckedAt_);
  if (!saved && !SystemZone().isValid()) {
    zoneGuess_ = zone;
    QTimer::singleShot(0, this, [this, zone] { Prompts().Message(this, UnknownZoneText(zone)); });
  }
  text2_->setText(zone.offset);
  text3_->setText(zone.dstHours);
  // 5: the country table. A file read only in part is told once, when the
  // window is up; the file is not changed.
  ReadCountriesFile();
  OfferKeptEdits();
  if (CountryTableReadInPart()) {
    const QString message = PartialReadMessage(Shared().countriesRead, Shared().table);
    QTimer::singleShot(0, this, [this, message] { Prompts().Message(this, message); });
  }
  // 6: the grid, column by column.
  for (int c = 1; c <= kColumns; ++c) Loader((c - 1) * kRowsPerColumn + 1, c * kRowsPerColumn, c);
  picture1_->raise();  // the panel floats over the cells made after it
  // 7: the legend captions.
  names_[kRowDstLegend]->setText(tr("DST in"));
  names_[kRowAmLegend]->setText(tr("AM in"));
  names_[kRowPmLegend]->setText(tr("PM in"));
  for (int r : {kRowDstLegend, kRowAmLegend, kRowPmLegend}) names_[r]->adjustSize();
  times_[kRowSpacer]->clear();
  // 8: the display colours.
  Module1& m = Shared();
  m.amColour = kAmColour;
  m.pmColour = kPmColour;
  m.dstColour = kDstColour;
  m.highlightColour = kHighlightColour;
  // 9: the legend's colours.
  const std::pair<int, Rgb> legend[] = {
      {kRowDstLegend, m.dstColour}, {kRowAmLegend, m.amColour}, {kRowPmLegend, m.pmColour}};
  for (const auto& [row, colour] : legend) {
    SetTextColour(names_[row], ToQColor(colour));
    SetTextColour(times_[row], ToQColor(colour));
  }
  // 10: the computer's time, which runs the first calculation.
  const QTime now = CurrentClock().Now().time();
  text1_->setText(FormatTimeForm(now.hour() * 60 + now.minute()));
  // 11: the column separators, down to row 36 of column 1 plus 750 twips.
  grid_->ShowSeparators(kTemplateTop + 36 * kRowStep + 750);
  // 12: load the country information window, hidden, on entry 1.
  CountryInfo()->SetEntryText(QStringLiteral("1"));
  timer1_->start();
  // Once the window is up.
  QTimer::singleShot(0, this, &ClockWindow::OfferDstUpdate);
}

void ClockWindow::OfferKeptEdits() {
  const QString tablePath = WritableDataPath(QStringLiteral("countries.txt"));
  if (!HasRecoveryCopy(tablePath)) return;
  const bool save = Prompts().AskYesNo(
      this, tr("Zorvane was ended with changes to the country table that had not been saved. "
               "They were kept in %1.")
                    .arg(QDir::toNativeSeparators(RecoveryPath(tablePath))) +
                QChar(13) + QChar(13) + tr("Save them to countries.txt now? No discards them."));
  if (!save) {
    DiscardRecoveryCopy(tablePath);
    return;
  }
  if (const auto failed = RestoreRecoveryCopy(tablePath, Shared().entryCount, CurrentClock().Now())) {
    Prompts().Message(this, failed->kind == SaveFailure::Kind::kField
                                ? failed->text
                                : tr("The kept changes could not be saved: %1. They are still in %2.")
                                      .arg(failed->text, QDir::toNativeSeparators(RecoveryPath(tablePath))));
    return;
  }
  ReadCountriesFile();
}

void ClockWindow::ReadCountriesFile() {
  NoteCountriesRead(
      zv::ReadCountriesFile(DataPath(QStringLiteral("countries.txt")), Shared().table, Shared().entryCount));
}

void ClockWindow::Loader(int first, int last, int column) {
  const QFont font = nameTemplate_->font();
  const QPalette namePalette = nameTemplate_->palette();
  const QPalette timePalette = timeTemplate_->palette();
  for (int r = first; r <= last && r <= kGridRows; ++r) {
    auto* name = new QLabel(grid_);
    auto* time = new QLabel(grid_);
    name->setFont(font);
    time->setFont(font);
    name->setPalette(namePalette);
    time->setPalette(timePalette);
    name->setCursor(HandCursor());
    name->setMouseTracking(true);
    name->setProperty("row", r);
    name->installEventFilter(this);
    time->installEventFilter(this);
    // Row k of every column lies 0.85 of a cell height below row k - 1.
    const int k = r - first + 1;
    const double top = kTemplateTop + k * kRowStep;
    const double left = (column - 1) * kColumnStep + kFirstColumnLeft;
    name->move(TwipPoint(left, top));
    time->move(TwipPoint(left + kTimeOffset, top));
    if (r <= Shared().entryCount) name->setText(Shared().table.at(r, kColName).left(16));
    name->adjustSize();
    time->adjustSize();
    name->show();
    time->show();
    names_[r] = name;
    times_[r] = time;
  }
}

QWidget* ClockWindow::Grid() const { return grid_; }
QLabel* ClockWindow::NameCell(int row) const { return row >= 1 && row <= kGridRows ? names_[row] : nullptr; }
QLabel* ClockWindow::TimeCell(int row) const { return row >= 1 && row <= kGridRows ? times_[row] : nullptr; }
QString ClockWindow::NameCaption(int row) const {
  const QLabel* l = NameCell(row);
  return l ? l->text() : QString();
}
QString ClockWindow::TimeText(int row) const {
  const QLabel* l = TimeCell(row);
  return l ? l->text() : QString();
}
Rgb ClockWindow::NameColour(int row) const {
  const QLabel* l = NameCell(row);
  return l ? ToRgb(l->palette().color(QPalette::WindowText)) : Rgb{};
}
void ClockWindow::SetNameColour(int row, const Rgb& colour) {
  if (QLabel* l = NameCell(row)) SetTextColour(l, ToQColor(colour));
}

void ClockWindow::Calculate() {
  ++calculations_;
  BusyPointer busy;
  Module1& m = Shared();
  GridInputs in;
  in.localTime = text1_->text();
  in.offset = text2_->text();
  in.dstHours = text3_->text();
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
  const GridResult result = CalculateGrid(in);
  m.gmtTimeText = result.gmtText;
  if (!names_[kGridRows]) return;  // the grid is not built yet
  ApplyColours(result);
}

void ClockWindow::ApplyColours(const GridResult& result) {
  const int last = std::min(Shared().entryCount, kGridRows);
  // Every time cell changes each minute, but many entries share a time: the
  // size that fits a text (laying the text out) is worked out once for it,
  // and the other cells alike take it.
  QHash<QString, QSize> fitted;
  for (int n = 1; n <= last; ++n) {
    SetTextColour(names_[n], ToQColor(result.nameColour[n]));
    QLabel* time = times_[n];
    if (time->text() != result.timeText[n]) {
      time->setText(result.timeText[n]);
      time->ensurePolished();
      if (const auto known = fitted.constFind(time->text()); known != fitted.cend()) {
        time->resize(*known);
      } else {
        time->adjustSize();
        fitted.insert(time->text(), time->size());
      }
    }
    SetTextColour(times_[n], ToQColor(result.timeColour[n]));
  }
  for (int r : {kRowDstLegend, kRowAmLegend, kRowPmLegend}) {
    times_[r]->setText(result.timeText[r]);
    times_[r]->adjustSize();
  }
  for (int row = last + 1; row <= kGridRows; ++row)
    if (result.nameColourSet[row]) SetTextColour(names_[row], ToQColor(result.nameColour[row]));
}

void ClockWindow::Refresh() {
  const QDateTime at = CurrentClock().Now();
  // Settings that were the computer's zone follow its change of shift.
  if (const auto follow =
          FollowComputerZone(text2_->text(), text3_->text(), SystemZone(), zoneCheckedAt_, at)) {
    text2_->setText(follow->offset);
    text3_->setText(follow->dstHours);
  }
  // The first tick of a new year offers that year's daylight-saving dates.
  if (!CountryTableReadInPart() && DstOfferDue(Shared().table, Shared().entryCount, zoneCheckedAt_, at))
    QTimer::singleShot(0, this, &ClockWindow::OfferDstUpdate);
  zoneCheckedAt_ = at;
  const QTime now = at.time();
  // A new time in Text1 calculates already, with the settings above; the
  // same time again does not, so the button does it.
  const int before = calculations_;
  text1_->setText(FormatTimeForm(now.hour() * 60 + now.minute()));
  if (calculations_ == before) command3_->click();
}

WriteResult ClockWindow::SaveZoneSettings() {
  if (zoneSaved_) return WriteResult::Written();
  zoneSaved_ = true;
  // A guess is not the user's choice: the file keeps what it held.
  if (zoneGuess_ && MatchesComputer(text2_->text(), text3_->text(), *zoneGuess_))
    return WriteResult::Written();
  const QString path = WritableDataPath(QStringLiteral("tzone.txt"));
  const WriteResult written = WriteFileWhole(path, ZoneFileBytes(text2_->text(), text3_->text()));
  if (written.ok()) return written;
  return WriteResult::Failed(tr("Your time zone settings could not be saved to %1: %2.")
                                 .arg(QDir::toNativeSeparators(path), written.failure()));
}

void ClockWindow::closeEvent(QCloseEvent* event) {
  if (closing_) {
    event->accept();
    return;
  }
  closing_ = true;
  timer1_->stop();
  if (const WriteResult saved = SaveZoneSettings(); !saved.ok()) Prompts().Message(this, saved.failure());
  CloseOtherWindows();
  event->accept();
  QCoreApplication::quit();
}

}  // namespace zv
