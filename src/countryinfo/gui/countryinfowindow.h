#pragma once
// The country information window: one entry of the working copy at a
// time, its editing, finding and saving, and the preview of its map picture.

#include <QWidget>
#include <array>

#include "countryinfo/entryedit.h"

class QAction;
class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QScrollBar;

namespace zv {

// The design sizes of the window and its picture area, in twips.
inline constexpr double kInfoWideTwips = 11415;
inline constexpr double kInfoNarrowTwips = 5600;
inline constexpr double kInfoHeightTwips = 6480;
inline constexpr double kPictureFrameWidthTwips = 5355;
inline constexpr double kPictureFrameHeightTwips = 5805;
inline constexpr double kImageHomeLeftTwips = 90;
inline constexpr double kImageHomeTopTwips = 180;
inline constexpr double kScrollStepTwips = 200;
// The property that marks a label as a link for screen readers.
inline constexpr char kLinkProperty[] = "zorvaneLink";

class CountryInfoWindow : public QWidget {
  Q_OBJECT
 public:
  // The buttons along the bottom edge, by their designed index.
  enum Button : int {
    kButtonFirst = 0,     // "<<"
    kButtonPrevious = 1,  // "<"
    kButtonNext = 2,      // ">"
    kButtonLast = 3,      // ">>"
    kButtonClose = 4,
    kButtonSave = 5,
    kButtonCommit = 6,  // "Sa&ve", out of sight: Alt+V
    kButtonFind = 7,
    kButtonUndo = 8,
  };
  static constexpr int kButtonCount = 9;

  explicit CountryInfoWindow(QWidget* parent = nullptr);
  ~CountryInfoWindow() override;

  // Writes a text into the entry number box, which shows that entry.
  void SetEntryText(const QString& text);
  QLineEdit* EntryNumberBox() const { return entryNumberBox_; }

  // Fills every field from working-copy row `entry` (taken to the nearest
  // whole number, a half to the even neighbour) and sets up the preview.
  void UpdateFields(double entry);
  // Fills only the daylight-saving fields (check box, hours, dates, the
  // notice) from working-copy row r: for dates updated while the user may be
  // editing the other boxes.
  void ShowDstFields(int r);

  // The twelve boxes: 0 .. 10 are line boxes, 11 the brief history.
  QWidget* FieldBox(int i) const { return fieldBoxes_.at(i); }
  QLineEdit* LineBox(int i) const;
  QPlainTextEdit* HistoryBox() const { return history_; }
  QString BoxText(int i) const;
  void SetBoxText(int i, const QString& text);
  bool IsLocked(int i) const;

  QCheckBox* DstCheckBox() const { return dstCheckBox_; }
  QLabel* TimeNowLabel() const { return timeNowLabel_; }
  QLabel* MapTitleLabel() const { return mapTitleLabel_; }
  QLabel* LocateLink() const { return locateLink_; }
  QLabel* DstNotice() const { return dstNotice_; }
  QLabel* Hint() const { return hint_; }
  QComboBox* NameList() const { return nameList_; }
  QGroupBox* FurtherInfoFrame() const { return furtherInfoFrame_; }
  QFrame* PictureFrame() const { return pictureFrame_; }
  QLabel* MapImage() const { return mapImage_; }
  QScrollBar* VerticalBar() const { return verticalBar_; }
  QScrollBar* HorizontalBar() const { return horizontalBar_; }
  QPushButton* ButtonAt(int i) const { return buttons_.at(i); }
  QMenu* PictureMenu() const { return pictureMenu_; }
  QAction* CopyPictureAction() const { return copyPictureAction_; }
  QAction* OpenPictureAction() const { return openPictureAction_; }

  // The commands, as their buttons and menu items run them.
  bool Commit();  // false when a box could not be taken (the user was told)
  // Writes the working copy, with the shown entry's boxes taken, to the
  // recovery copy beside the table when there are edits not saved (the
  // program is ending from outside). Returns what went wrong, else empty.
  QString KeepUnsavedEdits();
  void Navigate(int index);
  void Save();
  // Whether the boxes or the working copy hold changes that the user made
  // and did not save.
  bool HasUnsavedEdits() const;
  // Asks what to do with changes not saved before they would be lost: true
  // when the window may close (saved, or thrown away), false to keep it.
  bool SettleUnsavedEdits();
  void Find();
  void Undo();
  void CopyPicture();
  void OpenPicture();
  void LocateOnWorldMap();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildLayout();
  void BuildAccess();  // countryinfowindow_access.cpp
  // Makes the labels marked as links links for screen readers; before any
  // such label is made, since a label's reader interface is made with it.
  static void InstallLinkAccess();  // countryinfowindow_access.cpp
  void FillList();
  void EntryTextChanged(const QString& text);
  void CheckChanged();
  void EnableDstBoxes();
  void ButtonClicked(int index);
  bool WriteTable();  // commits and writes the file; false when it failed (the user was told)
  bool StartsEditing(int i, const QKeyEvent& key) const;
  void FocusGained(int i);
  void FocusLost(int i);
  EntryBoxes TakeBoxes() const;
  void Unlock(int i);
  void SetUpPicture();
  void CentreHorizontally();
  void Scrolled(QScrollBar* bar, int value);
  void PlaceImage();

  std::array<QWidget*, kBoxCount> fieldBoxes_{};
  QPlainTextEdit* history_ = nullptr;
  QLineEdit* entryNumberBox_ = nullptr;
  QCheckBox* dstCheckBox_ = nullptr;
  QLabel* timeNowLabel_ = nullptr;
  QLabel* mapTitleLabel_ = nullptr;
  QLabel* locateLink_ = nullptr;
  QLabel* dstNotice_ = nullptr;
  QLabel* fromCaption_ = nullptr;
  QLabel* toCaption_ = nullptr;
  bool dstInForce_ = false;
  // Changes the user made were taken into the working copy and not saved.
  bool committedEdits_ = false;
  QLabel* hint_ = nullptr;
  QFrame* timeNowFrame_ = nullptr;
  QComboBox* nameList_ = nullptr;
  QGroupBox* furtherInfoFrame_ = nullptr;
  QFrame* pictureFrame_ = nullptr;
  QLabel* mapImage_ = nullptr;
  QScrollBar* verticalBar_ = nullptr;
  QScrollBar* horizontalBar_ = nullptr;
  std::array<QPushButton*, kButtonCount> buttons_{};
  QMenu* pictureMenu_ = nullptr;
  QAction* copyPictureAction_ = nullptr;
  QAction* openPictureAction_ = nullptr;

  // What each box showed when the entry was filled in, to tell an edited box
  // from one the user only looked at; and whether the field was too long
  // to show whole.
  // Watches the link and the picture for keys and focus. Deleted before the
  // controls, whose destruction would otherwise reach it on a window that is
  // already half gone.
  QObject* keys_ = nullptr;

  std::array<QString, kBoxCount> shown_{};
  std::array<bool, kBoxCount> tooLong_{};
  QString hintText_;

  double imageLeft_ = kImageHomeLeftTwips;
  double imageTop_ = kImageHomeTopTwips;
  // Scroll state: previous and present values of the two bars.
  int hPrev_ = 0, hNow_ = 0, vPrev_ = 0, vNow_ = 0;
};

}  // namespace zv
