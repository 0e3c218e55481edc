#include <QApplication>
#include <QTextStream>

#include "app/gui/appwindows.h"
#include "clock/gui/clockwindow.h"
#include "data/dstupdate.h"
#include "data/seams.h"

namespace {

// ZORVANE_DATA_DIR, when set, names the folder of the data files instead of
// the executable's own (used by the real-window smoke test).
void UseDataDirFromEnvironment() {
  const QString dataDir = qEnvironmentVariable("ZORVANE_DATA_DIR");
  if (!dataDir.isEmpty()) zv::SetDataFolder(dataDir);
}

// The command-line options that run without a window: --help and
// --update-dst-dates [YEAR]. Returns the exit status when argv asked for one
// of them, -1 to start the window.
int RunWithoutWindow(int argc, char** argv) {
  if (argc < 2) return -1;
  const QString option = QString::fromLocal8Bit(argv[1]);
  QTextStream out(stdout);
  QTextStream err(stderr);
  if (option == QLatin1String("--help")) {
    out << "Usage: zorvane [--update-dst-dates [YEAR]]\n"
           "\n"
           "Without options, opens the world clock.\n"
           "\n"
           "  --update-dst-dates [YEAR]  Update the daylight saving columns of countries.txt\n"
           "                             for YEAR (this year when omitted) from this computer's\n"
           "                             time-zone database, print one line per changed entry\n"
           "                             and exit. Exit status 0 when done, 1 when the file\n"
           "                             was missing, read only in part or could not be\n"
           "                             written (it is then untouched), 2 for a bad YEAR.\n"
           "  --help                     Show this text and exit.\n";
    return 0;
  }
  if (option != QLatin1String("--update-dst-dates")) return -1;
  QCoreApplication app(argc, argv);
  UseDataDirFromEnvironment();
  const QString year = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();
  return zv::RunUpdateDstDates(year, out, err);
}

}  // namespace

int main(int argc, char** argv) {
  if (const int rc = RunWithoutWindow(argc, argv); rc >= 0) return rc;
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Zorvane"));
  UseDataDirFromEnvironment();
  zv::ClockWindow clock;
  zv::SetTheClock(&clock);
  clock.StartUp();
  clock.show();
  const int rc = app.exec();
  zv::SetTheClock(nullptr);
  return rc;
}
