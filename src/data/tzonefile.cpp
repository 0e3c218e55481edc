#include "data/tzonefile.h"

#include "data/datafileio.h"
#include "data/numtext.h"

namespace zv {

namespace {

constexpr qint64 kZoneFileReadBytes = 4096;  // one line of two numbers; the rest is ignored

// One field: spaces skipped, then up to a space, a comma or a line end.
QString NextField(const QString& s, qsizetype& i) {
  while (i < s.size() && (s[i] == u' ' || s[i] == u'\t')) ++i;
  const qsizetype start = i;
  while (i < s.size() && s[i] != u' ' && s[i] != u'\t' && s[i] != u',' && s[i] != u'\r' && s[i] != u'\n') ++i;
  QString f = s.mid(start, i - start);
  while (i < s.size() && (s[i] == u' ' || s[i] == u'\t')) ++i;
  if (i < s.size() && s[i] == u',') ++i;
  return f;
}

QString Shown(const QString& field) {
  return IsNumberText(field) ? GeneralNumberText(NumberInText(field)) : field;
}

QString NumberItem(double v) {
  const QString digits = GeneralNumberText(v);
  return (digits.startsWith(u'-') ? digits : u' ' + digits) + u' ';
}

}  // namespace

ZoneTexts ParseZoneBytes(const QByteArray& bytes) {
  const QString s = QString::fromLatin1(bytes.left(kZoneFileReadBytes));
  qsizetype i = 0;
  const QString a = NextField(s, i);
  if (a.isEmpty()) return {QStringLiteral("3"), QString()};
  const QString b = NextField(s, i);
  return {Shown(a), Shown(b)};
}

ZoneTexts ReadZoneFile(const QString& path) {
  const DataFileRead f = ReadDataFile(path, kZoneFileReadBytes);
  NoteReadIntoState(path, f);
  if (f.state != DataFileRead::kOk) return {QStringLiteral("3"), QString()};
  return ParseZoneBytes(f.bytes);
}

QByteArray ZoneFileBytes(const QString& offsetText, const QString& dstText) {
  QString line = NumberItem(NumberInText(offsetText));
  const qsizetype zone = (line.size() + 13) / 14 * 14;
  line = line.leftJustified(zone, u' ');
  line += NumberItem(NumberInText(dstText));
  line += QStringLiteral("\r\n");
  return line.toLatin1();
}

WriteResult SaveZoneFile(const QString& path, const QString& offsetText, const QString& dstText,
                         const std::optional<ZoneTexts>& asRead) {
  const QByteArray bytes = ZoneFileBytes(offsetText, dstText);
  if (asRead && bytes == ZoneFileBytes(asRead->offset, asRead->dstHours) && !ChangedSinceRead(path).isEmpty())
    return WriteResult::Written();
  return WriteFileWhole(path, bytes);
}

}  // namespace zv
