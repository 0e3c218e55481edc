#pragma once
// Writing a data file whole: the new bytes go to a temporary file beside the
// old one, are written out and synced to the disk, and only then replace the
// old file by a rename, so a failed write (a full disk above all) never leaves
// a shorter or half-written file and is always reported.

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace zv {

enum class WriteMode { kReplace, kAppend };

// Writes (or, with kAppend, extends) the file at path. Returns an empty text
// on success, otherwise the reason in the user's words. Only what
// WriteRefusal (datafileio.h) allows is written.
[[nodiscard]] QString WriteFileWhole(const QString& path, const QByteArray& bytes,
                                     WriteMode mode = WriteMode::kReplace);

// The temporary file of a save of name is name + kSaveTempInfix + six
// letters or digits; start-up removes such files that a killed save left.
inline constexpr char kSaveTempInfix[] = ".zorvane-save-";

// Removes, in folder, the temporary files that a save of any of the given
// file names left behind (regular files of exactly that pattern, owned by
// the user); touches nothing else. Returns how many it removed.
int RemoveStaleSaveFiles(const QString& folder, const QStringList& fileNames);

}  // namespace zv
