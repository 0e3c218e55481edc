#pragma once
// The clock window's grid: one widget that paints every name and time cell
// over black, with the column separators, and gives a screen reader the
// entries as a list of items. A cell is repainted only when its text or
// colour changes.

#include <QFont>
#include <QHash>
#include <QStaticText>
#include <QString>
#include <QWidget>
#include <array>
#include <functional>

#include "clock/gridcalc.h"
#include "data/rgb.h"

namespace zv {

class ClockGrid : public QWidget {
  Q_OBJECT
 public:
  struct Cell {
    QString caption;  // the name as the table has it, or the legend's words
    QString shown;    // the name as drawn, cut to stand clear of its time
    QString time;
    Rgb nameColour, timeColour;
    int dayOffset = 0;   // the entry's date less the user's, in days
    bool found = false;  // a match of the last Find, drawn in bold
    QRect nameRect, timeRect;
    QStaticText nameText, timeText, markText;  // laid out for painting
  };

  // Reactions the window gives: a press on a name or on the background, the
  // tip of a name, and the words a screen reader says for a row.
  std::function<void(int row, Qt::MouseButton)> onNamePress;
  std::function<void(Qt::MouseButton)> onBackgroundPress;
  std::function<QString(int row)> tipText;
  std::function<QString(int row)> spokenText;

  explicit ClockGrid(QWidget* parent);
  ~ClockGrid() override;

  // Lays row out at a place (twips, the name's top left) with the time
  // timeOffset twips to the right.
  void PlaceRow(int row, double left, double top, double timeOffset);
  void SetCellFont(const QFont& font);
  void ShowSeparators(double bottomTwips);

  const Cell& At(int row) const { return cells_.at(row); }
  void SetCaption(int row, const QString& caption);
  void SetNameColour(int row, const Rgb& colour, bool found = false);
  void SetTime(int row, const QString& text, const Rgb& colour, int dayOffset = 0);

  // The row whose name lies under a point of the grid, or 0.
  int NameAt(const QPoint& point) const;
  // Whether a row has a name to select.
  bool Usable(int row) const;

  // The keyboard frame around a row's name (0: none), and the row the
  // screen reader hears as focused.
  void SetFrameRow(int row);
  int FrameRow() const { return frameRow_; }
  // Tells a screen reader that the framed row's words changed.
  void AnnounceFrameRow();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  bool event(QEvent* event) override;

 private:
  void FitName(int row);
  void FitTime(int row);
  QRect NameArea(int row) const;
  QRect TimeArea(int row) const;
  void Dirty(const QRect& area, bool time);
  void Flush();
  QRect MarkRect(int row) const;
  QStaticText Prepared(const QString& text, const QFont& font, int kind);

  std::array<Cell, kGridRows + 1> cells_{};
  QFont font_, boldFont_, markFont_;
  QHash<QString, QStaticText> prepared_;  // by font kind and text
  int nameRoom_ = 0;
  int cellHeight_ = 0;
  std::array<QRect, 12> pending_{};  // names and times of each column, to paint
  bool flushQueued_ = false;         // pixels a name may take before its time
  double separatorBottom_ = 0;
  int frameRow_ = 0;
  bool handShown_ = false;
};

}  // namespace zv
