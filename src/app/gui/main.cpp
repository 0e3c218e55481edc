#include <QApplication>
#include <QStandardPaths>

#include "app/commandline.h"
#include "app/gui/appicon.h"
#include "app/gui/appwindows.h"
#include "app/gui/sessionguard.h"
#include "app/gui/singleinstance.h"
#include "app/gui/uitranslation.h"
#include "clock/gui/clockwindow.h"
#include "common/gui/widgetutils.h"
#include "data/outsideworld.h"

int main(int argc, char** argv) {
  // --help, --version and the like print and end here, without a display;
  // --data-dir and ZORVANE_DATA_DIR set the data folder.
  if (const std::optional<int> status = zv::HandleCommandLine(argc, argv)) return *status;
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Zorvane"));
  QApplication::setDesktopFileName(QStringLiteral("org.zorvane.Zorvane"));
  QApplication::setOrganizationName(QStringLiteral("Zorvane"));
  QApplication::setWindowIcon(zv::WindowIcon());
  // A copy already running for this data folder comes forward instead.
  zv::SingleInstance instance(QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation),
                              zv::DataFolder());
  if (!instance.IsFirst()) return 0;
  zv::RememberWindowPlaces(true);
  // The windows take their captions in the user's language (LANGUAGE, LC_ALL,
  // LC_MESSAGES, LANG), in English where no translation is built in.
  const zv::UiTranslation translation;
  zv::ClockWindow clock;
  instance.OnComeForward([&clock] { zv::BringForward(&clock); });
  zv::InstallSessionGuard(&clock);
  // Mapped first: the data is read and the first calculation made while the
  // display maps the window, before its first paint, which shows every time.
  clock.PlaceOnScreen();
  clock.show();
  clock.ReadDataAndCalculate();
  return app.exec();
}
