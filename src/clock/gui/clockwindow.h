#pragma once
// The clock window: the grid of every entry's local time, the own-time
// panel, start-up and exit.

#include <QDateTime>
#include <QMainWindow>
#include <array>
#include <optional>

#include "clock/gridcalc.h"
#include "clock/hourclock.h"
#include "data/rgb.h"
#include "data/tzonefile.h"

class QAction;
class QActionGroup;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QTimer;

namespace zv {

class ClockGrid;
class WriteResult;

class ClockWindow : public QMainWindow {
  Q_OBJECT
 public:
  explicit ClockWindow(QWidget* parent = nullptr);
  ~ClockWindow() override;

  // Start-up: size and place the window, read the zone and country files,
  // build the grid, run the first calculation, load the country information
  // window hidden.
  void StartUp();

  // Reads countries.txt into the country table.
  // At start-up: offers to save or discard the edits kept when the program
  // last ended from outside.
  void OfferKeptEdits();
  void ReadCountriesFile();
  // Writes tzone.txt from the settings panel, once: later calls do nothing
  // and succeed. A failure carries the whole message for the user.
  WriteResult SaveZoneSettings();
  // Builds one column of the grid: rows first .. last in column 1 .. 6.
  void Loader(int first, int last, int column);

  // The grid's cells, rows 1 .. 228: where a name lies in the grid (empty
  // before the grid is built), its caption, time and colour.
  QRect NameRect(int row) const;
  QString NameCaption(int row) const;
  QString TimeText(int row) const;
  Rgb NameColour(int row) const;
  void SetNameColour(int row, const Rgb& colour);

  // The own-time panel and its controls.
  QWidget* Picture1() const { return picture1_; }
  QLineEdit* Text1() const { return text1_; }
  QLineEdit* Text2() const { return text2_; }
  QLineEdit* Text3() const { return text3_; }
  QPushButton* Command1() const { return command1_; }
  QPushButton* Command2() const { return command2_; }
  QPushButton* Command3() const { return command3_; }
  QTimer* Timer1() const { return timer1_; }
  ClockGrid* Grid() const { return grid_; }

  // The calculation (what Command3 does).
  void Calculate();
  // Puts the computer's time into Text1 and calculates (Refresh, the timer).
  void Refresh();

  // Text colour of the name template.
  static Rgb NameTemplateColour();

  // The File menu's items and the Functions pop-up menu (mnuFunc).
  QAction* mnuSunClock() const { return mnuSunClock_; }
  QAction* mnuSettings() const { return mnuSettings_; }
  QAction* mnuRefresh() const { return mnuRefresh_; }
  QAction* mnuUseZone() const { return mnuUseZone_; }
  QAction* mnuUpdateDst() const { return mnuUpdateDst_; }
  QAction* mnuExit() const { return mnuExit_; }
  QMenu* mnuFunc() const { return mnuFunc_; }
  QAction* mnuLocate() const { return mnuLocate_; }
  QAction* mnuHiliteItem() const { return mnuHiliteItem_; }
  QAction* mnuNormalize() const { return mnuNormalize_; }
  QAction* mnuFind() const { return mnuFind_; }
  QAction* mnuEditItem() const { return mnuEditItem_; }
  QAction* mnuChange() const { return mnuChange_; }

  // The list commands, on the selected entry (Shared().selectedEntry).
  void SunlightMap();
  void LocateOnWorldMap();
  void HighlightItem();
  void ClearItem();
  void FindItems();
  void MoreInfo();
  void ChangeTo();

  // Own zone and daylight-saving dates from the computer's time zone.
  void UseComputerZone();
  void UpdateDstDates();
  // At start-up, and at the first tick of a new year: offers UpdateDstDates
  // when the dates in use are of an earlier year.
  void OfferDstUpdate();

  // A mouse press on name cell row (the selection steps), and on the
  // background of the grid.
  void PressName(int row, Qt::MouseButton button);
  void PressBackground(Qt::MouseButton button);
  // The tip of a name cell (empty for none), and what a screen reader says
  // for its row: name, time, the date there and its states.
  QString TipText(int row) const;
  QString SpokenText(int row) const;
  // The weekday and date of an entry's local time, "Tuesday 8 December".
  QString DateThere(int row) const;
  // 12 or 24 hours, as the desktop writes times or as the user chose
  // (remembered between runs).
  void SetHourClock(HourClock choice);
  HourClock HourClockChoice() const { return hourChoice_; }
  QActionGroup* HourClockMenu() const { return hourMenu_; }
  // The selected entry as a row number (0 when empty).
  int SelectedRow() const;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildPanel();
  void BuildMenus();
  void BuildAccess();  // clockwindow_access.cpp
  void ApplyColours(const GridResult& result);
  // The calculation, every entry shown shiftMinutes later.
  void RunCalculation(int shiftMinutes);
  // The minute tick, armed for the start of the next minute.
  void ArmMinuteTick();
  bool TwentyFourHours() const;
  // A time of the own-time panel in the clock's hours.
  QString OwnTimeText(int minutes) const;

  ClockGrid* grid_ = nullptr;
  bool gridBuilt_ = false;
  QDate gridDate_;  // the user's date in the last calculation
  int changeShift_ = 0;
  bool minuteTick_ =
      false;  // Refresh runs from the minute tick  // minutes "Change to..." moved the shown times
  HourClock hourChoice_ = HourClock::kDesktop;
  QActionGroup* hourMenu_ = nullptr;
  QWidget* picture1_ = nullptr;
  QGroupBox* frame1_ = nullptr;
  QLineEdit* text1_ = nullptr;
  QLineEdit* text2_ = nullptr;
  QLineEdit* text3_ = nullptr;
  QPushButton* command1_ = nullptr;
  QPushButton* command2_ = nullptr;
  QPushButton* command3_ = nullptr;
  QTimer* timer1_ = nullptr;
  bool closing_ = false;
  QDateTime zoneCheckedAt_;  // when the own-zone fields were last compared with the computer's
  bool zoneSaved_ = false;
  int calculations_ = 0;  // counts Calculate's runs, so Refresh runs it once
  // The settings guessed at start-up for a computer whose zone could not be
  // read; not saved while the fields hold them.
  std::optional<ZoneTexts> zoneGuess_;
  std::optional<ZoneTexts> zoneRead_;  // the settings tzone.txt held at start-up
  QAction* mnuSunClock_ = nullptr;
  QAction* mnuSettings_ = nullptr;
  QAction* mnuRefresh_ = nullptr;
  QAction* mnuUseZone_ = nullptr;
  QAction* mnuUpdateDst_ = nullptr;
  QAction* mnuExit_ = nullptr;
  QMenu* mnuFunc_ = nullptr;
  QAction* mnuLocate_ = nullptr;
  QAction* mnuHiliteItem_ = nullptr;
  QAction* mnuNormalize_ = nullptr;
  QAction* mnuFind_ = nullptr;
  QAction* mnuEditItem_ = nullptr;
  QAction* mnuChange_ = nullptr;
};

}  // namespace zv
