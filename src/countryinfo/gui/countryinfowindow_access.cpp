// The country information window's keyboard and screen-reader access: every
// field, button, list and scroll bar carries a name taken from its caption;
// the "Locate on World Map" link takes the focus and Enter or Space follows
// it; the picture area takes the focus, scrolls the picture with the arrow,
// Page and Home/End keys, and Shift+F10 or the Menu key opens its pop-up
// menu (Copy, Open). Tab goes through the controls as they are read: the
// fields from top to bottom, the bottom row from left to right, then the
// picture.
#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QCheckBox>
#include <QComboBox>
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
      return QStringLiteral("Daylight saving time of (hrs)");
    case kBoxDstStart:
      return QStringLiteral("Daylight saving time from");
    case kBoxDstEnd:
      return QStringLiteral("Daylight saving time to");
    case kBoxMapName:
      return QStringLiteral("Map picture name");
    default:
      return BoxCaption(box);
  }
}

// Buttons whose captions are signs, by their index.
struct ButtonName {
  int index;
  const char* name;
};
constexpr ButtonName kSignButtons[] = {{CountryInfoWindow::kButtonFirst, "First entry"},
                                       {CountryInfoWindow::kButtonPrevious, "Previous entry"},
                                       {CountryInfoWindow::kButtonNext, "Next entry"},
                                       {CountryInfoWindow::kButtonLast, "Last entry"}};

bool IsMenuKey(const QKeyEvent& key) {
  return key.key() == Qt::Key_Menu || (key.key() == Qt::Key_F10 && key.modifiers() == Qt::ShiftModifier);
}

// The bar and the step a key moves the picture by; no bar for other keys.
std::pair<QScrollBar*, QAbstractSlider::SliderAction> PictureStep(CountryInfoWindow* window, int key) {
  QScrollBar* across = window->HorizontalBar();
  QScrollBar* down = window->VerticalBar();
  switch (key) {
    case Qt::Key_Left:
      return {across, QAbstractSlider::SliderSingleStepSub};
    case Qt::Key_Right:
      return {across, QAbstractSlider::SliderSingleStepAdd};
    case Qt::Key_Up:
      return {down, QAbstractSlider::SliderSingleStepSub};
    case Qt::Key_Down:
      return {down, QAbstractSlider::SliderSingleStepAdd};
    case Qt::Key_PageUp:
      return {down, QAbstractSlider::SliderPageStepSub};
    case Qt::Key_PageDown:
      return {down, QAbstractSlider::SliderPageStepAdd};
    case Qt::Key_Home:
      return {down, QAbstractSlider::SliderToMinimum};
    case Qt::Key_End:
      return {down, QAbstractSlider::SliderToMaximum};
    default:
      return {nullptr, QAbstractSlider::SliderNoAction};
  }
}

// "Locate on World Map" as a screen reader should hear it: a link that can
// be pressed.
class LinkAccessible : public QAccessibleWidget {
 public:
  explicit LinkAccessible(QWidget* label) : QAccessibleWidget(label, QAccessible::Link) {}
  QStringList actionNames() const override {
    return QStringList{pressAction()} + QAccessibleWidget::actionNames();
  }
  void doAction(const QString& action) override {
    if (action != pressAction()) return QAccessibleWidget::doAction(action);
    if (auto* window = qobject_cast<CountryInfoWindow*>(widget()->window())) window->LocateOnWorldMap();
  }
};

QAccessibleInterface* LinkFactory(const QString&, QObject* object) {
  auto* label = qobject_cast<QLabel*>(object);
  if (!label || !label->property(kLinkProperty).toBool()) return nullptr;
  return new LinkAccessible(label);
}

bool IsActivateKey(const QKeyEvent& key) {
  return key.modifiers() == Qt::NoModifier &&
         (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter || key.key() == Qt::Key_Space);
}

// Keys on the link and on the picture area.
class InfoKeys : public QObject {
 public:
  explicit InfoKeys(CountryInfoWindow* window) : QObject(window), window_(window) {
    QLabel* link = window->LocateLink();
    link->setFocusPolicy(Qt::StrongFocus);
    link->installEventFilter(this);
    QFrame* picture = window->PictureFrame();
    picture->setFocusPolicy(Qt::StrongFocus);
    picture->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    QFrame* picture = window_->PictureFrame();
    if (watched == picture && (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)) {
      // The frame drawn thicker, in the selection colour, while it has the
      // focus.
      const bool in = event->type() == QEvent::FocusIn;
      QPalette p = picture->palette();
      p.setColor(QPalette::WindowText, in ? window_->palette().color(QPalette::Highlight)
                                          : window_->palette().color(QPalette::WindowText));
      picture->setPalette(p);
      picture->setLineWidth(in ? 2 : 1);
      return false;
    }
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride) return false;
    const auto& key = *static_cast<QKeyEvent*>(event);
    if (watched == window_->LocateLink() && IsActivateKey(key)) {
      // Enter here follows the link rather than pressing the window's
      // Enter button.
      if (event->type() == QEvent::KeyPress) window_->LocateOnWorldMap();
      event->accept();
      return true;
    }
    if (watched != picture || event->type() != QEvent::KeyPress) return false;
    if (IsMenuKey(key)) {
      window_->PictureMenu()->popup(picture->mapToGlobal(QPoint(0, 0)));
      return true;
    }
    const auto [bar, step] = PictureStep(window_, key.modifiers() == Qt::NoModifier ? key.key() : 0);
    if (!bar) return false;
    bar->triggerAction(step);
    return true;
  }

 private:
  CountryInfoWindow* window_;
};

}  // namespace

void CountryInfoWindow::InstallLinkAccess() {
  static const bool installed = (QAccessible::installFactory(LinkFactory), true);
  (void)installed;
}

void CountryInfoWindow::BuildAccess() {
  for (int i = 0; i < kBoxCount; ++i) fieldBoxes_[i]->setAccessibleName(BoxName(i));
  nameList_->setAccessibleName(QStringLiteral("Country or Zone list"));
  // A screen reader on Linux says a drop-down list's chosen line as its name
  // and takes the caption from the label that names it.
  for (QLabel* caption : findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly))
    if (caption->text() == BoxCaption(kBoxName)) caption->setBuddy(nameList_);
  entryNumberBox_->setAccessibleName(QStringLiteral("Entry number"));
  for (const ButtonName& b : kSignButtons) buttons_[b.index]->setAccessibleName(QString::fromLatin1(b.name));
  verticalBar_->setAccessibleName(QStringLiteral("Scroll the map picture up and down"));
  horizontalBar_->setAccessibleName(QStringLiteral("Scroll the map picture left and right"));
  pictureFrame_->setAccessibleName(QStringLiteral("Map picture"));
  history_->verticalScrollBar()->setAccessibleName(tr("Scroll the brief history up and down"));
  history_->horizontalScrollBar()->setAccessibleName(tr("Scroll the brief history left and right"));
  nameList_->view()->setAccessibleName(tr("Country or Zone names"));
  locateLink_->setAccessibleName(locateLink_->text());
  keys_ = new InfoKeys(this);

  // Tab order: as the window is read.
  QList<QWidget*> order{fieldBoxes_[kBoxName], nameList_, fieldBoxes_[kBoxOffset], dstCheckBox_};
  for (int box = kBoxDstHours; box <= kBoxMapName; ++box)
    if (box != kBoxLanguages) order << fieldBoxes_[box];
  order << locateLink_ << fieldBoxes_[kBoxLanguages] << history_;
  for (int b : {kButtonFirst, kButtonPrevious}) order << buttons_[b];
  order << entryNumberBox_;
  for (int b : {kButtonNext, kButtonLast, kButtonFind, kButtonUndo, kButtonSave, kButtonClose})
    order << buttons_[b];
  order << pictureFrame_;
  for (qsizetype k = 1; k < order.size(); ++k) setTabOrder(order[k - 1], order[k]);
}

}  // namespace zv
