#pragma once
// Pacing the repaints of a long loop that draws as it goes to the display's
// frame rate: a screen shows one picture a frame, so painting and flushing
// after every step of the loop costs time the user never sees.

#include <QElapsedTimer>

class QWidget;

namespace zv {

class PaintPacer {
 public:
  // Frames at the refresh rate of the window's screen (60 a second when the
  // screen does not say).
  explicit PaintPacer(const QWidget* window);

  // True on the first call and then once a frame has passed since the last
  // true: the loop repaints what it drew and serves the pending events then.
  bool FrameDue();

 private:
  QElapsedTimer sinceFrame_;
  qint64 frameNs_;
};

}  // namespace zv
