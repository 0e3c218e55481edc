#include "common/gui/windowrole.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QWidget>

namespace zv {
namespace {

// Qt asks for each class of an object's chain from the most derived, before
// its own factory; only a window class of this program and a plain frame are
// answered here.
QAccessibleInterface* WindowFactory(const QString& className, QObject* object) {
  auto* widget = qobject_cast<QWidget*>(object);
  if (widget && !widget->isWindow() && className == QLatin1String("QFrame"))
    return new QAccessibleWidget(widget, QAccessible::Pane);
  if (!widget || !widget->isWindow() || !className.startsWith(QLatin1String("zv::")) ||
      widget->inherits("QMainWindow"))
    return nullptr;
  return new QAccessibleWidget(widget, QAccessible::Window);
}

}  // namespace

void PresentWidgetWindowsAsWindows() {
  static const int installed = (QAccessible::installFactory(WindowFactory), 0);
  (void)installed;
}

}  // namespace zv
