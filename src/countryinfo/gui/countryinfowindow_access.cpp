// The country information window's keyboard and screen-reader access: every
// field, button, list and scroll bar carries a name taken from its caption;
// the "Locate on World Map" link takes the focus and Enter or Space follows
// it; the picture area takes the focus and Shift+F10 or the Menu key opens
// its pop-up menu (Copy, Open).
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>

#include "countryinfo/entryedit.h"
#include "countryinfo/gui/countryinfowindow.h"

namespace zv {

namespace {

// What a screen reader says for each box: its caption, with the words around
// it where the caption alone says little ("hrs", "from", "to").
QString BoxName(int box) {
  switch (box) {
    case kBoxDstHours:
      return QCoreApplication::translate("zv::CountryInfoWindow", "Daylight saving time of (hrs)");
    case kBoxDstStart:
      return QCoreApplication::translate("zv::CountryInfoWindow", "Daylight saving time from");
    case kBoxDstEnd:
      return QCoreApplication::translate("zv::CountryInfoWindow", "Daylight saving time to");
    case kBoxMapName:
      return QCoreApplication::translate("zv::CountryInfoWindow", "Map picture name");
    default:
      return BoxCaption(box);
  }
}

// Buttons whose captions are signs, by index of Command1.
struct ButtonName {
  int index;
  const char* name;
};
constexpr ButtonName kSignButtons[] = {
    {CountryInfoWindow::kButtonFirst, QT_TRANSLATE_NOOP("zv::CountryInfoWindow", "First entry")},
    {CountryInfoWindow::kButtonPrevious, QT_TRANSLATE_NOOP("zv::CountryInfoWindow", "Previous entry")},
    {CountryInfoWindow::kButtonNext, QT_TRANSLATE_NOOP("zv::CountryInfoWindow", "Next entry")},
    {CountryInfoWindow::kButtonLast, QT_TRANSLATE_NOOP("zv::CountryInfoWindow", "Last entry")}};

bool IsMenuKey(const QKeyEvent& key) {
  return key.key() == Qt::Key_Menu || (key.key() == Qt::Key_F10 && key.modifiers() == Qt::ShiftModifier);
}

bool IsActivateKey(const QKeyEvent& key) {
  return key.modifiers() == Qt::NoModifier &&
         (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter || key.key() == Qt::Key_Space);
}

// Keys on the link and on the picture area.
class InfoKeys : public QObject {
 public:
  explicit InfoKeys(CountryInfoWindow* window) : QObject(window), window_(window) {
    QLabel* link = window->Label4();
    link->setFocusPolicy(Qt::StrongFocus);
    link->installEventFilter(this);
    QFrame* picture = window->Frame2();
    picture->setFocusPolicy(Qt::StrongFocus);
    picture->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride) return false;
    const auto& key = *static_cast<QKeyEvent*>(event);
    if (watched == window_->Label4() && IsActivateKey(key)) {
      // Enter here follows the link rather than pressing the window's
      // Enter button.
      if (event->type() == QEvent::KeyPress) window_->LocateOnWorldMap();
      event->accept();
      return true;
    }
    if (watched == window_->Frame2() && IsMenuKey(key) && event->type() == QEvent::KeyPress) {
      window_->mnuFile()->popup(window_->Frame2()->mapToGlobal(QPoint(0, 0)));
      return true;
    }
    return false;
  }

 private:
  CountryInfoWindow* window_;
};

}  // namespace

void CountryInfoWindow::BuildAccess() {
  for (int i = 0; i < kBoxCount; ++i) text1_[i]->setAccessibleName(BoxName(i));
  combo1_->setAccessibleName(tr("Country or Zone list"));
  // A screen reader on Linux says a drop-down list's chosen line as its name
  // and takes the caption from the label that names it.
  for (QLabel* caption : findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly))
    if (caption->text() == BoxCaption(kBoxName)) caption->setBuddy(combo1_);
  text2_->setAccessibleName(tr("Entry number"));
  label2_->setAccessibleName(tr("Time now"));
  for (const ButtonName& b : kSignButtons) command1_[b.index]->setAccessibleName(tr(b.name));
  vscroll1_->setAccessibleName(tr("Scroll the map picture up and down"));
  hscroll1_->setAccessibleName(tr("Scroll the map picture left and right"));
  frame2_->setAccessibleName(tr("Map picture"));
  new InfoKeys(this);
}

}  // namespace zv
