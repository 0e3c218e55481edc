#pragma once
// The program's command line: the options that print something and end the
// program, which need no display, and --data-dir, which names the folder of
// the data files for the window's run.

#include <QString>
#include <QStringList>
#include <optional>

namespace zv {

// What the command line asks for.
struct CommandLineOutcome {
  bool startWindow = true;  // false: the program ends with exitStatus
  int exitStatus = 0;
  QString out;         // text for standard output
  QString err;         // text for standard error
  QString dataFolder;  // --data-dir, else ZORVANE_DATA_DIR, else empty
};

// Exit status for a command line that cannot be understood.
inline constexpr int kUsageErrorStatus = 2;

// Reads the arguments (the program's name first) with the environment's
// ZORVANE_DATA_DIR, both as TextOfBytes (data/bytenames.h) gives them. Needs
// a QCoreApplication for Qt's help text.
[[nodiscard]] CommandLineOutcome ReadCommandLine(const QStringList& arguments,
                                                 const QString& environmentDataFolder);

// For main, before the window's application object exists: reads the command
// line under a QCoreApplication of its own, prints what it must, sets the data
// folder, and returns the exit status when the program must end now.
[[nodiscard]] std::optional<int> HandleCommandLine(int argc, char** argv);

}  // namespace zv
