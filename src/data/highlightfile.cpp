#include "data/highlightfile.h"

#include <QFile>

#include "data/numtext.h"

namespace zv {

std::vector<int> ParseHighlightBytes(const QByteArray& bytes) {
  std::vector<int> out;
  const QString s = QString::fromLatin1(bytes);
  qsizetype i = 0;
  const qsizetype n = s.size();
  auto isSpace = [&](qsizetype k) { return s[k] == u' ' || s[k] == u'\t'; };
  while (i < n && static_cast<int>(out.size()) < kMaxHighlights) {
    while (i < n && isSpace(i)) ++i;
    if (i >= n) break;
    const qsizetype start = i;
    while (i < n && !isSpace(i) && s[i] != u',' && s[i] != u'\r' && s[i] != u'\n') ++i;
    const QString field = s.mid(start, i - start);
    while (i < n && isSpace(i)) ++i;
    if (i < n && s[i] == u',') {
      ++i;
    } else if (i < n && (s[i] == u'\r' || s[i] == u'\n')) {
      if (s[i] == u'\r') ++i;
      if (i < n && s[i] == u'\n') ++i;
    }
    out.push_back(RoundHalfEven(NumberInText(field)));
  }
  return out;
}

std::vector<int> ReadHighlightFile(const QString& path) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return {};
  // 230 numbers never need more than a few kilobytes; a huge file is cut.
  return ParseHighlightBytes(f.read(64 * 1024));
}

QByteArray HighlightLine(int entry) { return QByteArray(" ") + QByteArray::number(entry) + " \r\n"; }

}  // namespace zv
