#include "data/bytenames.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QUtf8StringView>
#include <cerrno>
#include <vector>

namespace zv {

namespace {

constexpr char16_t kEscapeBase = 0xDC00;  // U+DC80 .. U+DCFF stand for bytes 80 .. FF

// Decodes UTF-8 one character at a time: the shortest run of one to four
// bytes that is valid UTF-8 is a character; a byte that starts none is handed
// to `bad`.
template <typename Bad>
QString Decode(const QByteArray& bytes, Bad bad) {
  constexpr qsizetype kLongest = 4;
  QString out;
  for (qsizetype i = 0; i < bytes.size();) {
    qsizetype n = 1;
    while (n <= kLongest &&
           (i + n > bytes.size() || !QUtf8StringView(bytes.constData() + i, n).isValidUtf8()))
      ++n;
    if (n <= kLongest) {
      out += QString::fromUtf8(bytes.constData() + i, n);
      i += n;
    } else {
      bad(out, static_cast<unsigned char>(bytes[i++]));
    }
  }
  return out;
}

// The folders opened by their bytes, with the path that reaches each. They
// stay open for the life of the program. The path names the process by its
// number rather than "self", so that a program the desktop opens a map
// picture with reaches the same folder.
struct OpenedFolder {
  QByteArray bytes;
  QString path;
};
std::vector<OpenedFolder>& Opened() {
  static std::vector<OpenedFolder> opened;
  return opened;
}

// The path of the folder, opened once; nothing when it cannot be opened or
// /proc does not reach it.
QString OpenFolder(const QByteArray& name) {
  for (const OpenedFolder& folder : Opened())
    if (folder.bytes == name) return folder.path;
  const int fd = ::open(name.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return QString();
  const QString path = QStringLiteral("/proc/%1/fd/%2").arg(::getpid()).arg(fd);
  struct stat viaFd {
  }, viaProc{};
  if (::fstat(fd, &viaFd) != 0 || ::stat(QFile::encodeName(path).constData(), &viaProc) != 0 ||
      viaFd.st_dev != viaProc.st_dev || viaFd.st_ino != viaProc.st_ino) {
    ::close(fd);
    return QString();
  }
  Opened().push_back({name, path});
  return path;
}

bool RoundTrips(const QByteArray& name) { return QFile::encodeName(QFile::decodeName(name)) == name; }

}  // namespace

QString TextOfBytes(const QByteArray& bytes) {
  return Decode(bytes, [](QString& out, unsigned char b) { out += QChar(char16_t(kEscapeBase + b)); });
}

QByteArray BytesOfText(const QString& text) {
  QByteArray out;
  qsizetype from = 0;
  for (qsizetype i = 0; i < text.size(); ++i) {
    const char16_t c = text[i].unicode();
    const bool escaped =
        c >= kEscapeBase + 0x80 && c <= kEscapeBase + 0xFF && (i == 0 || !text[i - 1].isHighSurrogate());
    if (!escaped) continue;
    out += QStringView(text).mid(from, i - from).toUtf8();
    out += static_cast<char>(c - kEscapeBase);
    from = i + 1;
  }
  return out + QStringView(text).mid(from).toUtf8();
}

QString FolderPathOfBytes(const QByteArray& name) {
  if (RoundTrips(name)) return QFile::decodeName(name);
  // The nearest folder that exists, then the rest of the name.
  QByteArray head = name;
  QString path;
  while ((path = OpenFolder(head)).isEmpty()) {
    const qsizetype cut = head.lastIndexOf('/');
    if (cut <= 0) return QFile::decodeName(name);
    head.truncate(cut);
  }
  QByteArray rest = name.mid(head.size());
  while (!RoundTrips(rest)) {
    // Make the next missing part, and go on from it.
    const qsizetype end = rest.indexOf('/', 1);
    head += rest.left(end < 0 ? rest.size() : end);
    if (::mkdir(head.constData(), 0700) != 0 && errno != EEXIST) return QFile::decodeName(name);
    path = OpenFolder(head);
    if (path.isEmpty()) return QFile::decodeName(name);
    rest = name.mid(head.size());
  }
  return path + QFile::decodeName(rest);
}

QString ShownBytes(const QByteArray& name) {
  return Decode(name, [](QString& out, unsigned char b) {
    out += QStringLiteral("\\x") + QString::number(b, 16).toUpper();
  });
}

QString ShownPath(const QString& path) {
  for (const OpenedFolder& folder : Opened())
    if (path == folder.path || path.startsWith(folder.path + u'/'))
      return QDir::toNativeSeparators(ShownBytes(folder.bytes) + path.mid(folder.path.size()));
  return QDir::toNativeSeparators(path);
}

}  // namespace zv
