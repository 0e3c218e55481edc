#include "data/savefile.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QStringList>
#include <cerrno>
#include <cstring>

#include "data/datafileio.h"
#include "data/outsideworld.h"

namespace zv {

namespace {

constexpr int kTempLetters = 6;  // the XXXXXX of mkostemp

QString SystemReason(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

mode_t NewFileMode() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

}  // namespace

WriteResult WriteFileWhole(const QString& path, const QByteArray& bytes, WriteMode mode) {
  const WriteCheck check = CheckWrite(path);
  if (!check.refusal.isEmpty()) return WriteResult::Failed(check.refusal);
  // Replacing a file that someone changed since the program read it would
  // lose that change; adding to it loses nothing, but what the program holds
  // stays behind the file, so the note of the read is kept as it was.
  const QString changed = ChangedSinceRead(path);
  if (mode == WriteMode::kReplace && !changed.isEmpty()) return WriteResult::Failed(changed);
  // Bytes from here on: the target may be named in any bytes.
  const QByteArray& finalName = check.target;
  const QByteArray folder = FolderOfName(finalName);

  QByteArray all;
  if (mode == WriteMode::kAppend) {
    const DataFileRead old = ReadDataFileNamed(finalName, kMaxAppendedFileBytes);
    if (old.state == DataFileRead::kError) return WriteResult::Failed(old.error);
    if (old.cut) return WriteResult::Failed(QStringLiteral("the file is too large to add to"));
    all = old.bytes;
  }
  all += bytes;

  QByteArray temp = finalName + kSaveTempInfix + QByteArray(kTempLetters, 'X');
  const int fd = ::mkostemp(temp.data(), O_CLOEXEC);
  if (fd < 0) return WriteResult::Failed(SystemReason(errno));
  // Held until the temporary is renamed or removed: another copy of the
  // program starting meanwhile sees the lock and leaves the file alone.
  ::flock(fd, LOCK_EX);

  struct stat old {};
  const mode_t perms = ::stat(finalName.constData(), &old) == 0 ? (old.st_mode & 07777) : NewFileMode();
  int error = ::fchmod(fd, perms) == 0 ? 0 : errno;
  if (!error) error = CurrentFileWriter().WriteAll(fd, all);
  // The data must be on the disk before the rename makes it the file: a full
  // disk or a failing device may report only here.
  if (!error && ::fsync(fd) != 0) error = errno;
  if (::close(fd) != 0 && !error && errno != EINTR) error = errno;
  if (!error && ::rename(temp.constData(), finalName.constData()) != 0) error = errno;
  if (error) {
    ::unlink(temp.constData());
    return WriteResult::Failed(SystemReason(error));
  }
  // Make the rename itself last; a folder that cannot be synced changes
  // nothing about the file's contents.
  const int dirFd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dirFd >= 0) {
    ::fsync(dirFd);
    ::close(dirFd);
  }
  if (changed.isEmpty()) NoteWritten(path, all);
  return WriteResult::Written();
}

int RemoveStaleSaveFiles(const QString& folder, const QStringList& fileNames) {
  int removed = 0;
  const QDir dir(folder);
  for (const QString& name : fileNames) {
    const QString prefix = name + QLatin1String(kSaveTempInfix);
    const QStringList found =
        dir.entryList({prefix + QString(kTempLetters, u'?')}, QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& candidate : found) {
      const QStringView letters = QStringView(candidate).mid(prefix.size());
      bool ok = letters.size() == kTempLetters;
      for (QChar c : letters) ok = ok && c.unicode() < 0x80 && c.isLetterOrNumber();
      if (!ok) continue;
      const QByteArray path = QFile::encodeName(dir.filePath(candidate));
      struct stat st {};
      if (::lstat(path.constData(), &st) != 0 || !S_ISREG(st.st_mode) || st.st_uid != ::geteuid()) continue;
      // A save still running holds its temporary locked; only an ended one's is removed.
      const int fd = ::open(path.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
      if (fd < 0) continue;
      if (::flock(fd, LOCK_EX | LOCK_NB) == 0 && ::unlink(path.constData()) == 0) ++removed;
      ::close(fd);
    }
  }
  return removed;
}

}  // namespace zv
