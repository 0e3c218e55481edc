#pragma once
// Folder names as the file system's bytes. Qt reads a name as UTF-8 and turns
// every byte that is not UTF-8 into U+FFFD, so a folder named in Latin-1
// ("caf" and byte E9) cannot be reached by the text Qt makes of its name, and
// a file written by that text would land in another folder. Such a folder is
// opened once by its bytes and reached from then on as /proc/PID/fd/N, a
// name of plain ASCII that the kernel resolves to the folder itself.

#include <QByteArray>
#include <QString>

namespace zv {

// An argument or an environment value as text that keeps every byte: a byte
// that is not part of valid UTF-8 becomes the lone surrogate U+DC00 + byte,
// which BytesOfText turns back into the byte.
QString TextOfBytes(const QByteArray& bytes);
QByteArray BytesOfText(const QString& text);

// The path for Qt's file calls to the folder named by these bytes: its name
// as text when that encodes back to the same bytes; otherwise
// /proc/PID/fd/N of the folder, or of the nearest folder above it that
// exists followed by the rest of the name (a missing part whose name is not
// UTF-8 is made, mode 0700, so that it too is reached by its bytes).
QString FolderPathOfBytes(const QByteArray& name);

// A name as the user is shown it: bytes that are not UTF-8 as \xE9.
QString ShownBytes(const QByteArray& name);

// A path as the user is shown it: a folder reached as /proc/PID/fd/N shows
// its own name (ShownBytes); separators are the system's.
QString ShownPath(const QString& path);

}  // namespace zv
