#pragma once
// Writing a data file whole: the new bytes go to a temporary file beside the
// old one, are written out and synced to the disk, and only then replace the
// old file by a rename, so a failed write (a full disk above all) never leaves
// a shorter or half-written file and is always reported.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

namespace zv {

enum class WriteMode { kReplace, kAppend };

// What became of a write: ok(), or failed with the reason in the user's
// words. It has no conversion to bool or text, so a failure cannot pass for
// success, and it cannot be ignored.
class [[nodiscard]] WriteResult {
 public:
  static WriteResult Written() { return WriteResult(std::nullopt); }
  static WriteResult Failed(const QString& reason) { return WriteResult(reason); }

  bool ok() const { return !failure_.has_value(); }
  // The reason a failed write gives; empty after a successful one.
  QString failure() const { return failure_.value_or(QString()); }

 private:
  explicit WriteResult(std::optional<QString> failure) : failure_(std::move(failure)) {}
  std::optional<QString> failure_;
};

// A file is extended (kAppend) only up to this size; a larger one is refused,
// never read whole into memory.
inline constexpr qint64 kMaxAppendedFileBytes = 16 * 1024 * 1024;

// Writes (or, with kAppend, extends) the file at path. Only what
// WriteRefusal (datafileio.h) allows is written, and a file changed on disk
// since the program read it (ChangedSinceRead) is not replaced.
WriteResult WriteFileWhole(const QString& path, const QByteArray& bytes,
                           WriteMode mode = WriteMode::kReplace);

// The temporary file of a save of name is name + kSaveTempInfix + six
// letters or digits; start-up removes such files that a killed save left.
inline constexpr char kSaveTempInfix[] = ".zorvane-save-";

// Removes, in folder, the temporary files that a save of any of the given
// file names left behind (regular files of exactly that pattern, owned by
// the user) and whose save has ended (a running save holds its temporary
// locked); touches nothing else. Returns how many it removed.
int RemoveStaleSaveFiles(const QString& folder, const QStringList& fileNames);

}  // namespace zv
