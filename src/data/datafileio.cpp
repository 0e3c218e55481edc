#include "data/datafileio.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cerrno>
#include <cstring>

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

}  // namespace

DataFileRead ReadDataFile(const QString& path, qint64 maxBytes) {
  DataFileRead out;
  const QByteArray name = QFile::encodeName(path);
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
  return out;
}

QString WriteRefusal(const QString& path) {
  // Follows the chain of links one link at a time, so that every link on the
  // way, not only the first, must lie in a folder that only the user can write.
  constexpr int kMaxLinks = 40;  // as the kernel's own limit on a chain
  QByteArray name = QFile::encodeName(path);
  for (int links = 0;; ++links) {
    struct stat st {};
    if (::lstat(name.constData(), &st) != 0) {
      if (links == 0) return QString();  // missing: the write says why, if it fails
      return QCoreApplication::translate(
          "DataFiles", "it is a symbolic link to a file that does not exist, so nothing was written");
    }
    if (S_ISREG(st.st_mode)) {
      // Root may write any file; a file nobody may write is still not the user's to replace.
      if ((st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 || ::access(name.constData(), W_OK) != 0)
        return QCoreApplication::translate(
            "DataFiles", "the file is read-only (you may not change it), so it was left as it is");
      return QString();
    }
    if (!S_ISLNK(st.st_mode)) {
      if (links == 0)
        return QCoreApplication::translate("DataFiles", "it is %1, not a regular file, so it was left alone")
            .arg(KindOf(st.st_mode));
      return QCoreApplication::translate(
                 "DataFiles", "it is a symbolic link to %1, not to a regular file, so nothing was written")
          .arg(KindOf(st.st_mode));
    }
    const QByteArray folder = QFile::encodeName(QFileInfo(QFile::decodeName(name)).absolutePath());
    struct stat dir {};
    if (::stat(folder.constData(), &dir) != 0 || dir.st_uid != ::geteuid() ||
        (dir.st_mode & (S_IWGRP | S_IWOTH)))
      return QCoreApplication::translate(
          "DataFiles",
          "it is a symbolic link in a folder that is not yours alone (another user could have put it "
          "there), so nothing was written through it");
    if (links >= kMaxLinks)
      return QCoreApplication::translate("DataFiles",
                                         "it is a chain of too many symbolic links, so nothing was written");
    QByteArray target(4096, '\0');
    const ssize_t n = ::readlink(name.constData(), target.data(), static_cast<size_t>(target.size()));
    if (n < 0 || n >= target.size())
      return QCoreApplication::translate("DataFiles",
                                         "its symbolic link cannot be read, so nothing was written");
    target.truncate(n);
    name = target.startsWith('/') ? target : folder + '/' + target;
  }
}

QString WriteTarget(const QString& path) {
  const QFileInfo info(path);
  if (!info.isSymLink()) return path;
  const QString target = info.canonicalFilePath();
  return target.isEmpty() ? path : target;
}

}  // namespace zv
