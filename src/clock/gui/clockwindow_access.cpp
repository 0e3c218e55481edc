// The clock window's keyboard and screen-reader access: the grid takes the
// keyboard focus and shows the selected name with a frame; the arrow keys
// move the selection, Shift+F10 and the Menu key open the Functions pop-up
// for it, Enter opens its country information; the settings fields carry
// the names of their captions.
#include <QAccessible>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QTimer>
#include <QToolTip>

#include "app/gui/appwindows.h"
#include "clock/gui/clockgrid.h"
#include "clock/gui/clockwindow.h"

namespace zv {

namespace {

// Keys on the grid, by an event filter on it.
class GridKeys : public QObject {
 public:
  GridKeys(ClockWindow* window, ClockGrid* grid) : QObject(grid), window_(window), grid_(grid) {
    grid->setFocusPolicy(Qt::StrongFocus);
    grid->setAccessibleName(QStringLiteral("Time list"));
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
        grid_->update();  // the frame goes
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

  bool Usable(int row) const { return grid_->Usable(row); }

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
    const QRect from = window_->NameRect(row);
    int best = row;
    int bestDx = 0, bestDy = 0;
    for (int r = 1; r <= kGridRows; ++r) {
      if (!Usable(r)) continue;
      const QRect to = window_->NameRect(r);
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
      window_->EntryMenu()->popup(grid_->mapToGlobal(window_->NameRect(row).bottomLeft()));
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

  // The selection steps of a press on the name, without opening anything;
  // the frame moves there and its tip shows the full name and the date.
  void Select(int row) {
    window_->PressName(row, Qt::NoButton);
    ShowFrame(row);
    const QRect cell = window_->NameRect(row);
    QToolTip::showText(grid_->mapToGlobal(cell.bottomLeft() + QPoint(0, 4)), window_->TipText(row), grid_,
                       cell);
  }

  void ShowFrame(int row) {
    if (row == 0 || !grid_->hasFocus()) return;
    grid_->SetFrameRow(row);
    grid_->update();
  }

  ClockWindow* window_;
  ClockGrid* grid_;
};

}  // namespace

void ClockWindow::BuildAccess() {
  new GridKeys(this, Grid());
  localTimeBox_->setAccessibleName(tr("Local time"));
  dstHoursBox_->setAccessibleName(tr("Of which daylight saving (hours)"));
  standardOffsetBox_->setAccessibleName(tr("Standard offset from GMT (hours)"));
}

}  // namespace zv
