#pragma once
// One running copy per user and data folder. The first copy listens on a
// local socket named for the user and the folder; a second start finds it
// there, asks it to bring its clock window forward, and ends. Command-line
// work (--update-dst-dates, --help, --version) is done before this and is
// never blocked by a running copy.

#include <QString>
#include <functional>
#include <memory>

class QLocalServer;

namespace zv {

class SingleInstance {
 public:
  // Claims the folder's place in socketFolder (the user's runtime folder),
  // or, when a copy already holds it, sends that copy the request to come
  // forward. A socket left by a copy that ended without removing it is taken
  // over. When no socket can be made at all, this copy runs on its own.
  SingleInstance(const QString& socketFolder, const QString& dataFolder);
  ~SingleInstance();
  SingleInstance(const SingleInstance&) = delete;
  SingleInstance& operator=(const SingleInstance&) = delete;

  // False when another copy runs and was asked to come forward: this one ends.
  bool IsFirst() const { return first_; }

  // Runs whenever a later start asks this copy to come forward.
  void OnComeForward(std::function<void()> comeForward);

  // The socket's path for a data folder: the user's id and a hash of the
  // folder's canonical path, so each folder has its own copy.
  static QString SocketPath(const QString& socketFolder, const QString& dataFolder);

 private:
  bool first_ = true;
  std::unique_ptr<QLocalServer> server_;
  std::function<void()> comeForward_;
};

class ClockWindow;

// Shows the clock window in front, restored if it was minimised, with the
// keyboard focus.
void BringForward(ClockWindow* clock);

}  // namespace zv
