#pragma once
// Where the data files live. One rule, used by DataPath:
//
// - A named folder (--data-dir, ZORVANE_DATA_DIR, or a test's folder) holds
//   everything.
// - Otherwise, when the executable's folder holds countries.txt and can be
//   written (a build folder, an unpacked copy), it holds everything: the
//   portable mode.
// - Otherwise the program is installed: the user's files (tzone.txt,
//   highlight.txt, a saved countries.txt) live in the user's data folder,
//   $XDG_DATA_HOME/zorvane (~/.local/share/zorvane); a file the user has no
//   copy of (the shipped countries.txt, Maps/) is read from the installation's
//   data folder, share/zorvane beside the executable's bin/ or in
//   $XDG_DATA_DIRS.

#include <QString>
#include <QStringList>

namespace zv {

// The folders in use. In one-folder modes `shipped` is empty.
struct DataFolders {
  QString user;     // the user's files are read and written here
  QString shipped;  // files the user has no copy of are read from here
};

// What the rule looks at, gathered by CurrentDataFolders and by tests.
struct DataFolderFacts {
  QString named;                  // a folder named by the user or a test; empty when none
  QString executableFolder;       // the folder of the running executable
  bool executableFolderWritable;  // whether that folder can be written
  QString userDataFolder;         // the user's data folder for the program
  QStringList installFolders;     // possible installation data folders, in order of preference
};

// The rule above.
[[nodiscard]] DataFolders ChooseDataFolders(const DataFolderFacts& facts);

// The path to read `name` (a file or a folder) from: the user's copy when it
// exists, else the shipped one when that exists, else the user's path.
[[nodiscard]] QString ReadPathIn(const DataFolders& folders, const QString& name);

// The facts of this run: the executable's folder and the user's and the
// system's XDG data folders, with `named` as the named folder.
[[nodiscard]] DataFolderFacts CurrentDataFolderFacts(const QString& named);

// The name of the program's folder under the XDG data folders.
inline constexpr char kDataFolderName[] = "zorvane";

}  // namespace zv
