#include "data/countryfile.h"

#include <QFile>

#include "data/timeofday.h"

namespace zv {

bool FieldReader::AtLineEnd() const { return i_ < s_.size() && (s_[i_] == u'\r' || s_[i_] == u'\n'); }

void FieldReader::SkipLineEnd() {
  if (i_ < s_.size() && s_[i_] == u'\r') ++i_;
  if (i_ < s_.size() && s_[i_] == u'\n') ++i_;
}

void FieldReader::SkipBlanks() {
  while (i_ < s_.size() && (s_[i_] == u' ' || s_[i_] == u'\t')) ++i_;
}

QString FieldReader::TakeToSeparator() {
  const qsizetype start = i_;
  while (i_ < s_.size() && s_[i_] != u',' && s_[i_] != u'\r' && s_[i_] != u'\n') ++i_;
  QString field = s_.mid(start, i_ - start);
  if (i_ < s_.size()) {
    if (s_[i_] == u',')
      ++i_;
    else
      SkipLineEnd();
  }
  return field;
}

std::optional<QString> FieldReader::ReadText() {
  if (AtEnd()) return std::nullopt;
  SkipBlanks();
  if (AtLineEnd()) {
    SkipLineEnd();
    return QString();
  }
  if (i_ < s_.size() && s_[i_] == u'"') {
    const qsizetype close = s_.indexOf(u'"', i_ + 1);
    const qsizetype end = close < 0 ? s_.size() : close;
    QString field = s_.mid(i_ + 1, end - i_ - 1);
    i_ = close < 0 ? s_.size() : close + 1;
    TakeToSeparator();  // anything after the closing quote is dropped
    return field;
  }
  return TakeToSeparator();
}

std::optional<DateValue> FieldReader::ReadDate() {
  if (AtEnd()) return std::nullopt;
  SkipBlanks();
  if (i_ >= s_.size() || s_[i_] != u'#') return std::nullopt;
  const qsizetype close = s_.indexOf(u'#', i_ + 1);
  if (close < 0) return std::nullopt;
  const QString inner = s_.mid(i_ + 1, close - i_ - 1);
  if (inner.contains(u'\r') || inner.contains(u'\n')) return std::nullopt;
  const auto value = ParseFileDate(inner);
  if (!value) return std::nullopt;
  i_ = close + 1;
  TakeToSeparator();
  return value;
}

ReadResult ReadCountriesText(const QString& text, CountryTable& table, int entryCount) {
  ReadResult result;
  result.opened = true;
  FieldReader r(text);
  for (int h = 0; h < 3; ++h)
    if (!r.ReadText()) return result;
  const int last = std::min(entryCount, CountryTable::kRows - 1);
  for (int n = 1; n <= last; ++n) {
    for (int c = kColName; c <= kColDstUsed; ++c) {
      auto f = r.ReadText();
      if (!f) return result;
      table.text[n][c] = *f;
    }
    auto start = r.ReadDate();
    if (!start) return result;
    table.dstStart[n] = *start;
    auto end = r.ReadDate();
    if (!end) return result;
    table.dstEnd[n] = *end;
    for (int c = kColLocation; c <= kColHistory; ++c) {
      auto f = r.ReadText();
      if (!f) return result;
      table.text[n][c] = *f;
    }
    result.entriesRead = n;
  }
  result.complete = true;
  return result;
}

ReadResult ReadCountriesFile(const QString& path, CountryTable& table, int entryCount) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return {};
  const QByteArray bytes = f.read(kMaxCountryFileBytes);
  f.close();
  return ReadCountriesText(QString::fromLatin1(bytes), table, entryCount);
}

QString CountryFileTitle(const QDateTime& now) {
  const QDate d = now.date();
  const QTime t = now.time();
  return QStringLiteral("Country TimeZone w/GMT DayLightSavingHrs  ") + FormatMonthDay(DateFromQDate(d)) +
         QStringLiteral("  ") + FormatTimeForm(t.hour() * 60 + t.minute());
}

QByteArray WriteCountriesBytes(const CountryTable& table, int entryCount, const QDateTime& now) {
  QString out;
  out.reserve(200 * 1024);
  const QString eol = QStringLiteral("\r\n");
  out += CountryFileTitle(now) + eol;
  out += QString(50, u'-') + eol;
  out += eol;
  const int last = std::min(entryCount, CountryTable::kRows - 1);
  for (int n = 1; n <= last; ++n) {
    const auto& row = table.text[n];
    out += row[kColName] + u',' + row[kColOffset] + u',' + row[kColDstHours] + u',' + row[kColDstUsed] + u',';
    out += u'#' + FormatFileDate(table.dstStart[n]) + QStringLiteral("#,#") +
           FormatFileDate(table.dstEnd[n]) + QStringLiteral("#,");
    for (int c = kColLocation; c <= kColMapName; ++c) out += row[c] + u',';
    out += row[kColHistory] + eol;
  }
  return out.toLatin1();
}

std::optional<UnwritableChar> FirstUnwritableChar(const CountryTable& table, int entryCount) {
  const int last = std::min(entryCount, CountryTable::kRows - 1);
  for (int n = 1; n <= last; ++n)
    for (int c = kColName; c <= kColHistory; ++c)
      for (QChar ch : table.text[n][c])
        if (ch.unicode() > 0xFF) return UnwritableChar{n, c, ch};
  return std::nullopt;
}

}  // namespace zv
