#include "app/gui/sessionguard.h"

#include <fcntl.h>
#include <unistd.h>

#include <QAbstractNativeEventFilter>
#include <QApplication>
#include <QPointer>
#include <QSessionManager>
#include <QSocketNotifier>
#include <QTimer>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>

#include "app/gui/appwindows.h"
#include "app/gui/prompter.h"
#include "clock/gui/clockwindow.h"
#include "countryinfo/gui/countryinfowindow.h"
#include "data/savefile.h"

namespace zv {

namespace {

// The clock window while it lives; read by the exit handler, so it is a
// namespace-scope object, made before and gone after that handler runs.
QPointer<ClockWindow> g_clock;
int g_signalPipe[2] = {-1, -1};

// Writes the country information window's edits that were not saved to the
// recovery copy beside the table, which the next start offers to restore.
void KeepUnsavedEditsQuietly() {
  CountryInfoWindow* info = CountryInfoIfLoaded();
  if (!info) return;
  const QString failure = info->KeepUnsavedEdits();
  if (!failure.isEmpty()) std::fprintf(stderr, "Zorvane: %s\n", failure.toLocal8Bit().constData());
}

// Writes tzone.txt once. Nobody can be asked at these moments (the desktop
// is going, or the display is gone), so a failure goes to the standard error.
void SaveQuietly() {
  if (!g_clock) return;
  const WriteResult saved = g_clock->SaveZoneSettings();
  if (!saved.ok()) std::fprintf(stderr, "Zorvane: %s\n", saved.failure().toLocal8Bit().constData());
}

// Closes the clock window, which ends the program, once no box is left in
// its own event loop: the windows under a box must outlive it.
void FinishEnding() {
  if (OpenPrompts() > 0) {
    QTimer::singleShot(0, qApp, &FinishEnding);
    return;
  }
  if (g_clock)
    g_clock->close();
  else
    QCoreApplication::quit();
}

// Saves the settings and keeps unsaved edits, closes every box (nobody can
// answer it now), then ends.
void EndFromOutside() {
  SaveQuietly();
  KeepUnsavedEditsQuietly();
  EndPrompts();
  FinishEnding();
}

// The handler only wakes the event loop; the work is done there.
void OnSignal(int signal) {
  const int saved = errno;
  const char byte = static_cast<char>(signal);
  (void)!::write(g_signalPipe[1], &byte, 1);
  errno = saved;
}

// X11's DestroyNotify event, as the protocol lays it out (the window
// manager or a tool such as xdotool destroyed our window).
constexpr unsigned char kDestroyNotify = 17;
constexpr unsigned char kEventTypeMask = 0x7f;  // the top bit marks sent events
struct DestroyNotifyEvent {
  unsigned char responseType;
  unsigned char pad;
  unsigned short sequence;
  unsigned int event;
  unsigned int window;
};

class WindowGoneFilter : public QAbstractNativeEventFilter {
 public:
  bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) override {
    if (eventType != "xcb_generic_event_t" || !g_clock) return false;
    const auto* e = static_cast<const DestroyNotifyEvent*>(message);
    if ((e->responseType & kEventTypeMask) != kDestroyNotify) return false;
    if (e->window != static_cast<unsigned int>(g_clock->internalWinId())) return false;
    // Leave the X event alone; end once the event is handled.
    QMetaObject::invokeMethod(qApp, &EndFromOutside, Qt::QueuedConnection);
    return false;
  }
};

}  // namespace

void InstallSessionGuard(ClockWindow* clock) {
  g_clock = clock;
  // The rest is made once per program; a later call only names the window.
  static bool installed = false;
  if (installed) return;
  installed = true;

  if (::pipe2(g_signalPipe, O_CLOEXEC | O_NONBLOCK) == 0) {
    auto* notifier = new QSocketNotifier(g_signalPipe[0], QSocketNotifier::Read, qApp);
    QObject::connect(notifier, &QSocketNotifier::activated, qApp, [] {
      char drain[16];
      while (::read(g_signalPipe[0], drain, sizeof drain) > 0) {
      }
      EndFromOutside();
    });
    struct sigaction action {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int s : {SIGTERM, SIGINT, SIGHUP}) ::sigaction(s, &action, nullptr);
  }
  // A closed pipe (a terminal or a reader gone) fails the write that meets
  // it instead of ending the program unsaved.
  ::signal(SIGPIPE, SIG_IGN);

  // Logout: the session manager asks every program to save its data.
  QObject::connect(qApp, &QGuiApplication::commitDataRequest, qApp,
                   [](QSessionManager&) { EndFromOutside(); });
  // Any other way out of the event loop still writes the settings.
  QObject::connect(qApp, &QCoreApplication::aboutToQuit, qApp, [] { SaveQuietly(); });

  static WindowGoneFilter filter;
  qApp->installNativeEventFilter(&filter);

  // A lost display ends the program through exit() from inside Qt, without
  // aboutToQuit; the exit handlers still run, and the panel's texts are still
  // there to be written.
  std::atexit([] {
    SaveQuietly();
    if (QCoreApplication::instance()) KeepUnsavedEditsQuietly();
  });
}

}  // namespace zv
