#include "data/textencoding.h"

#include <QUtf8StringView>
#include <algorithm>
#include <array>

namespace zv {

namespace {

// Bytes 80 to 9F of Windows-1252. The five bytes the set leaves undefined
// stand for the control characters of the same number, so that every byte
// reads as one character and writes back as itself.
constexpr std::array<char16_t, 32> kHighBytes = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// The byte of a character in an 8-bit set, or -1.
int ByteOf(char16_t c, TextEncoding encoding) {
  if (encoding == TextEncoding::kLatin1) return c <= 0xFF ? c : -1;
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return c;
  for (int i = 0; i < 32; ++i)
    if (kHighBytes[i] == c) return 0x80 + i;
  return -1;
}

}  // namespace

TextEncoding DetectEncoding(const QByteArray& bytes, bool cut) {
  qsizetype size = bytes.size();
  if (cut) {
    // Drop a character that the cut split: up to three bytes after its lead byte.
    qsizetype back = 0;
    while (back < 3 && back < size && (static_cast<unsigned char>(bytes[size - 1 - back]) & 0xC0) == 0x80)
      ++back;
    if (back < size && static_cast<unsigned char>(bytes[size - 1 - back]) >= 0xC0) size -= back + 1;
  }
  if (std::all_of(bytes.begin(), bytes.end(), [](char b) { return static_cast<unsigned char>(b) < 0x80; }))
    return TextEncoding::kAscii;
  return QUtf8StringView(bytes.constData(), size).isValidUtf8() ? TextEncoding::kUtf8
                                                                : TextEncoding::kWindows1252;
}

QString DecodeText(const QByteArray& bytes, TextEncoding encoding) {
  if (encoding == TextEncoding::kLatin1) return QString::fromLatin1(bytes);
  if (encoding != TextEncoding::kWindows1252) return QString::fromUtf8(bytes);
  QString text(bytes.size(), Qt::Uninitialized);
  QChar* p = text.data();
  for (char b : bytes) {
    const auto u = static_cast<unsigned char>(b);
    *p++ = QChar(u >= 0x80 && u < 0xA0 ? kHighBytes[u - 0x80] : char16_t(u));
  }
  return text;
}

std::optional<char32_t> FirstUnencodable(QStringView text, TextEncoding encoding) {
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text[i];
    const bool eightBit = encoding == TextEncoding::kWindows1252 || encoding == TextEncoding::kLatin1;
    if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
      if (eightBit) return QChar::surrogateToUcs4(c, text[i + 1]);
      ++i;
      continue;
    }
    if (c.isSurrogate()) return c.unicode();  // half a character: no set can hold it
    if (eightBit && ByteOf(c.unicode(), encoding) < 0) return c.unicode();
  }
  return std::nullopt;
}

bool AppendEncoded(QByteArray& out, QStringView text, TextEncoding encoding) {
  if (FirstUnencodable(text, encoding)) return false;
  if (encoding == TextEncoding::kUtf8 || encoding == TextEncoding::kAscii) {
    out += text.toUtf8();
    return true;
  }
  const qsizetype at = out.size();
  out.resize(at + text.size());
  char* p = out.data() + at;
  for (QChar c : text) *p++ = static_cast<char>(ByteOf(c.unicode(), encoding));
  return true;
}

}  // namespace zv
