#include "data/highlightfile.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstring>
#include <string_view>

#include "data/datafileio.h"
#include "data/numtext.h"

namespace zv {

namespace {

// What each byte is to the reader. The byte after the last is always a zero
// (QByteArray keeps one there), so the scans need no end check but at a zero.
enum ByteClass : unsigned char { kFieldByte, kBlank, kComma, kCr, kLf, kZero };
constexpr std::array<unsigned char, 256> kClasses = [] {
  std::array<unsigned char, 256> t{};
  t[static_cast<unsigned char>(' ')] = t[static_cast<unsigned char>('\t')] = kBlank;
  t[static_cast<unsigned char>(',')] = kComma;
  t[static_cast<unsigned char>('\r')] = kCr;
  t[static_cast<unsigned char>('\n')] = kLf;
  t[0] = kZero;
  return t;
}();

}  // namespace

std::vector<int> ParseHighlightBytes(const QByteArray& bytes) {
  // Read on the bytes themselves: every character that matters is ASCII, and
  // a field's number is taken without copying it into a text.
  std::vector<int> out;
  out.reserve(static_cast<size_t>(std::min<qsizetype>(kMaxHighlights, bytes.size() / 2 + 1)));
  const char* p = bytes.constData();
  const char* const end = p + bytes.size();
  // A zero inside the file is part of a field; only the one after it ends it.
  auto classOf = [end](const char* q) {
    const unsigned char c = kClasses[static_cast<unsigned char>(*q)];
    return c == kZero && q < end ? static_cast<unsigned char>(kFieldByte) : c;
  };
  for (int count = 0; count < kMaxHighlights; ++count) {
    while (classOf(p) == kBlank) ++p;
    if (classOf(p) == kZero) break;
    const char* start = p;
    while (classOf(p) == kFieldByte) ++p;
    const std::string_view field(start, static_cast<size_t>(p - start));
    while (classOf(p) == kBlank) ++p;
    const unsigned char sep = classOf(p);
    if (sep == kComma) {
      ++p;
    } else if (sep == kCr || sep == kLf) {
      if (sep == kCr) ++p;
      if (classOf(p) == kLf) ++p;
    }
    out.push_back(RoundHalfEven(NumberInLatin1(field)));
  }
  return out;
}

std::vector<int> ReadHighlightFile(const QString& path) {
  const DataFileRead f = ReadDataFile(path, kHighlightReadBytes);
  NoteReadIntoState(path, f);
  return f.state == DataFileRead::kOk ? ParseHighlightBytes(f.bytes) : std::vector<int>{};
}

void AppendHighlightLine(QByteArray& file, int entry) {
  constexpr int kIntChars = 11;  // "-2147483648"
  char buf[1 + kIntChars + 3] = " ";
  const auto r = std::to_chars(buf + 1, buf + 1 + kIntChars, entry);
  std::memcpy(r.ptr, " \r\n", 3);
  file.append(buf, r.ptr + 3 - buf);
}

std::optional<QByteArray> CompactedHighlights(const QByteArray& start, bool cut, int entry, int entryCount) {
  const std::vector<int> numbers = ParseHighlightBytes(start);
  const QByteArray line = HighlightLine(entry);
  if (!cut && start.size() + line.size() <= kHighlightReadBytes &&
      numbers.size() < static_cast<size_t>(kMaxHighlights))
    return std::nullopt;
  QByteArray file;
  std::vector<bool> seen(static_cast<size_t>(std::max(entryCount, 0)) + 1, false);
  for (int n : numbers) {
    if (n < 1 || n > entryCount || seen[n] || n == entry) continue;
    seen[n] = true;
    AppendHighlightLine(file, n);
  }
  return file + line;
}

QByteArray HighlightLine(int entry) {
  QByteArray line;
  AppendHighlightLine(line, entry);
  return line;
}

}  // namespace zv
