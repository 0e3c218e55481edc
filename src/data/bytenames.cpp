#include "data/bytenames.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QUtf8StringView>
#include <cerrno>
#include <map>

namespace zv {

namespace {

constexpr char16_t kEscapeBase = 0xDC00;  // U+DC80 .. U+DCFF stand for bytes 80 .. FF

// Decodes UTF-8 one character at a time; a byte that starts no valid
// character is handed to `bad`.
template <typename Bad>
QString Decode(const QByteArray& bytes, Bad bad) {
  QString out;
  for (qsizetype i = 0; i < bytes.size();) {
    const auto lead = static_cast<unsigned char>(bytes[i]);
    const int length = lead < 0x80   ? 1
                       : lead < 0xC2 ? 0
                       : lead < 0xE0 ? 2
                       : lead < 0xF0 ? 3
                       : lead < 0xF5 ? 4
                                     : 0;
    const QUtf8StringView one(bytes.constData() + i, std::min<qsizetype>(length, bytes.size() - i));
    if (length > 0 && one.size() == length && one.isValidUtf8()) {
      out += one.toString();
      i += length;
    } else {
      bad(out, lead);
      ++i;
    }
  }
  return out;
}

// The folders opened by their bytes: the bytes of each, by its descriptor.
// They stay open for the life of the program.
std::map<int, QByteArray>& Opened() {
  static std::map<int, QByteArray> opened;
  return opened;
}

QString ProcPath(int fd) { return QStringLiteral("/proc/self/fd/%1").arg(fd); }

// The descriptor of the folder, opened once; -1 when it cannot be opened or
// /proc does not reach it.
int OpenFolder(const QByteArray& name) {
  for (const auto& [fd, bytes] : Opened())
    if (bytes == name) return fd;
  const int fd = ::open(name.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return -1;
  struct stat viaFd {
  }, viaProc{};
  if (::fstat(fd, &viaFd) != 0 || ::stat(QFile::encodeName(ProcPath(fd)).constData(), &viaProc) != 0 ||
      viaFd.st_dev != viaProc.st_dev || viaFd.st_ino != viaProc.st_ino) {
    ::close(fd);
    return -1;
  }
  Opened()[fd] = name;
  return fd;
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
  int fd = -1;
  while ((fd = OpenFolder(head)) < 0) {
    const qsizetype cut = head.lastIndexOf('/');
    if (cut <= 0) return QFile::decodeName(name);
    head.truncate(cut);
  }
  QByteArray rest = name.mid(head.size());
  while (!RoundTrips(rest)) {
    // Make the next missing part, and go on from it.
    const qsizetype end = rest.indexOf('/', 1);
    const QByteArray next = head + rest.left(end < 0 ? rest.size() : end);
    if (::mkdir(next.constData(), 0700) != 0 && errno != EEXIST) return QFile::decodeName(name);
    const int deeper = OpenFolder(next);
    if (deeper < 0) return QFile::decodeName(name);
    head = next;
    fd = deeper;
    rest = name.mid(head.size());
  }
  return ProcPath(fd) + QFile::decodeName(rest);
}

QString ShownBytes(const QByteArray& name) {
  return Decode(name, [](QString& out, unsigned char b) {
    out += QStringLiteral("\\x") + QString::number(b, 16).toUpper();
  });
}

QString ShownPath(const QString& path) {
  for (const auto& [fd, bytes] : Opened()) {
    const QString prefix = ProcPath(fd);
    if (path == prefix || path.startsWith(prefix + u'/'))
      return QDir::toNativeSeparators(ShownBytes(bytes) + path.mid(prefix.size()));
  }
  return QDir::toNativeSeparators(path);
}

}  // namespace zv
