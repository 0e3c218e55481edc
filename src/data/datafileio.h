#pragma once
// The one place that decides which data files may be read and replaced.
//
// Reading takes only regular files and never blocks: a named pipe, a device
// or a folder in a data file's place counts as a missing file. Writing
// replaces only a regular file; a symbolic link is written through only when
// it leads to a regular file and lies in a folder that belongs to the user
// and that no one else can write, so that nobody else can have planted it.

#include <QByteArray>
#include <QString>

namespace zv {

// What a data file was when it was read: enough to tell later whether
// anyone changed it since.
struct FileStamp {
  bool exists = false;
  qint64 size = 0;       // the whole file's
  qint64 readBytes = 0;  // how many bytes were read: all, or the beginning
  QByteArray hash;       // of the bytes read
};

struct DataFileRead {
  enum State { kOk, kMissing, kError };
  State state = kMissing;
  QByteArray bytes;  // at most the bytes asked for
  bool cut = false;  // the file holds more than the bytes asked for
  QString error;     // kError: the reason in the user's words
  FileStamp stamp;   // kOk and kMissing: the file as it was read
};

// Reads at most maxBytes of the regular file at path, or at the name given
// as the file system's bytes.
DataFileRead ReadDataFile(const QString& path, qint64 maxBytes);
DataFileRead ReadDataFileNamed(const QByteArray& name, qint64 maxBytes);

// Two copies of the program (on two computers sharing a home folder, say)
// may write the same file. A reader whose bytes become the program's state
// notes the read; a later save of that path then refuses to replace a file
// that changed on disk since (see WriteFileWhole), so that the other copy's
// change is never lost.
void NoteReadIntoState(const QString& path, const DataFileRead& read);

// Empty when the file at path is as the program last noted it (read into its
// state, or written) or was never noted; otherwise why a save must not
// replace it, in the user's words, to follow "could not be saved ...: ".
QString ChangedSinceRead(const QString& path);

// Notes that no file is at path: the program read its data from elsewhere
// (the shipped table), so a file that appears there was made by another copy.
void NoteAbsent(const QString& path);

// Notes that the file at path now holds bytes, written by the program.
void NoteWritten(const QString& path, const QByteArray& bytes);

// Whether the file at path may be written, and which file a write replaces.
struct WriteCheck {
  // Empty when it may be written (missing, a regular file the user may
  // write, or a trusted chain of links to one: every link of the chain lies
  // in a folder that is the user's alone); otherwise why not, in the user's
  // words, to follow "could not be saved to <path>: ".
  QString refusal;
  // The file a write replaces, as the file system's bytes: path itself, or
  // the end of the trusted chain of links.
  QByteArray target;
};
WriteCheck CheckWrite(const QString& path);
QString WriteRefusal(const QString& path);

// The folder part of a name given as bytes ("." when it has none).
QByteArray FolderOfName(const QByteArray& name);

}  // namespace zv
