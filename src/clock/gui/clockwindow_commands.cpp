// The clock window's menus, list commands and reactions to the pointer.

#include <QActionGroup>
#include <QApplication>
#include <QCursor>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>

#include "app/about.h"
#include "app/gui/appwindows.h"
#include "app/gui/prompter.h"
#include "clock/gui/clockgrid.h"
#include "clock/gui/clockwindow.h"
#include "clock/listcommands.h"
#include "common/gui/colours.h"
#include "countryinfo/gui/countryinfowindow.h"
#include "data/datafileio.h"
#include "data/highlightfile.h"
#include "data/numtext.h"
#include "data/outsideworld.h"
#include "data/savefile.h"
#include "data/sharedstate.h"
#include "worldmap/gui/worldmapwindow.h"
#include "worldmap/mapgeometry.h"

namespace zv {

void ClockWindow::BuildMenus() {
  QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
  sunlightMapAction_ = file->addAction(QStringLiteral("Sunlight Map"), this, &ClockWindow::SunlightMap);
  sunlightMapAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
  settingsAction_ = file->addAction(QStringLiteral("Settings"), settingsPanel_, &QWidget::show);
  useComputerZoneAction_ =
      file->addAction(QStringLiteral("Use This Computer's Zone"), this, &ClockWindow::UseComputerZone);
  updateDstDatesAction_ =
      file->addAction(QStringLiteral("Update Daylight Saving Dates"), this, &ClockWindow::UpdateDstDates);
  refreshAction_ = file->addAction(QStringLiteral("Refresh"), refreshButton_, &QPushButton::click);
  refreshAction_->setShortcut(QKeySequence(Qt::Key_F5));
  file->addSeparator();
  exitAction_ = file->addAction(QStringLiteral("Exit"), this, &QWidget::close);
  // Ctrl+Q from any of the program's windows ends it as Exit does. Named
  // outright: QKeySequence::Quit is empty where the desktop's key scheme is
  // not known.
  exitAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
  exitAction_->setShortcutContext(Qt::ApplicationShortcut);
  // Functions: never in the menu bar, only a pop-up over the grid.
  entryMenu_ = new QMenu(QStringLiteral("Functions"), this);
  locateAction_ =
      entryMenu_->addAction(QStringLiteral("Locate on World Map"), this, &ClockWindow::LocateOnWorldMap);
  highlightAction_ = entryMenu_->addAction(QStringLiteral("Highlight"), this, &ClockWindow::HighlightItem);
  clearHighlightAction_ = entryMenu_->addAction(QStringLiteral("Clear"), this, &ClockWindow::ClearItem);
  findAction_ = entryMenu_->addAction(QStringLiteral("Find"), this, &ClockWindow::FindItems);
  moreInfoAction_ = entryMenu_->addAction(QStringLiteral("More info"), this, &ClockWindow::MoreInfo);
  changeToAction_ = entryMenu_->addAction(QStringLiteral("Change to..."), this, &ClockWindow::ChangeTo);
  highlightAction_->setVisible(false);
  clearHighlightAction_->setVisible(false);

  // View: 12 or 24 hours.
  QMenu* view = menuBar()->addMenu(tr("&View"));
  hourMenu_ = new QActionGroup(this);
  const std::pair<HourClock, QString> hours[] = {{HourClock::kDesktop, tr("Clock as on the Desktop")},
                                                 {HourClock::kTwelve, tr("12-Hour Clock")},
                                                 {HourClock::kTwentyFour, tr("24-Hour Clock")}};
  for (const auto& [choice, caption] : hours) {
    QAction* a = view->addAction(caption, this, [this, choice] { SetHourClock(choice); });
    a->setCheckable(true);
    a->setChecked(choice == hourChoice_);
    a->setData(static_cast<int>(choice));
    hourMenu_->addAction(a);
  }

  QMenu* help = menuBar()->addMenu(tr("&Help"));
  QAction* about = help->addAction(tr("&About Zorvane"), this, [this] {
    Prompts().ShowAbout(this, tr("About Zorvane"),
                        AboutText(DataFolder(), TzDatabaseVersion(ZoneinfoFolder())));
  });
  about->setObjectName(QStringLiteral("AboutAction"));
}

int ClockWindow::SelectedRow() const { return RoundHalfEven(NumberInText(Shared().selectedEntry)); }

void ClockWindow::SunlightMap() {
  WorldMapWindow* map = WorldMap();
  map->show();
  map->raise();
}

void ClockWindow::LocateOnWorldMap() {
  const int row = SelectedRow();
  SunlightMap();
  WorldMapWindow* map = WorldMap();
  // The same reading as the map's own marking: an empty or unreadable
  // coordinate counts as 0, and the command goes on.
  double lat = 0, lon = 0;
  if (row >= 1 && row < CountryTable::kRows) {
    const CountryTable& w = Shared().working;
    lat = CoordinateFromText(w.at(row, kColLatitude), QLatin1Char('N'));
    lon = CoordinateFromText(w.at(row, kColLongitude), QLatin1Char('E'));
  }
  map->MarkCountry(row);
  map->ShowPointInfo(lat, lon);
}

void ClockWindow::HighlightItem() {
  const int row = SelectedRow();
  const Rgb before = NameColour(row);
  SetNameColour(row, Shared().highlightColour);
  // A file that already holds as many numbers as are read is compacted, so
  // the new number is read back rather than shown now and lost later.
  const QString path = WritableDataPath(QStringLiteral("highlight.txt"));
  const DataFileRead file = ReadDataFile(path, kHighlightReadBytes);
  const auto compacted = file.state == DataFileRead::kError
                             ? std::nullopt
                             : CompactedHighlights(file.bytes, file.cut, row, Shared().entryCount);
  const WriteResult written = compacted ? WriteFileWhole(path, *compacted)
                                        : WriteFileWhole(path, HighlightLine(row), WriteMode::kAppend);
  if (!written.ok()) {
    // Not remembered, so not shown as highlighted either.
    SetNameColour(row, before);
    Prompts().Message(
        this,
        QStringLiteral("The highlight could not be saved to highlight.txt: %1.").arg(written.failure()));
  }
}

void ClockWindow::ClearItem() {
  SetNameColour(SelectedRow(), Shared().amColour);
  std::vector<int> keep;
  for (int n = 1; n <= Shared().entryCount; ++n)
    if (NameColour(n) == Shared().highlightColour) keep.push_back(n);
  const WriteResult written =
      WriteFileWhole(WritableDataPath(QStringLiteral("highlight.txt")), HighlightFileBytes(keep));
  if (!written.ok())
    Prompts().Message(
        this,
        QStringLiteral("The highlights could not be saved to highlight.txt: %1.").arg(written.failure()));
  calculateButton_->click();
}

void ClockWindow::FindItems() {
  for (;;) {
    const auto answer = Prompts().Input(this, kAppTitle, FindPrompt(), QString());
    if (!answer || answer->isEmpty()) return;
    int count = 0;
    for (int r = 1; r <= kGridRows; ++r) {
      if (NameContains(Shared().table.at(r, kColName), *answer)) {
        // In bold as well, so that a match does not hang on its green alone.
        grid_->SetNameColour(r, kFindColour, true);
        ++count;
      }
    }
    if (count > 0) return;
    Prompts().Message(this, QStringLiteral("None found."));
  }
}

void ClockWindow::MoreInfo() {
  if (Shared().selectedEntry.isEmpty()) Shared().selectedEntry = QStringLiteral("1");
  CountryInfoWindow* info = CountryInfo();
  info->SetEntryText(Shared().selectedEntry);
  if (info->isVisible()) {
    // Already open beside the clock: a shown window cannot become modal, so
    // bring it to the front on the entry instead, out of the task bar if the
    // user had minimised it.
    info->setWindowState(info->windowState() & ~Qt::WindowMinimized);
    info->raise();
    info->activateWindow();
    return;
  }
  // Modal over the clock window and owned by it; the world map window, a
  // window of its own, still takes input.
  info->setParent(this, info->windowFlags() | Qt::Window);
  info->setWindowModality(Qt::WindowModal);
  info->show();
  info->raise();
  info->activateWindow();
}

void ClockWindow::ChangeTo() {
  const int row = SelectedRow();
  const QString name = Shared().table.at(std::clamp(row, 0, CountryTable::kRows - 1), kColName);
  for (;;) {
    const QString t0 = TimeText(row);
    const auto answer = Prompts().Input(this, QStringLiteral("Change to..."),
                                        QStringLiteral("Enter the new time for ") + name, t0);
    if (!answer || answer->isEmpty()) return;
    const auto d = MinutesBetween(t0, *answer);
    if (!d) {
      Prompts().Message(this, tr("\"%1\" is not a time. Type a time such as 3:45 PM or 15:45.").arg(*answer));
      continue;
    }
    // Every entry shown d minutes later: times, colours, dates and counts
    // as a calculation gives them.
    changeShift_ += *d;
    RunCalculation(changeShift_);
    return;
  }
}

void ClockWindow::PressName(int row, Qt::MouseButton button) {
  Shared().selectedEntry = QString::number(row);
  changeToAction_->setVisible(true);
  const bool highlighted = NameColour(row) == Shared().highlightColour;
  highlightAction_->setVisible(!highlighted);
  clearHighlightAction_->setVisible(highlighted);
  if (button == Qt::RightButton) {
    entryMenu_->popup(QCursor::pos());
  } else if (button == Qt::LeftButton) {
    CountryInfoWindow* info = CountryInfo();
    info->SetEntryText(QString::number(row));
    info->setWindowState(info->windowState() & ~Qt::WindowMinimized);
    info->show();
    info->raise();
  }
}

void ClockWindow::PressBackground(Qt::MouseButton button) {
  if (button != Qt::RightButton) return;
  changeToAction_->setVisible(false);
  highlightAction_->setVisible(false);
  clearHighlightAction_->setVisible(false);
  entryMenu_->popup(QCursor::pos());
}

QString ClockWindow::DateThere(int row) const {
  const QDate date = gridDate_.addDays(grid_->At(row).dayOffset);
  return QLocale::c().toString(date, QStringLiteral("dddd d MMMM"));
}

QString ClockWindow::TipText(int row) const {
  if (row < 1 || row > kGridRows) return {};
  const QString full = row < CountryTable::kRows ? Shared().table.at(row, kColName) : QString();
  const bool entry = row <= std::min(Shared().entryCount, kGridRows);
  return NameTip(row, full, TimeText(row), TimeText(kRowDstLegend), entry ? DateThere(row) : QString())
      .value_or(QString());
}

QString ClockWindow::SpokenText(int row) const {
  const ClockGrid::Cell& c = grid_->At(row);
  if (row > std::min(Shared().entryCount, kGridRows)) return c.caption + QLatin1Char(' ') + c.time;
  QStringList words{Shared().table.at(row, kColName), c.time, DateThere(row)};
  if (c.nameColour == Shared().dstColour) words << tr("daylight saving time in force");
  if (c.nameColour == Shared().highlightColour) words << tr("highlighted");
  if (c.found) words << tr("found");
  return words.join(QStringLiteral(", "));
}

}  // namespace zv
