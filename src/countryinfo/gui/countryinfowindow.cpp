#include "countryinfo/gui/countryinfowindow.h"

#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QFocusEvent>
#include <QFrame>
#include <QGroupBox>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QTextDocument>
#include <QUrl>

#include "app/gui/appwindows.h"
#include "app/gui/prompter.h"
#include "clock/gui/clockwindow.h"
#include "common/gui/colours.h"
#include "common/gui/enterkey.h"
#include "common/gui/formfont.h"
#include "common/gui/formpalette.h"
#include "common/gui/twips.h"
#include "common/gui/widgetutils.h"
#include "common/gui/windowrole.h"
#include "data/countryfile.h"
#include "data/countrysave.h"
#include "data/numtext.h"
#include "data/outsideworld.h"
#include "data/savefile.h"
#include "data/sharedstate.h"
#include "data/tableread.h"
#include "worldmap/gui/worldmapwindow.h"
#include "worldmap/mapgeometry.h"

namespace zv {

namespace {

const QColor kDarkRed(192, 0, 0);
// The map title shows no more than fits any screen.
constexpr qsizetype kMaxTitleChars = 200;
// Where the commit button lies, out of sight: left of and above the window.
constexpr double kOutOfSightTwips = -3000;

QLabel* MakeLabel(QWidget* parent, const QString& text, double left, double top, double width,
                  double height = 255) {
  auto* l = new QLabel(text, parent);
  l->setGeometry(TwipRect(left, top, width, height));
  return l;
}

QLineEdit* MakeBox(QWidget* parent, double left, double top, double width) {
  auto* e = new QLineEdit(parent);
  e->setGeometry(TwipRect(left, top, width, 315));
  return e;
}

int ShownEntry(const QLineEdit* box) { return RoundHalfEven(NumberInText(box->text())); }

}  // namespace

QLineEdit* CountryInfoWindow::LineBox(int i) const { return qobject_cast<QLineEdit*>(fieldBoxes_.at(i)); }

CountryInfoWindow::~CountryInfoWindow() { delete keys_; }

CountryInfoWindow::CountryInfoWindow(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_DeleteOnClose);
  PresentWidgetWindowsAsWindows();  // announced as a window, not a generic container
  setWindowTitle(QStringLiteral("Country Information"));
  setFont(FormFont());
  setPalette(FormPalette());
  InstallLinkAccess();
  BuildLayout();
  BuildAccess();

  // Centred, 300 twips above the middle; each display narrows or widens it.
  FixWindowSize(this, TwipSize(kInfoWideTwips, kInfoHeightTwips));
  PlaceWindow(this, size(), QStringLiteral("countryinfo"));

  nameList_->clear();
  if (ClockWindow* clock = TheClock())
    clock->ReadCountriesFile();
  else
    NoteCountriesRead(zv::ReadCountriesFile(DataPath(QStringLiteral("countries.txt")), Shared().table,
                                            Shared().entryCount));
  CopyEntries(Shared().table, Shared().working, Shared().entryCount);
  FillList();
  SetEntryText(QStringLiteral("1"));
}

void CountryInfoWindow::BuildLayout() {
  hint_ =
      MakeLabel(this, tr("To edit a field, double-click it, press F2 on it or start typing."), 120, 60, 5400);
  QFont hintFont = DesignFont("Times New Roman", kFormFontPoints);
  hintFont.setItalic(true);
  hint_->setFont(hintFont);
  SetTextColour(hint_, kDarkRed);
  hintText_ = hint_->text();

  QLabel* nameCaption = MakeLabel(this, QStringLiteral("Country or Zone"), 120, 420, 1340);
  fieldBoxes_[kBoxName] = MakeBox(this, 1500, 390, 3960);
  nameCaption->setBuddy(fieldBoxes_[kBoxName]);

  MakeLabel(this, QStringLiteral("Time now:"), 120, 900, 1340);
  timeNowFrame_ = new QFrame(this);
  timeNowFrame_->setGeometry(TwipRect(1500, 780, 1560, 465));
  timeNowFrame_->setFrameShape(QFrame::Box);
  timeNowFrame_->setLineWidth(1);
  timeNowLabel_ = new QLabel(QStringLiteral("00:00 AM"), timeNowFrame_);
  timeNowLabel_->setGeometry(TwipRect(30, 30, 1500, 405));
  timeNowLabel_->setAlignment(Qt::AlignCenter);
  timeNowLabel_->setAutoFillBackground(true);
  {
    QPalette p = timeNowLabel_->palette();
    p.setColor(QPalette::Window, Qt::black);
    p.setColor(QPalette::WindowText, QColor(0, 255, 0));
    timeNowLabel_->setPalette(p);
    QFont f = DesignFont(kFormFontFamily, 12);
    f.setBold(true);
    timeNowLabel_->setFont(f);
  }
  // The list of names beside the time display; the name box above stays
  // free for editing.
  nameList_ = new QComboBox(this);
  nameList_->setEditable(false);
  nameList_->setGeometry(TwipRect(3180, 840, 2280, 315));

  MakeLabel(this, QStringLiteral("Time zone relative to GMT"), 120, 1440, 2220)
      ->setBuddy(fieldBoxes_[kBoxOffset] = MakeBox(this, 2400, 1410, 900));

  dstCheckBox_ = new QCheckBox(QStringLiteral("Uses daylight saving time of "), this);
  dstCheckBox_->setGeometry(TwipRect(120, 1890, 2460, 255));
  fieldBoxes_[kBoxDstHours] = MakeBox(this, 2600, 1860, 500);
  MakeLabel(this, QStringLiteral("hrs"), 3150, 1890, 330)->setBuddy(fieldBoxes_[kBoxDstHours]);
  fromCaption_ = MakeLabel(this, QStringLiteral("from"), 3540, 1890, 440);
  fromCaption_->setBuddy(fieldBoxes_[kBoxDstStart] = MakeBox(this, 4020, 1860, 1000));

  dstNotice_ = MakeLabel(this, QStringLiteral("(daylight saving time in force)"), 120, 2280, 3300);
  SetTextColour(dstNotice_, kDarkRed);
  dstNotice_->hide();
  toCaption_ = MakeLabel(this, QStringLiteral("to"), 3540, 2280, 440);
  toCaption_->setBuddy(fieldBoxes_[kBoxDstEnd] = MakeBox(this, 4020, 2250, 1000));

  furtherInfoFrame_ = new QGroupBox(QStringLiteral("Further information"), this);
  furtherInfoFrame_->setGeometry(TwipRect(60, 2610, 5460, 3015));
  MakeLabel(furtherInfoFrame_, QStringLiteral("Location"), 120, 270, 1560)
      ->setBuddy(fieldBoxes_[kBoxLocation] = MakeBox(furtherInfoFrame_, 120, 510, 1560));
  MakeLabel(furtherInfoFrame_, QStringLiteral("Capital"), 1740, 270, 1320)
      ->setBuddy(fieldBoxes_[kBoxCapital] = MakeBox(furtherInfoFrame_, 1740, 510, 1320));
  MakeLabel(furtherInfoFrame_, QStringLiteral("Latitude"), 3120, 270, 900)
      ->setBuddy(fieldBoxes_[kBoxLatitude] = MakeBox(furtherInfoFrame_, 3120, 510, 900));
  MakeLabel(furtherInfoFrame_, QStringLiteral("Longitude"), 4080, 270, 900)
      ->setBuddy(fieldBoxes_[kBoxLongitude] = MakeBox(furtherInfoFrame_, 4080, 510, 780));
  fieldBoxes_[kBoxMapName] = MakeBox(furtherInfoFrame_, 4900, 510, 440);

  locateLink_ = MakeLabel(furtherInfoFrame_, QString(), 3120, 870, 2000);
  locateLink_->setProperty(kLinkProperty, true);
  locateLink_->setText(QStringLiteral("Locate on World Map"));
  {
    QFont f = FormFont();
    f.setUnderline(true);
    locateLink_->setFont(f);
    SetTextColour(locateLink_, QColor(0, 0, 255));
    locateLink_->setCursor(Qt::PointingHandCursor);
    locateLink_->adjustSize();
    locateLink_->installEventFilter(this);
  }

  MakeLabel(furtherInfoFrame_, QStringLiteral("Languages"), 120, 900, 1560)
      ->setBuddy(fieldBoxes_[kBoxLanguages] = MakeBox(furtherInfoFrame_, 120, 1140, 5220));
  QLabel* historyCaption = MakeLabel(furtherInfoFrame_, QStringLiteral("Brief History"), 120, 1530, 1560);
  history_ = new QPlainTextEdit(furtherInfoFrame_);
  historyCaption->setBuddy(history_);
  // Tab leaves the box, as from every other field.
  history_->setTabChangesFocus(true);
  history_->setGeometry(TwipRect(120, 1770, 5220, 1140));
  history_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  history_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  fieldBoxes_[kBoxHistory] = history_;

  for (int i = 0; i < kBoxCount; ++i) {
    fieldBoxes_[i]->installEventFilter(this);
    if (auto* e = LineBox(i)) {
      e->setReadOnly(true);
    } else {
      history_->setReadOnly(true);
      history_->viewport()->installEventFilter(this);
    }
  }

  // The buttons along the bottom edge, with the entry number box between
  // "<" and ">".
  struct ButtonPlace {
    const char* caption;
    double left, width;
  };
  const ButtonPlace places[kButtonCount] = {{"<<", 120, 450},
                                            {"<", 600, 450},
                                            {">", 1710, 450},
                                            {">>", 2190, 450},
                                            {"Close", 4890, 630},
                                            {"Save", 4160, 700},
                                            {"Sa&ve", kOutOfSightTwips, 700},
                                            {"&Find", 2700, 700},
                                            {"Undo", 3430, 700}};
  for (int i = 0; i < kButtonCount; ++i) {
    auto* b = new QPushButton(QString::fromLatin1(places[i].caption), this);
    b->setGeometry(TwipRect(places[i].left, 5790, places[i].width, 375));
    b->setAutoDefault(false);
    connect(b, &QPushButton::clicked, this, [this, i] { ButtonClicked(i); });
    buttons_[i] = b;
  }
  // The commit button stays out of sight, hidden from screen readers and out
  // of the Tab order; Alt+V presses it.
  buttons_[kButtonCommit]->move(Px(kOutOfSightTwips), Px(kOutOfSightTwips));
  buttons_[kButtonCommit]->setFocusPolicy(Qt::NoFocus);
  buttons_[kButtonCommit]->hide();
  connect(new QShortcut(QKeySequence(Qt::ALT | Qt::Key_V), this), &QShortcut::activated,
          buttons_[kButtonCommit], &QPushButton::click);
  buttons_[kButtonSave]->setEnabled(false);
  buttons_[kButtonUndo]->setEnabled(false);

  entryNumberBox_ = new QLineEdit(this);
  entryNumberBox_->setGeometry(TwipRect(1080, 5820, 600, 315));
  entryNumberBox_->setAlignment(Qt::AlignCenter);
  connect(entryNumberBox_, &QLineEdit::textChanged, this, &CountryInfoWindow::EntryTextChanged);

  connect(nameList_, &QComboBox::activated, this,
          [this](int line) { SetEntryText(QString::number(line + 1)); });
  connect(dstCheckBox_, &QCheckBox::stateChanged, this, &CountryInfoWindow::CheckChanged);
  // The user's clicks move only between ticked and not ticked.
  connect(dstCheckBox_, &QCheckBox::clicked, this, [this] {
    dstCheckBox_->setTristate(false);
    buttons_[kButtonSave]->setEnabled(true);
    buttons_[kButtonUndo]->setEnabled(true);
  });

  auto* enter = new QShortcut(QKeySequence(Qt::Key_Return), this);
  auto* keypadEnter = new QShortcut(QKeySequence(Qt::Key_Enter), this);
  auto* esc = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  for (QShortcut* s : {enter, keypadEnter}) {
    s->setContext(Qt::WindowShortcut);
    connect(s, &QShortcut::activated, this, [this] { PressFocusedButtonOr(this, buttons_[kButtonNext]); });
  }
  connect(esc, &QShortcut::activated, buttons_[kButtonClose], &QPushButton::click);

  // The picture area on the right.
  mapTitleLabel_ = new QLabel(this);
  mapTitleLabel_->setGeometry(TwipRect(5580, 60, 5355, 285));
  {
    QFont f = DesignFont("Arial", 9.75);
    f.setBold(true);
    mapTitleLabel_->setFont(f);
    SetTextColour(mapTitleLabel_, QColor(0, 0, 192));
  }
  pictureFrame_ = new QFrame(this);
  pictureFrame_->setGeometry(TwipRect(5580, 360, kPictureFrameWidthTwips, kPictureFrameHeightTwips));
  pictureFrame_->setFrameShape(QFrame::Box);
  mapImage_ = new QLabel(pictureFrame_);
  mapImage_->move(TwipPoint(kImageHomeLeftTwips, kImageHomeTopTwips));
  mapImage_->installEventFilter(this);
  verticalBar_ = new QScrollBar(Qt::Vertical, this);
  verticalBar_->setGeometry(TwipRect(5580 + kPictureFrameWidthTwips, 360, 255, kPictureFrameHeightTwips));
  horizontalBar_ = new QScrollBar(Qt::Horizontal, this);
  horizontalBar_->setGeometry(TwipRect(5580, 360 + kPictureFrameHeightTwips, kPictureFrameWidthTwips, 255));
  for (QScrollBar* bar : {verticalBar_, horizontalBar_}) {
    bar->setMinimum(0);
    bar->setMaximum(0);
    bar->setSingleStep(1);
    bar->setPageStep(5);
    bar->setEnabled(false);
    connect(bar, &QScrollBar::valueChanged, this, [this, bar](int v) { Scrolled(bar, v); });
    connect(bar, &QScrollBar::sliderMoved, this, [this, bar](int v) { Scrolled(bar, v); });
  }

  pictureMenu_ = new QMenu(QStringLiteral("File"), this);
  copyPictureAction_ = pictureMenu_->addAction(QStringLiteral("Copy"));
  openPictureAction_ = pictureMenu_->addAction(QStringLiteral("Open"));
  connect(copyPictureAction_, &QAction::triggered, this, &CountryInfoWindow::CopyPicture);
  connect(openPictureAction_, &QAction::triggered, this, &CountryInfoWindow::OpenPicture);
}

void CountryInfoWindow::FillList() {
  for (int n = 1; n <= Shared().entryCount && n < CountryTable::kRows; ++n)
    nameList_->addItem(ShownField(Shared().working.at(n, kColName)));
}

void CountryInfoWindow::SetEntryText(const QString& text) { entryNumberBox_->setText(text); }

void CountryInfoWindow::EntryTextChanged(const QString& text) {
  const EntryChoice choice = ChooseEntry(text, Shared().entryCount);
  if (!choice.valid) {
    Prompts().Beep();
    SetEntryText(choice.fallback);
    return;
  }
  UpdateFields(choice.entry);
  // The list follows the shown name; choosing its line writes that line's
  // number back, which shows the earlier of two entries with the same name.
  const QString name = BoxText(kBoxName);
  int line = -1;
  for (int k = 0; k < nameList_->count(); ++k) {
    if (nameList_->itemText(k).compare(name, Qt::CaseInsensitive) == 0) {
      line = k;
      break;
    }
  }
  {
    const QSignalBlocker block(nameList_);
    nameList_->setCurrentIndex(line);  // no line: the list shows no selection
  }
  if (line >= 0) SetEntryText(QString::number(line + 1));
}

QString CountryInfoWindow::BoxText(int i) const {
  if (i == kBoxHistory) {
    // The raw text keeps a no-break space as it is; only the paragraph ends
    // become line breaks.
    QString text = history_->document()->toRawText();
    text.replace(QChar::ParagraphSeparator, u'\n');
    text.replace(QChar::LineSeparator, u'\n');
    return text;
  }
  return LineBox(i)->text();
}

void CountryInfoWindow::SetBoxText(int i, const QString& text) {
  if (i == kBoxHistory) {
    if (BoxText(i) != text) history_->setPlainText(text);
  } else {
    LineBox(i)->setText(text);
  }
}

bool CountryInfoWindow::IsLocked(int i) const {
  if (i == kBoxHistory) return history_->isReadOnly();
  return LineBox(i)->isReadOnly();
}

void CountryInfoWindow::UpdateFields(double entry) {
  const int r = RoundHalfEven(entry);
  if (r < 0 || r >= CountryTable::kRows) return;
  const CountryTable& w = Shared().working;
  SetBoxText(kBoxName, ShownField(w.at(r, kColName)));
  SetBoxText(kBoxOffset, ShownField(w.at(r, kColOffset)));
  ShowDstFields(r);
  if (ClockWindow* clock = TheClock()) timeNowLabel_->setText(clock->TimeText(r));
  // A screen reader hears the caption and the time together.
  timeNowLabel_->setAccessibleName(tr("Time now: %1").arg(timeNowLabel_->text()));
  for (int c = kColLocation; c <= kColHistory; ++c) SetBoxText(c, ShownField(w.at(r, c)));
  // A field too long for its box shows its beginning and stays locked; the
  // commit keeps it as the row holds it.
  std::array<qsizetype, kBoxCount> lengths{};
  for (int i = 0; i < kBoxCount; ++i) {
    const int c = i <= kBoxDstHours ? i + 1 : i;
    lengths[i] = i == kBoxDstStart || i == kBoxDstEnd ? 0 : w.at(r, c).size();
    tooLong_[i] = lengths[i] > kMaxBoxChars;
    shown_[i] = BoxText(i);
  }
  const QString note = TooLongNote(lengths);
  hint_->setText(note.isEmpty() ? hintText_ : note);
  Shared().mapPicturePath = MapPicturePathFor(DataPath(QStringLiteral("Maps")), BoxText(kBoxMapName));
  mapTitleLabel_->setText(MapTitle(ShownField(BoxText(kBoxName)).left(kMaxTitleChars)));
  mapImage_->setAccessibleName(mapTitleLabel_->text());
  SetUpPicture();
}

void CountryInfoWindow::ShowDstFields(int r) {
  if (r < 0 || r >= CountryTable::kRows) return;
  const CountryTable& w = Shared().working;
  const int state = CheckStateForColumn(w.at(r, kColDstUsed));
  dstCheckBox_->setTristate(state == 2);
  dstCheckBox_->setCheckState(state == 1 ? Qt::Checked : state == 2 ? Qt::PartiallyChecked : Qt::Unchecked);
  SetBoxText(kBoxDstHours, ShownField(w.at(r, kColDstHours)));
  // As the commit will take them: into the current year.
  const int year = CurrentClock().Now().date().year();
  SetBoxText(kBoxDstStart, FormatMonthDayIn(w.dstStart[r], year));
  SetBoxText(kBoxDstEnd, FormatMonthDayIn(w.dstEnd[r], year));
  ClockWindow* clock = TheClock();
  dstInForce_ = clock && clock->NameColour(r) == Shared().dstColour;
  EnableDstBoxes();
  // The boxes just filled count as shown, not as typed by the user.
  for (int i : {kBoxDstHours, kBoxDstStart, kBoxDstEnd}) shown_[i] = BoxText(i);
}

void CountryInfoWindow::CheckChanged() { EnableDstBoxes(); }

void CountryInfoWindow::EnableDstBoxes() {
  const Qt::CheckState s = dstCheckBox_->checkState();
  // Without daylight saving the dates mean nothing: the row says so instead
  // of showing them. The boxes keep their texts for the commit.
  const bool none = s == Qt::Unchecked;
  for (QWidget* w : std::initializer_list<QWidget*>{fromCaption_, toCaption_, fieldBoxes_[kBoxDstStart],
                                                    fieldBoxes_[kBoxDstEnd]})
    w->setVisible(!none);
  dstNotice_->setText(none ? tr("No daylight saving time")
                           : QStringLiteral("(daylight saving time in force)"));
  SetTextColour(dstNotice_, none ? palette().color(QPalette::WindowText) : kDarkRed);
  dstNotice_->setVisible(none || dstInForce_);
  if (s == Qt::PartiallyChecked) return;
  for (int i : {kBoxDstHours, kBoxDstStart, kBoxDstEnd}) fieldBoxes_[i]->setEnabled(s == Qt::Checked);
}

void CountryInfoWindow::ButtonClicked(int index) {
  switch (index) {
    case kButtonFirst:
    case kButtonPrevious:
    case kButtonNext:
    case kButtonLast:
      Navigate(index);
      break;
    case kButtonClose:
      close();
      break;
    case kButtonSave:
      Save();
      break;
    case kButtonCommit:
      Commit();
      break;
    case kButtonFind:
      Find();
      break;
    case kButtonUndo:
      Undo();
      break;
    default:
      break;
  }
}

EntryBoxes CountryInfoWindow::TakeBoxes() const {
  EntryBoxes boxes;
  for (int i = 0; i < kBoxCount; ++i) {
    boxes.text[i] = BoxText(i);
    boxes.edited[i] = !tooLong_[i] && boxes.text[i] != shown_[i];
  }
  const Qt::CheckState s = dstCheckBox_->checkState();
  boxes.checkState = s == Qt::Checked ? 1 : s == Qt::PartiallyChecked ? 2 : 0;
  return boxes;
}

QString CountryInfoWindow::KeepUnsavedEdits() {
  if (!buttons_[kButtonSave]->isEnabled() || CountryTableReadInPart()) return QString();
  CountryTable kept = Shared().working;
  const int n = ShownEntry(entryNumberBox_);
  // A box that cannot be taken (no date) leaves the entry as last committed.
  if (n >= 1 && n <= Shared().entryCount)
    (void)CommitEntry(TakeBoxes(), CurrentClock().Now().date().year(), kept, n);
  if (kept == Shared().table) return QString();
  return KeepRecoveryCopy(kept, Shared().entryCount, CurrentClock().Now(),
                          WritableDataPath(QStringLiteral("countries.txt")));
}

bool CountryInfoWindow::Commit() {
  const EntryBoxes boxes = TakeBoxes();
  const int n = ShownEntry(entryNumberBox_);
  if (n < 1 || n > Shared().entryCount) return false;
  const bool edits = HasUnsavedEdits();
  const auto error = CommitEntry(boxes, CurrentClock().Now().date().year(), Shared().working, n);
  if (error) {
    Prompts().Message(this, error->message);
    return false;
  }
  committedEdits_ = edits;
  return true;
}

bool CountryInfoWindow::HasUnsavedEdits() const {
  if (committedEdits_) return true;
  const EntryBoxes boxes = TakeBoxes();
  if (std::ranges::find(boxes.edited, true) != boxes.edited.end()) return true;
  const int n = ShownEntry(entryNumberBox_);
  return n >= 1 && n < CountryTable::kRows &&
         boxes.checkState != CheckStateForColumn(Shared().working.at(n, kColDstUsed));
}

bool CountryInfoWindow::SettleUnsavedEdits() {
  if (!HasUnsavedEdits()) return true;
  switch (Prompts().AskSaveChanges(
      this, tr("Your changes to the country information are not saved. Save them before closing?"))) {
    case Prompter::SaveAnswer::kSave:
      return WriteTable();
    case Prompter::SaveAnswer::kDiscard:
      CopyEntries(Shared().table, Shared().working, Shared().entryCount);
      committedEdits_ = false;
      buttons_[kButtonSave]->setEnabled(false);
      buttons_[kButtonUndo]->setEnabled(false);
      UpdateFields(NumberInText(entryNumberBox_->text()));
      return true;
    case Prompter::SaveAnswer::kCancel:
      break;
  }
  return false;
}

void CountryInfoWindow::closeEvent(QCloseEvent* event) {
  if (!SettleUnsavedEdits()) {
    event->ignore();
    return;
  }
  QWidget::closeEvent(event);
}

void CountryInfoWindow::Navigate(int index) {
  // A commit that fails leaves the entry shown, so the user can put the box
  // right.
  if (!Commit()) return;
  const int count = Shared().entryCount;
  const double now = NumberInText(entryNumberBox_->text());
  double next = 1;
  switch (index) {
    case kButtonFirst:
      next = 1;
      break;
    case kButtonPrevious:
      next = std::max(now - 1, 1.0);
      break;
    case kButtonNext:
      next = std::min(now + 1, static_cast<double>(count));
      break;
    case kButtonLast:
      next = count;
      break;
    default:
      return;
  }
  SetEntryText(GeneralNumberText(next));
}

void CountryInfoWindow::Save() {
  const QString question = QStringLiteral("Changes once saved cannot be discarded.") + QChar(13) + QChar(13) +
                           QStringLiteral("Are you sure want to proceed?");
  if (WholeTableWriteRefusal().isEmpty() && !Prompts().AskYesNo(this, question)) return;
  WriteTable();
}

bool CountryInfoWindow::WriteTable() {
  // After a partial read the working copy lacks the entries after the stop.
  if (const QString refused = WholeTableWriteRefusal(); !refused.isEmpty()) {
    Prompts().Message(this, refused);
    return false;
  }
  if (!Commit()) return false;
  const int count = Shared().entryCount;
  const CountryTable& w = Shared().working;
  if (const auto failed = SaveCountryTable(w, count, CurrentClock().Now(),
                                           WritableDataPath(QStringLiteral("countries.txt")))) {
    if (failed->kind == SaveFailure::Kind::kField)
      Prompts().Message(this, failed->text);
    else
      Prompts().Message(this, QStringLiteral("The country file could not be saved: %1. The file on disk is "
                                             "unchanged; your changes are still here.")
                                  .arg(failed->text));
    return false;
  }
  CopyEntries(w, Shared().table, count);
  buttons_[kButtonSave]->setEnabled(false);
  buttons_[kButtonUndo]->setEnabled(false);
  committedEdits_ = false;
  // What the boxes hold now is saved.
  for (int i = 0; i < kBoxCount; ++i) shown_[i] = BoxText(i);
  return true;
}

void CountryInfoWindow::Find() {
  for (;;) {
    const auto answer = Prompts().Input(
        this, kAppTitle, QStringLiteral("Enter partial or full name of the country to locate"), QString());
    if (!answer || answer->isEmpty()) return;
    const QString wanted = answer->toUpper();
    for (int n = 1; n <= Shared().entryCount && n < CountryTable::kRows; ++n) {
      if (Shared().working.at(n, kColName).toUpper().contains(wanted)) {
        SetEntryText(QString::number(n));
        return;
      }
    }
    Prompts().Inform(this, tr("No country or zone name contains \"%1\". Type a part of a name, such as "
                              "Chile or united.")
                               .arg(*answer));
  }
}

void CountryInfoWindow::Undo() {
  UpdateFields(NumberInText(entryNumberBox_->text()));
  buttons_[kButtonUndo]->setEnabled(false);
}

void CountryInfoWindow::Unlock(int i) {
  if (tooLong_[i]) return;  // shown in part: not to be edited here
  if (i == kBoxHistory)
    history_->setReadOnly(false);
  else
    LineBox(i)->setReadOnly(false);
  buttons_[kButtonSave]->setEnabled(true);
  buttons_[kButtonUndo]->setEnabled(true);
}

void CountryInfoWindow::FocusGained(int i) {
  if (i == kBoxHistory) {
    QTextCursor c = history_->textCursor();
    c.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
    history_->setTextCursor(c);
  } else {
    QLineEdit* e = LineBox(i);
    const int from = e->cursorPosition();
    e->setSelection(from, static_cast<int>(e->text().size()) - from);
  }
}

void CountryInfoWindow::FocusLost(int i) {
  // A box only looked at keeps its text, so that the field is saved as read.
  if (BoxText(i) != shown_[i]) SetBoxText(i, TextAfterFocusOut(BoxText(i), i));
  if (i == kBoxHistory)
    history_->setReadOnly(true);
  else
    LineBox(i)->setReadOnly(true);
}

bool CountryInfoWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == mapImage_ && event->type() == QEvent::MouseButtonPress) {
    auto* me = static_cast<QMouseEvent*>(event);
    if (me->button() == Qt::RightButton) pictureMenu_->popup(me->globalPosition().toPoint());
    return true;
  }
  if (watched == locateLink_ && event->type() == QEvent::MouseButtonRelease) {
    // A click: the button let go over the link, as over a button.
    auto* me = static_cast<QMouseEvent*>(event);
    if (me->button() == Qt::LeftButton && locateLink_->rect().contains(me->position().toPoint()))
      LocateOnWorldMap();
    return true;
  }
  for (int i = 0; i < kBoxCount; ++i) {
    const bool isBox = watched == fieldBoxes_[i] || (i == kBoxHistory && watched == history_->viewport());
    if (!isBox) continue;
    switch (event->type()) {
      case QEvent::MouseButtonDblClick:
        Unlock(i);
        break;
      case QEvent::ShortcutOverride:
        // Enter on a locked box starts editing it rather than pressing ">".
        if (IsLocked(i) && StartsEditing(i, *static_cast<QKeyEvent*>(event))) {
          event->accept();
          return true;
        }
        break;
      case QEvent::KeyPress: {
        // A key that edits starts editing, as a double click does; a typed
        // character then goes into the box.
        const auto& key = *static_cast<QKeyEvent*>(event);
        if (!IsLocked(i) || !StartsEditing(i, key)) break;
        Unlock(i);
        if (key.key() == Qt::Key_F2 || key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter) return true;
        break;
      }
      case QEvent::FocusIn:
        // Back from the pop-up menu the edit goes on where it was.
        if (watched == fieldBoxes_[i] && static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason)
          FocusGained(i);
        break;
      case QEvent::FocusOut:
        // A pop-up menu (the box's own Cut/Copy/Paste menu) does not end
        // the edit: the box stays open for typing after Paste.
        if (watched == fieldBoxes_[i] && static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason)
          FocusLost(i);
        break;
      default:
        break;
    }
    break;
  }
  return QWidget::eventFilter(watched, event);
}

bool CountryInfoWindow::StartsEditing(int i, const QKeyEvent& key) const {
  if (tooLong_[i]) return false;
  if (key.matches(QKeySequence::Paste)) return true;
  if ((key.modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier)) != Qt::NoModifier) return false;
  switch (key.key()) {
    case Qt::Key_F2:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
      return true;
    default:
      return !key.text().isEmpty() && key.text().front().isPrint();
  }
}

// The picture preview.

void CountryInfoWindow::SetUpPicture() {
  const QString path = Shared().mapPicturePath;
  QImage picture;
  if (!path.isEmpty() && QFileInfo(path).isFile()) picture.load(path);
  if (!picture.isNull()) {
    mapImage_->setPixmap(QPixmap::fromImage(picture));
    mapImage_->resize(picture.size());
    setFixedWidth(Px(kInfoWideTwips));
  } else {
    mapImage_->clear();
    mapImage_->resize(0, 0);
    setFixedWidth(Px(kInfoNarrowTwips));
  }
  CentreHorizontally();
  for (QScrollBar* bar : {horizontalBar_, verticalBar_}) {
    bar->setValue(0);
    bar->setEnabled(false);
  }
  imageLeft_ = kImageHomeLeftTwips;
  imageTop_ = kImageHomeTopTwips;
  PlaceImage();
  hPrev_ = hNow_ = vPrev_ = vNow_ = 0;
  if (picture.isNull()) return;
  const double h = Twips(picture.height());
  const double w = Twips(picture.width());
  auto setUp = [](QScrollBar* bar, double picture, double frame) {
    bar->setEnabled(true);
    const int max = RoundHalfEven((picture - frame) / kScrollStepTwips + 2);
    bar->setMaximum(max);
    bar->setSingleStep(1);
    bar->setPageStep(5 * bar->singleStep());
    bar->setValue(RoundHalfEven(max / 2.0));
  };
  if (h > kPictureFrameHeightTwips) setUp(verticalBar_, h, kPictureFrameHeightTwips);
  if (w > kPictureFrameWidthTwips) setUp(horizontalBar_, w, kPictureFrameWidthTwips);
}

void CountryInfoWindow::CentreHorizontally() {
  if (QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect s = screen->geometry();
    move(s.x() + (s.width() - width()) / 2, y());
  }
}

void CountryInfoWindow::Scrolled(QScrollBar* bar, int value) {
  if (bar == horizontalBar_) {
    hNow_ = value;
    imageLeft_ -= (hNow_ - hPrev_) * kScrollStepTwips;
    hPrev_ = value;
  } else {
    vNow_ = value;
    imageTop_ -= (vNow_ - vPrev_) * kScrollStepTwips;
    vPrev_ = value;
  }
  PlaceImage();
}

void CountryInfoWindow::PlaceImage() { mapImage_->move(TwipPoint(imageLeft_, imageTop_)); }

void CountryInfoWindow::CopyPicture() {
  QClipboard* clipboard = QGuiApplication::clipboard();
  clipboard->clear();
  const QString path = Shared().mapPicturePath;
  if (path.isEmpty() || !QFileInfo(path).isFile()) {
    Prompts().Message(this, tr("The map picture %1 is missing. Put a JPEG picture of that name in the Maps "
                               "folder (for the map picture name cl: cl-map.jpg).")
                                .arg(path.isEmpty() ? tr("for this entry") : QDir::toNativeSeparators(path)));
    return;
  }
  QImageReader reader(path);
  const QImage picture = reader.read();
  if (picture.isNull()) {
    Prompts().Message(this, tr("The map picture %1 cannot be read. Save it again as a JPEG or PNG picture.")
                                .arg(QDir::toNativeSeparators(path)));
    return;
  }
  clipboard->setImage(picture);
  Prompts().Inform(this, tr("The map picture was copied to the clipboard."));
}

void CountryInfoWindow::OpenPicture() {
  const QString path = Shared().mapPicturePath;
  if (path.isEmpty()) return;
  QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

void CountryInfoWindow::LocateOnWorldMap() {
  const QString latText = BoxText(kBoxLatitude).trimmed();
  const QString lonText = BoxText(kBoxLongitude).trimmed();
  // A coordinate needs a number and its hemisphere letter; without them the
  // mark would land on a made-up point.
  if (latText.size() < 2 || lonText.size() < 2) {
    Prompts().Message(this, tr("This entry has no latitude or longitude to locate on the world map. Type "
                               "them such as 33.45S and 70.67W, then press the link again."));
    return;
  }
  const double lat = CoordinateFromText(latText, QLatin1Char('N'));
  const double lon = CoordinateFromText(lonText, QLatin1Char('E'));
  const int n = ShownEntry(entryNumberBox_);
  const QString name =
      n >= 1 && n < CountryTable::kRows ? Shared().working.at(n, kColName) : BoxText(kBoxName);
  // The world map is a window of its own, not owned by this one: when this
  // window is modal over the clock window (More info), a window-modal window
  // blocks only its owner, so the map still takes the user's input.
  WorldMapWindow* map = WorldMap();
  map->show();
  map->raise();
  map->activateWindow();
  map->MarkPoint(lat, lon, name);
  map->ShowPointInfo(lat, lon);
}

}  // namespace zv
