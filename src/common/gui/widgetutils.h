#pragma once
// The widget idioms every window shares: where a window opens, the colour of
// a caption's text and the busy pointer.

#include <QCursor>
#include <QPointer>
#include <QWidget>

class QColor;
class QSize;

namespace zv {

// How far above the middle of the screen the windows open.
inline constexpr double kAboveMiddleTwips = 300;

// Moves window so that a window of outerSize (in pixels, its frame included
// where the design counts it) stands centred on the primary screen,
// kAboveMiddleTwips higher. Without a screen it stays where it is.
void CentreAboveMiddle(QWidget* window, const QSize& outerSize);

// Draws the widget's text (its WindowText) in colour.
void SetTextColour(QWidget* widget, const QColor& colour);

// The busy pointer while a command runs, put back however it ends: over every
// window of the program, or, given a window, over that window only.
class BusyPointer {
 public:
  BusyPointer();
  explicit BusyPointer(QWidget* window);
  ~BusyPointer();
  BusyPointer(const BusyPointer&) = delete;
  BusyPointer& operator=(const BusyPointer&) = delete;

 private:
  bool overProgram_ = false;
  QPointer<QWidget> window_;  // null once the window closed and went
  bool hadOwn_ = false;
  QCursor previous_;
};

}  // namespace zv
