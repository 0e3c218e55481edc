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

  // Start-up: size and place the window, then read the zone and country
  // files, build the grid and run the first calculation.
  void StartUp();
  // The two halves of StartUp, for a caller that shows the window between
  // them: it is then mapped sooner and still first painted with every time.
  void PlaceOnScreen();
  void ReadDataAndCalculate();

  // Reads countries.txt into the country table.
  // At start-up: offers to save or discard the edits kept when the program
  // last ended from outside.
  void OfferKeptEdits();
  void ReadCountriesFile();
  // Writes tzone.txt from the settings panel, once: later calls do nothing
  // and succeed. A failure carries the whole message for the user.
  WriteResult SaveZoneSettings();
  // Builds one column of the grid: rows first .. last in column 1 .. 6.
  void BuildColumn(int first, int last, int column);

  // The grid's cells, rows 1 .. 228: where a name lies in the grid (empty
  // before the grid is built), its caption, time and colour.
  QRect NameRect(int row) const;
  QString NameCaption(int row) const;
  QString TimeText(int row) const;
  Rgb NameColour(int row) const;
  void SetNameColour(int row, const Rgb& colour);

  // The own-time panel and its controls.
  QWidget* SettingsPanel() const { return settingsPanel_; }
  QLineEdit* LocalTimeBox() const { return localTimeBox_; }
  QLineEdit* StandardOffsetBox() const { return standardOffsetBox_; }
  QLineEdit* DstHoursBox() const { return dstHoursBox_; }
  QPushButton* ClosePanelButton() const { return closePanelButton_; }
  QPushButton* RefreshButton() const { return refreshButton_; }
  QPushButton* CalculateButton() const { return calculateButton_; }
  QTimer* MinuteTimer() const { return minuteTimer_; }
  ClockGrid* Grid() const { return grid_; }

  // The calculation (what the hidden Calculate button does).
  void Calculate();
  // Puts the computer's time into the local time box and calculates (Refresh, the timer).
  void Refresh();

  // Text colour of the name template.
  static Rgb NameTemplateColour();

  // The File menu's items and the Functions pop-up menu over the grid.
  QAction* SunlightMapAction() const { return sunlightMapAction_; }
  QAction* SettingsAction() const { return settingsAction_; }
  QAction* RefreshAction() const { return refreshAction_; }
  QAction* UseComputerZoneAction() const { return useComputerZoneAction_; }
  QAction* UpdateDstDatesAction() const { return updateDstDatesAction_; }
  QAction* ExitAction() const { return exitAction_; }
  QMenu* EntryMenu() const { return entryMenu_; }
  QAction* LocateAction() const { return locateAction_; }
  QAction* HighlightAction() const { return highlightAction_; }
  QAction* ClearHighlightAction() const { return clearHighlightAction_; }
  QAction* FindAction() const { return findAction_; }
  QAction* MoreInfoAction() const { return moreInfoAction_; }
  QAction* ChangeToAction() const { return changeToAction_; }

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
  // Whether times show 24 hours, by the choice or else the desktop.
  bool TwentyFourHours() const;
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
  QWidget* settingsPanel_ = nullptr;
  QGroupBox* settingsFrame_ = nullptr;
  QLineEdit* localTimeBox_ = nullptr;
  QLineEdit* standardOffsetBox_ = nullptr;
  QLineEdit* dstHoursBox_ = nullptr;
  QPushButton* closePanelButton_ = nullptr;
  QPushButton* refreshButton_ = nullptr;
  QPushButton* calculateButton_ = nullptr;
  QTimer* minuteTimer_ = nullptr;
  bool closing_ = false;
  QDateTime zoneCheckedAt_;  // when the own-zone fields were last compared with the computer's
  bool zoneSaved_ = false;
  int calculations_ = 0;  // counts Calculate's runs, so Refresh runs it once
  // The settings guessed at start-up for a computer whose zone could not be
  // read; not saved while the fields hold them.
  std::optional<ZoneTexts> zoneGuess_;
  std::optional<ZoneTexts> zoneRead_;  // the settings tzone.txt held at start-up
  QAction* sunlightMapAction_ = nullptr;
  QAction* settingsAction_ = nullptr;
  QAction* refreshAction_ = nullptr;
  QAction* useComputerZoneAction_ = nullptr;
  QAction* updateDstDatesAction_ = nullptr;
  QAction* exitAction_ = nullptr;
  QMenu* entryMenu_ = nullptr;
  QAction* locateAction_ = nullptr;
  QAction* highlightAction_ = nullptr;
  QAction* clearHighlightAction_ = nullptr;
  QAction* findAction_ = nullptr;
  QAction* moreInfoAction_ = nullptr;
  QAction* changeToAction_ = nullptr;
};

}  // namespace zv
