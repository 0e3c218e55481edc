#pragma once
// The widget idioms every window shares: where a window opens and that it
// stays on the screen, a fixed size, the colour of a caption's text and the
// busy pointer.

#include <QCursor>
#include <QPointer>
#include <QWidget>

class QColor;
class QPoint;
class QRect;
class QSize;
class QString;

namespace zv {

// How far above the middle of the screen the windows open.
inline constexpr double kAboveMiddleTwips = 300;

// Moves window so that a window of outerSize (in pixels, its frame included
// where the design counts it) stands centred on the primary screen,
// kAboveMiddleTwips higher. Without a screen it stays where it is.
void CentreAboveMiddle(QWidget* window, const QSize& outerSize);

// Where a window of outerSize meant for topLeft stands inside freeArea (the
// screen less its panels): moved in just far enough, so that its title bar
// and menu are never above the top edge; a window wider or taller than the
// area stands at the area's left or top edge.
QPoint InsideFreeArea(const QPoint& topLeft, const QSize& outerSize, const QRect& freeArea);

// Turns on remembering where each window was (the program does; tests need
// not). The places are kept in the user's settings (QSettings).
void RememberWindowPlaces(bool remember);

// Opens window where it was when last hidden (remembered under key), else
// centred above the middle (CentreAboveMiddle); either way inside the free
// area of its screen. Remembers the place again whenever the window hides.
// Called once for each window made.
void PlaceWindow(QWidget* window, const QSize& outerSize, const QString& key);

// A window of fixed client size: no maximise button, no resizing edge.
void FixWindowSize(QWidget* window, const QSize& clientSize);

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
