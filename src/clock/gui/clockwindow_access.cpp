// The clock window's keyboard and screen-reader access: the grid takes the
// keyboard focus and shows the selected name with a frame; the arrow keys
// move the selection, Shift+F10 and the Menu key open the Functions pop-up
// for it, Enter opens its country information; the settings fields carry
// the names of their captions.
#include <QAccessible>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QTimer>

#include "app/gui/appwindows.h"
#include "clock/gui/clockwindow.h"

namespace zv {

namespace {

const QColor kSelectionColour(255, 255, 255);

// The frame drawn around the selected name while the grid has the focus.
class SelectionFrame : public QWidget {
 public:
  explicit SelectionFrame(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("gridSelection"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.setPen(QPen(kSelectionColour, 1, Qt::DotLine));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
  }
};

// Keys on the grid, by an event filter on it.
class GridKeys : public QObject {
 public:
  GridKeys(ClockWindow* window, QWidget* grid) : QObject(grid), window_(window), grid_(grid) {
    frame_ = new SelectionFrame(grid);
    grid->setFocusPolicy(Qt::StrongFocus);
    grid->setAccessibleName(QCoreApplication::translate("zv::ClockWindow", "Time list"));
    grid->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched != grid_) return false;
    switch (event->type()) {
      case QEvent::ShortcutOverride: {
        // Enter on the grid opens the entry rather than the window's
        // Enter shortcut (the settings panel's calculation).
        auto* key = static_cast<QKeyEvent*>(event);
        if (grid_->hasFocus() && IsEnter(*key)) {
          event->accept();
          return true;
        }
        return false;
      }
      case QEvent::KeyPress:
        // Keys that a settings field inside the grid passed up are not for it.
        return grid_->hasFocus() && KeyPress(*static_cast<QKeyEvent*>(event));
      case QEvent::FocusIn:
        ShowFrame(CursorRow());
        return false;
      case QEvent::FocusOut:
        frame_->hide();
        return false;
      default:
        return false;
    }
  }

 private:
  static bool IsEnter(const QKeyEvent& key) {
    return (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter) &&
           (key.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
  }

  bool Usable(int row) const {
    const QLabel* cell = window_->NameCell(row);
    return cell && !cell->isHidden() && !cell->text().isEmpty();
  }

  // The row the keys act on: the selected entry when it is a name in the
  // grid, else the first name.
  int CursorRow() const {
    const int selected = window_->SelectedRow();
    if (selected >= 1 && selected <= kGridRows && Usable(selected)) return selected;
    for (int r = 1; r <= kGridRows; ++r)
      if (Usable(r)) return r;
    return 0;
  }

  // The next usable row in reading order (step +1 or -1), or row itself.
  int Step(int row, int step) const {
    for (int r = row + step; r >= 1 && r <= kGridRows; r += step)
      if (Usable(r)) return r;
    return row;
  }

  // The name in the neighbouring column (side +1 right, -1 left) nearest to
  // row's height, or row itself.
  int Across(int row, int side) const {
    const QRect from = window_->NameCell(row)->geometry();
    int best = row;
    int bestDx = 0, bestDy = 0;
    for (int r = 1; r <= kGridRows; ++r) {
      if (!Usable(r)) continue;
      const QRect to = window_->NameCell(r)->geometry();
      const int dx = (to.x() - from.x()) * side;
      if (dx <= 0) continue;
      const int dy = std::abs(to.y() - from.y());
      if (best == row || dx < bestDx || (dx == bestDx && dy < bestDy)) {
        best = r;
        bestDx = dx;
        bestDy = dy;
      }
    }
    return best;
  }

  bool KeyPress(const QKeyEvent& key) {
    const int row = CursorRow();
    if (row == 0) return false;
    const bool plain = (key.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    const bool menuKey =
        key.key() == Qt::Key_Menu || (key.key() == Qt::Key_F10 && key.modifiers() == Qt::ShiftModifier);
    if (menuKey) {
      Select(row);
      QLabel* cell = window_->NameCell(row);
      window_->mnuFunc()->popup(cell->mapToGlobal(QPoint(0, cell->height())));
      return true;
    }
    if (!plain) return false;
    int to = row;
    switch (key.key()) {
      case Qt::Key_Up:
        to = Step(row, -1);
        break;
      case Qt::Key_Down:
        to = Step(row, +1);
        break;
      case Qt::Key_Left:
        to = Across(row, -1);
        break;
      case Qt::Key_Right:
        to = Across(row, +1);
        break;
      case Qt::Key_Home:
        to = Step(0, +1);
        break;
      case Qt::Key_End:
        to = Step(kGridRows + 1, -1);
        break;
      case Qt::Key_Return:
      case Qt::Key_Enter:
        Select(row);
        window_->MoreInfo();
        return true;
      default:
        return false;
    }
    Select(to);
    return true;
  }

  // The selection steps of a press on the name, without opening anything.
  void Select(int row) {
    window_->PressName(row, Qt::NoButton);
    ShowFrame(row);
    window_->UpdateTip(row);
    grid_->setAccessibleDescription(window_->NameCell(row)->toolTip());
    QAccessibleEvent changed(grid_, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&changed);
  }

  void ShowFrame(int row) {
    if (row == 0 || !grid_->hasFocus()) return;
    frame_->setGeometry(window_->NameCell(row)->geometry().adjusted(-1, -1, 1, 1));
    frame_->raise();
    frame_->show();
  }

  ClockWindow* window_;
  QWidget* grid_;
  SelectionFrame* frame_;
};

}  // namespace

void ClockWindow::BuildAccess() {
  new GridKeys(this, Grid());
  text1_->setAccessibleName(tr("Local time"));
  text3_->setAccessibleName(tr("Includes a daylight saving time of (hrs)"));
  text2_->setAccessibleName(tr("Normal timezone relative to GMT (hrs)"));
}

}  // namespace zv
