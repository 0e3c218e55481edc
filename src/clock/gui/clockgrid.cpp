#include "clock/gui/clockgrid.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPointer>
#include <QToolTip>
#include <QtMath>
#include <map>

#include "common/gui/colours.h"
#include "common/gui/handcursor.h"
#include "common/gui/twips.h"

namespace zv {

namespace {

const QColor kSeparatorColour(255, 224, 192);
const QColor kFrameColour(255, 255, 255);
constexpr double kColumnStep = 1900;
constexpr int kColumns = 6;
// Pixels kept clear between a name and its time.
constexpr int kNameGap = 5;

// The day mark: "+1" for the day after, "-1" for the day before.
QString DayMark(int dayOffset) {
  return dayOffset > 0 ? QStringLiteral("+%1").arg(dayOffset) : QStringLiteral("-%1").arg(-dayOffset);
}

// One entry of the grid as a screen reader sees it: a list item named by
// the entry's words as they are now, so they never go stale.
class GridItemAccessible : public QAccessibleInterface {
 public:
  GridItemAccessible(ClockGrid* grid, int row) : grid_(grid), row_(row) {}
  bool isValid() const override { return !grid_.isNull(); }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override { return grid_ ? grid_->window()->windowHandle() : nullptr; }
  QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(grid_); }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QAccessibleInterface* focusChild() const override { return nullptr; }
  QString text(QAccessible::Text t) const override {
    if (!grid_ || t != QAccessible::Name) return {};
    return grid_->spokenText ? grid_->spokenText(row_) : grid_->At(row_).caption;
  }
  void setText(QAccessible::Text, const QString&) override {}
  QRect rect() const override {
    if (!grid_) return {};
    const ClockGrid::Cell& c = grid_->At(row_);
    const QRect r = c.nameRect.united(c.timeRect);
    return QRect(grid_->mapToGlobal(r.topLeft()), r.size());
  }
  QAccessible::Role role() const override { return QAccessible::ListItem; }
  QAccessible::State state() const override {
    QAccessible::State s;
    s.focusable = s.selectable = true;
    if (grid_ && grid_->FrameRow() == row_) {
      s.selected = true;
      s.focused = grid_->hasFocus();
    }
    if (grid_ && !grid_->isVisible()) s.invisible = true;
    return s;
  }
  int Row() const { return row_; }

 private:
  QPointer<ClockGrid> grid_;
  int row_;
};

// The grid as a list: its widgets (the settings panel) first, then one item
// for every row with a name, in reading order.
class GridAccessible : public QAccessibleWidget {
 public:
  explicit GridAccessible(ClockGrid* grid) : QAccessibleWidget(grid, QAccessible::List) {}
  ~GridAccessible() override {
    for (const auto& [row, id] : items_) QAccessible::deleteAccessibleInterface(id);
  }

  int childCount() const override { return QAccessibleWidget::childCount() + int(Rows().size()); }
  QAccessibleInterface* child(int index) const override {
    const int widgets = QAccessibleWidget::childCount();
    if (index < widgets) return QAccessibleWidget::child(index);
    const std::vector<int> rows = Rows();
    return index - widgets < int(rows.size()) ? Item(rows[index - widgets]) : nullptr;
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    for (const auto& [row, id] : items_) {
      if (QAccessible::accessibleInterface(id) != child) continue;
      const std::vector<int> rows = Rows();
      const auto at = std::find(rows.begin(), rows.end(), row);
      return at == rows.end() ? -1 : QAccessibleWidget::childCount() + int(at - rows.begin());
    }
    return QAccessibleWidget::indexOfChild(child);
  }
  QAccessibleInterface* childAt(int x, int y) const override {
    if (QAccessibleInterface* w = QAccessibleWidget::childAt(x, y)) return w;
    const int row = Grid()->NameAt(Grid()->mapFromGlobal(QPoint(x, y)));
    return row ? Item(row) : nullptr;
  }
  QAccessibleInterface* focusChild() const override {
    const int row = Grid()->FrameRow();
    return Grid()->hasFocus() && row ? Item(row) : QAccessibleWidget::focusChild();
  }

  QAccessibleInterface* Item(int row) const {
    auto at = items_.find(row);
    if (at == items_.end())
      at = items_.emplace(row, QAccessible::registerAccessibleInterface(new GridItemAccessible(Grid(), row)))
               .first;
    return QAccessible::accessibleInterface(at->second);
  }

 private:
  ClockGrid* Grid() const { return static_cast<ClockGrid*>(widget()); }
  std::vector<int> Rows() const {
    std::vector<int> rows;
    for (int r = 1; r <= kGridRows; ++r)
      if (Grid()->Usable(r)) rows.push_back(r);
    return rows;
  }
  mutable std::map<int, QAccessible::Id> items_;
};

QAccessibleInterface* GridAccessibleFactory(const QString&, QObject* object) {
  if (auto* grid = qobject_cast<ClockGrid*>(object)) return new GridAccessible(grid);
  return nullptr;
}

}  // namespace

ClockGrid::ClockGrid(QWidget* parent) : QWidget(parent) {
  static const bool factory = [] {
    QAccessible::installFactory(GridAccessibleFactory);
    return true;
  }();
  (void)factory;
  setAutoFillBackground(true);
  QPalette p = palette();
  p.setColor(QPalette::Window, Qt::black);
  setPalette(p);
  setMouseTracking(true);
}

ClockGrid::~ClockGrid() = default;

void ClockGrid::SetCellFont(const QFont& font) {
  font_ = boldFont_ = markFont_ = font;
  boldFont_.setBold(true);
  markFont_.setPointSizeF(font.pointSizeF() * 0.85);
  cellHeight_ = QFontMetrics(font_).height();
}

void ClockGrid::PlaceRow(int row, double left, double top, double timeOffset) {
  // The time stands left of its designed place by the day mark's width, so
  // that the longest time and its mark end before the column's separator.
  const int markRoom = QFontMetrics(markFont_).horizontalAdvance(QStringLiteral("+1")) + 1;
  Cell& c = cells_.at(row);
  c.nameRect.moveTopLeft(TwipPoint(left, top));
  c.timeRect.moveTopLeft(TwipPoint(left + timeOffset, top) - QPoint(markRoom, 0));
  nameRoom_ = Px(timeOffset) - markRoom - kNameGap;
  FitName(row);
  FitTime(row);
}

void ClockGrid::ShowSeparators(double bottomTwips) {
  separatorBottom_ = bottomTwips;
  update();
}

QStaticText ClockGrid::Prepared(const QString& text, const QFont& font, int kind) {
  // Laid out once: many cells share a time, and a time comes back each day.
  const QString key = QString::number(kind) + text;
  auto known = prepared_.constFind(key);
  if (known == prepared_.cend()) {
    if (prepared_.size() > 8192) prepared_.clear();
    QStaticText laid(text);
    laid.setTextFormat(Qt::PlainText);
    laid.setPerformanceHint(QStaticText::AggressiveCaching);
    laid.prepare(QTransform(), font);
    known = prepared_.insert(key, laid);
  }
  return *known;
}

void ClockGrid::FitName(int row) {
  Cell& c = cells_.at(row);
  const QFont& nameFont = c.found ? boldFont_ : font_;
  c.shown = QFontMetrics(nameFont).elidedText(c.caption, Qt::ElideRight, nameRoom_);
  c.nameText = Prepared(c.shown, nameFont, c.found ? 1 : 0);
  c.nameRect.setSize(c.shown.isEmpty() ? QSize() : QSize(qCeil(c.nameText.size().width()), cellHeight_));
}

void ClockGrid::FitTime(int row) {
  Cell& c = cells_.at(row);
  c.timeText = Prepared(c.time, font_, 0);
  c.markText = c.dayOffset ? Prepared(DayMark(c.dayOffset), markFont_, 2) : QStaticText();
  c.timeRect.setSize(c.time.isEmpty() ? QSize() : QSize(qCeil(c.timeText.size().width()), cellHeight_));
}

QRect ClockGrid::NameArea(int row) const {
  return cells_.at(row).nameRect.adjusted(-1, -1, 1, 1);  // with the keyboard frame
}

QRect ClockGrid::TimeArea(int row) const {
  const Cell& c = cells_.at(row);
  return c.dayOffset != 0 ? c.timeRect | MarkRect(row) : c.timeRect;
}

void ClockGrid::Dirty(const QRect& area, bool time) {
  // Gathered into one rectangle for the names and one for the times of
  // each column, painted together once the changes are made: a region of
  // hundreds of small rectangles costs more to build than to paint.
  if (area.isEmpty()) return;
  const int column = std::clamp(area.x() / std::max(1, Px(kColumnStep)), 0, kColumns - 1);
  QRect& pending = pending_[column * 2 + (time ? 1 : 0)];
  pending |= area;
  if (!flushQueued_) {
    flushQueued_ = true;
    QMetaObject::invokeMethod(this, &ClockGrid::Flush, Qt::QueuedConnection);
  }
}

void ClockGrid::Flush() {
  flushQueued_ = false;
  QRegion region;
  for (QRect& r : pending_) {
    region += r;
    r = QRect();
  }
  update(region);
}

QRect ClockGrid::MarkRect(int row) const {
  // Raised beside the time, as a superscript.
  const Cell& c = cells_.at(row);
  return QRect(QPoint(c.timeRect.right() + 2, c.timeRect.top() - 3), c.markText.size().toSize());
}

void ClockGrid::SetCaption(int row, const QString& caption) {
  Cell& c = cells_.at(row);
  if (c.caption == caption) return;
  Dirty(NameArea(row), false);
  c.caption = caption;
  FitName(row);
  Dirty(NameArea(row), false);
}

void ClockGrid::SetNameColour(int row, const Rgb& colour, bool found) {
  Cell& c = cells_.at(row);
  if (c.nameColour == colour && c.found == found) return;
  Dirty(NameArea(row), false);
  c.nameColour = colour;
  c.found = found;
  FitName(row);
  Dirty(NameArea(row), false);
}

void ClockGrid::SetTime(int row, const QString& text, const Rgb& colour, int dayOffset) {
  Cell& c = cells_.at(row);
  if (c.time == text && c.timeColour == colour && c.dayOffset == dayOffset) return;
  Dirty(TimeArea(row), true);
  c.time = text;
  c.timeColour = colour;
  c.dayOffset = dayOffset;
  FitTime(row);
  Dirty(TimeArea(row), true);
}

int ClockGrid::NameAt(const QPoint& point) const {
  for (int r = 1; r <= kGridRows; ++r)
    if (Usable(r) && cells_[r].nameRect.contains(point)) return r;
  return 0;
}

bool ClockGrid::Usable(int row) const {
  return row >= 1 && row <= kGridRows && !cells_[row].caption.isEmpty();
}

void ClockGrid::SetFrameRow(int row) {
  if (row == frameRow_) return;
  if (frameRow_) update(NameArea(frameRow_));
  frameRow_ = row;
  if (frameRow_) update(NameArea(frameRow_));
  AnnounceFrameRow();
}

void ClockGrid::AnnounceFrameRow() {
  if (!frameRow_ || !QAccessible::isActive()) return;
  auto* list = static_cast<GridAccessible*>(QAccessible::queryAccessibleInterface(this));
  QAccessibleInterface* item = list ? list->Item(frameRow_) : nullptr;
  if (!item) return;
  QAccessibleEvent named(item, QAccessible::NameChanged);
  QAccessible::updateAccessibility(&named);
  if (hasFocus()) {
    QAccessibleEvent focus(item, QAccessible::Focus);
    QAccessible::updateAccessibility(&focus);
  }
}

void ClockGrid::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  if (separatorBottom_ > 0) {
    painter.setPen(QPen(kSeparatorColour, 1));
    for (int c = 2; c <= kColumns; ++c) {
      const int x = Px((c - 1) * kColumnStep + 25);
      painter.drawLine(x, Px(60), x, Px(separatorBottom_));
    }
  }
  const QRegion& dirty = event->region();
  for (int r = 1; r <= kGridRows; ++r) {
    const Cell& c = cells_[r];
    if (!c.shown.isEmpty() && dirty.intersects(NameArea(r))) {
      painter.setFont(c.found ? boldFont_ : font_);
      painter.setPen(ToQColor(c.nameColour));
      painter.drawStaticText(c.nameRect.topLeft(), c.nameText);
    }
    if (!c.time.isEmpty() && dirty.intersects(TimeArea(r))) {
      painter.setFont(font_);
      painter.setPen(ToQColor(c.timeColour));
      painter.drawStaticText(c.timeRect.topLeft(), c.timeText);
      if (c.dayOffset != 0) {
        painter.setFont(markFont_);
        painter.drawStaticText(MarkRect(r).topLeft(), c.markText);
      }
    }
    if (r == frameRow_ && hasFocus()) {
      painter.setPen(QPen(kFrameColour, 1, Qt::DotLine));
      painter.setBrush(Qt::NoBrush);
      painter.drawRect(c.nameRect.adjusted(-1, -1, 0, 0));
    }
  }
}

void ClockGrid::mousePressEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  if (const int row = NameAt(at)) {
    if (onNamePress) onNamePress(row, event->button());
    return;
  }
  // A press on a time is not one on the background; nor is one that a child
  // (the settings panel) passed up.
  for (int r = 1; r <= kGridRows; ++r)
    if (cells_[r].timeRect.contains(at)) return;
  if (childAt(at) == nullptr && onBackgroundPress) onBackgroundPress(event->button());
}

void ClockGrid::mouseMoveEvent(QMouseEvent* event) {
  const bool overName = NameAt(event->position().toPoint()) != 0;
  if (overName == handShown_) return;
  handShown_ = overName;
  if (overName)
    setCursor(HandCursor());
  else
    unsetCursor();
}

bool ClockGrid::event(QEvent* event) {
  if (event->type() == QEvent::ToolTip) {
    auto* help = static_cast<QHelpEvent*>(event);
    const int row = NameAt(help->pos());
    const QString tip = row && tipText ? tipText(row) : QString();
    if (tip.isEmpty())
      QToolTip::hideText();
    else
      QToolTip::showText(help->globalPos(), tip, this, cells_[row].nameRect);
    return true;
  }
  return QWidget::event(event);
}

}  // namespace zv
