#pragma once
// Enter in a window: it presses the push button that has the focus, as a
// button pressed with the keyboard should; otherwise the window's default.

class QAbstractButton;
class QWidget;

namespace zv {

void PressFocusedButtonOr(const QWidget* window, QAbstractButton* fallback);

}  // namespace zv
