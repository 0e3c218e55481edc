#pragma once
// Writing a data file whole: the new bytes go to a temporary file beside the
// old one, which is replaced only when everything was written, so a failed
// write never leaves a half-written file.

#include <QByteArray>
#include <QString>

namespace zv {

enum class WriteMode { kReplace, kAppend };

// Writes (or, with kAppend, extends) the file at path. Returns an empty text
// on success, otherwise the reason in the user's words.
QString WriteFileWhole(const QString& path, const QByteArray& bytes, WriteMode mode = WriteMode::kReplace);

// For tests: the next writes fail once this many bytes have been written, as
// on a full disk. A negative value (the default) turns the failure off.
void SetWriteFailureAfterBytesForTests(qint64 bytes);

}  // namespace zv
