#include "data/datafileio.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <map>
#include <optional>

namespace zv {

namespace {

QString SystemReason(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

QString KindOf(mode_t mode) {
  if (S_ISDIR(mode)) return QCoreApplication::translate("DataFiles", "a folder");
  if (S_ISFIFO(mode)) return QCoreApplication::translate("DataFiles", "a named pipe");
  if (S_ISCHR(mode) || S_ISBLK(mode)) return QCoreApplication::translate("DataFiles", "a device");
  if (S_ISSOCK(mode)) return QCoreApplication::translate("DataFiles", "a socket");
  return QCoreApplication::translate("DataFiles", "a special file");
}

QByteArray HashOf(const QByteArray& bytes) {
  return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256);
}

// The noted files, by absolute path. Never destroyed: the exit handlers
// that write tzone.txt on a lost display run after static destructors.
QMutex g_notesMutex;
std::map<QString, FileStamp>& Notes() {
  static auto* notes = new std::map<QString, FileStamp>;
  return *notes;
}
void SetNote(const QString& path, const std::optional<FileStamp>& stamp) {
  const QMutexLocker lock(&g_notesMutex);
  const QString key = QFileInfo(path).absoluteFilePath();
  if (stamp)
    Notes()[key] = *stamp;
  else
    Notes().erase(key);
}

}  // namespace

DataFileRead ReadDataFile(const QString& path, qint64 maxBytes) {
  return ReadDataFileNamed(QFile::encodeName(path), maxBytes);
}

DataFileRead ReadDataFileNamed(const QByteArray& name, qint64 maxBytes) {
  DataFileRead out;
  struct stat st {};
  if (::stat(name.constData(), &st) != 0) {
    if (errno == ENOENT || errno == ENOTDIR) return out;
    out.state = DataFileRead::kError;
    out.error = SystemReason(errno);
    return out;
  }
  if (!S_ISREG(st.st_mode)) return out;
  // O_NONBLOCK: should a pipe be swapped in after the check, opening it does
  // not wait for a writer; fstat then refuses it.
  const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) {
    if (errno == ENOENT) return out;
    out.state = DataFileRead::kError;
    out.error = SystemReason(errno);
    return out;
  }
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(fd);
    return out;
  }
  const qint64 want = std::min<qint64>(maxBytes, st.st_size);
  out.cut = st.st_size > maxBytes;
  out.bytes.resize(want);
  qint64 got = 0;
  while (got < want) {
    const ssize_t n = ::read(fd, out.bytes.data() + got, static_cast<size_t>(want - got));
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      const int e = errno;
      ::close(fd);
      out.bytes.clear();
      out.state = DataFileRead::kError;
      out.error = SystemReason(e);
      return out;
    }
    if (n == 0) break;  // the file shrank meanwhile
    got += n;
  }
  out.bytes.truncate(got);
  ::close(fd);
  out.state = DataFileRead::kOk;
  out.stamp = {true, static_cast<qint64>(st.st_size), got, HashOf(out.bytes)};
  return out;
}

void NoteReadIntoState(const QString& path, const DataFileRead& read) {
  SetNote(path, read.state == DataFileRead::kError ? std::nullopt : std::optional<FileStamp>(read.stamp));
}

void NoteAbsent(const QString& path) { SetNote(path, FileStamp{}); }

void NoteWritten(const QString& path, const QByteArray& bytes) {
  SetNote(path, FileStamp{true, bytes.size(), bytes.size(), HashOf(bytes)});
}

QString ChangedSinceRead(const QString& path) {
  FileStamp was;
  {
    const QMutexLocker lock(&g_notesMutex);
    const auto it = Notes().find(QFileInfo(path).absoluteFilePath());
    if (it == Notes().end()) return QString();
    was = it->second;
  }
  // The same beginning as was read, in a file of the same size.
  const DataFileRead now = ReadDataFile(path, was.readBytes);
  const FileStamp& is = now.stamp;
  const bool same = now.state != DataFileRead::kError && is.exists == was.exists &&
                    (!is.exists || (is.size == was.size && is.hash == was.hash));
  if (same) return QString();
  return QCoreApplication::translate(
      "DataFiles",
      "it was changed on disk since Zorvane read it (by another copy of Zorvane or another program), "
      "so nothing was written and that change is kept");
}

WriteCheck CheckWrite(const QString& path) {
  // Follows the chain of links one link at a time, so that every link on the
  // way, not only the first, must lie in a folder that only the user can write.
  // Names stay bytes all the way: a link may lead to a name that is not UTF-8.
  constexpr int kMaxLinks = 40;  // as the kernel's own limit on a chain
  QByteArray name = QFile::encodeName(path);
  for (int links = 0;; ++links) {
    struct stat st {};
    if (::lstat(name.constData(), &st) != 0) {
      if (links == 0) return {QString(), name};  // missing: the write says why, if it fails
      return {QCoreApplication::translate(
                  "DataFiles", "it is a symbolic link to a file that does not exist, so nothing was written"),
              {}};
    }
    if (S_ISREG(st.st_mode)) {
      // Root may write any file; a file nobody may write is still not the user's to replace.
      if ((st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 || ::access(name.constData(), W_OK) != 0)
        return {QCoreApplication::translate(
                    "DataFiles", "the file is read-only (you may not change it), so it was left as it is"),
                {}};
      return {QString(), name};
    }
    if (!S_ISLNK(st.st_mode)) {
      if (links == 0)
        return {QCoreApplication::translate("DataFiles", "it is %1, not a regular file, so it was left alone")
                    .arg(KindOf(st.st_mode)),
                {}};
      return {QCoreApplication::translate(
                  "DataFiles", "it is a symbolic link to %1, not to a regular file, so nothing was written")
                  .arg(KindOf(st.st_mode)),
              {}};
    }
    // A folder reached as /proc/PID/fd/N: stat follows that link to the folder itself.
    const QByteArray folder = FolderOfName(name);
    struct stat dir {};
    if (::stat(folder.constData(), &dir) != 0 || dir.st_uid != ::geteuid() ||
        (dir.st_mode & (S_IWGRP | S_IWOTH)))
      return {QCoreApplication::translate(
                  "DataFiles",
                  "it is a symbolic link in a folder that is not yours alone (another user could have put it "
                  "there), so nothing was written through it"),
              {}};
    if (links >= kMaxLinks)
      return {QCoreApplication::translate("DataFiles",
                                          "it is a chain of too many symbolic links, so nothing was written"),
              {}};
    QByteArray target(4096, '\0');
    const ssize_t n = ::readlink(name.constData(), target.data(), static_cast<size_t>(target.size()));
    if (n < 0 || n >= target.size())
      return {QCoreApplication::translate("DataFiles",
                                          "its symbolic link cannot be read, so nothing was written"),
              {}};
    target.truncate(n);
    name = target.startsWith('/') ? target : folder + '/' + target;
  }
}

QString WriteRefusal(const QString& path) { return CheckWrite(path).refusal; }

QByteArray FolderOfName(const QByteArray& name) {
  const qsizetype slash = name.lastIndexOf('/');
  if (slash < 0) return QByteArrayLiteral(".");
  return slash == 0 ? QByteArrayLiteral("/") : name.left(slash);
}

}  // namespace zv
