#include "data/countryfile.h"

#include <QCoreApplication>
#include <QFile>

#include "data/datafileio.h"
#include "data/timeofday.h"

namespace zv {

namespace {
constexpr int kHeaderFields = 3;
constexpr int kRecordFields = 13;
}  // namespace

QString FieldReader::FieldTextAt(qsizetype at) const {
  qsizetype end = at;
  while (end < s_.size() && s_[end] != u',' && s_[end] != u'\r' && s_[end] != u'\n') ++end;
  return s_.mid(at, end - at).trimmed();
}

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

std::optional<DateValue> FieldReader::ReadDate(QString* text) {
  if (AtEnd()) return std::nullopt;
  SkipBlanks();
  if (i_ >= s_.size() || s_[i_] != u'#') return std::nullopt;
  const qsizetype close = s_.indexOf(u'#', i_ + 1);
  if (close < 0) return std::nullopt;
  const QString inner = s_.mid(i_ + 1, close - i_ - 1);
  if (inner.contains(u'\r') || inner.contains(u'\n')) return std::nullopt;
  const auto value = ParseFileDate(inner);
  if (!value) return std::nullopt;
  if (text) *text = inner;
  i_ = close + 1;
  TakeToSeparator();
  return value;
}

ReadResult ReadCountriesText(const QString& text, CountryTable& table, int entryCount) {
  ReadResult result;
  result.opened = true;
  FieldReader r(text);
  auto stopAt = [&result](int entry, int field, ReadStop why) {
    result.stopEntry = entry;
    result.stopField = field;
    result.stop = why;
    return result;
  };
  for (int h = 1; h <= kHeaderFields; ++h)
    if (!r.ReadText()) return stopAt(0, h, ReadStop::kEndOfFile);
  const int last = std::min(entryCount, CountryTable::kRows - 1);
  for (int n = 1; n <= last; ++n) {
    int field = 0;
    for (int c = kColName; c <= kColDstUsed; ++c) {
      auto f = r.ReadText();
      ++field;
      if (!f) return stopAt(n, field, ReadStop::kEndOfFile);
      table.text[n][c] = *f;
    }
    for (auto [date, dateText] : {std::pair(&table.dstStart[n], &table.dstStartText[n]),
                                  std::pair(&table.dstEnd[n], &table.dstEndText[n])}) {
      ++field;
      if (r.AtEnd()) return stopAt(n, field, ReadStop::kEndOfFile);
      const qsizetype at = r.Position();
      auto d = r.ReadDate(dateText);
      if (!d) {
        result.found = r.FieldTextAt(at);
        return stopAt(n, field, ReadStop::kNoDate);
      }
      *date = *d;
    }
    for (int c = kColLocation; c <= kColHistory; ++c) {
      auto f = r.ReadText();
      ++field;
      if (!f) return stopAt(n, field, ReadStop::kEndOfFile);
      table.text[n][c] = *f;
    }
    result.entriesRead = n;
  }
  result.complete = true;
  return result;
}

ReadResult ReadCountriesFile(const QString& path, CountryTable& table, int entryCount) {
  const DataFileRead file = ReadDataFile(path, kMaxCountryFileBytes);
  NoteReadIntoState(path, file);
  ReadResult result;
  if (file.state == DataFileRead::kMissing) {
    result.stop = ReadStop::kNoFile;
    return result;
  }
  if (file.state == DataFileRead::kError) {
    result.stop = ReadStop::kCannotOpen;
    result.found = file.error;
    return result;
  }
  const TextEncoding encoding = DetectEncoding(file.bytes, file.cut);
  result = ReadCountriesText(DecodeText(file.bytes, encoding), table, entryCount);
  result.encoding = encoding;
  if (file.cut) {
    // Whatever the beginning held, the rest of the file was not read.
    result.complete = false;
    result.stop = ReadStop::kTooLarge;
  }
  return result;
}

bool ReadInPart(const ReadResult& result) {
  return !result.complete && result.stop != ReadStop::kNoFile && result.stop != ReadStop::kNone;
}

QString PartialReadMessage(const ReadResult& result, const CountryTable& table) {
  static const char* const kFieldNames[kRecordFields] = {
      QT_TRANSLATE_NOOP("DataFiles", "name"),
      QT_TRANSLATE_NOOP("DataFiles", "offset from GMT"),
      QT_TRANSLATE_NOOP("DataFiles", "daylight-saving hours"),
      QT_TRANSLATE_NOOP("DataFiles", "daylight saving used"),
      QT_TRANSLATE_NOOP("DataFiles", "daylight-saving start date"),
      QT_TRANSLATE_NOOP("DataFiles", "daylight-saving end date"),
      QT_TRANSLATE_NOOP("DataFiles", "location"),
      QT_TRANSLATE_NOOP("DataFiles", "capital"),
      QT_TRANSLATE_NOOP("DataFiles", "latitude"),
      QT_TRANSLATE_NOOP("DataFiles", "longitude"),
      QT_TRANSLATE_NOOP("DataFiles", "languages"),
      QT_TRANSLATE_NOOP("DataFiles", "map picture name"),
      QT_TRANSLATE_NOOP("DataFiles", "brief history")};
  QString where;
  if (result.stop == ReadStop::kCannotOpen) {
    where = QCoreApplication::translate("DataFiles", "The file could not be read: %1.").arg(result.found);
  } else if (result.stop == ReadStop::kTooLarge) {
    where = QCoreApplication::translate("DataFiles",
                                        "The file is larger than %1 MB; only its beginning was read.")
                .arg(kMaxCountryFileBytes / (1024 * 1024));
  } else if (result.stopEntry == 0) {
    where = QCoreApplication::translate("DataFiles",
                                        "Reading stopped in the three header lines: the file ends there.");
  } else {
    const int f = std::clamp(result.stopField, 1, kRecordFields);
    QString name = result.stopEntry < CountryTable::kRows ? table.at(result.stopEntry, kColName) : QString();
    where = QCoreApplication::translate("DataFiles", "Reading stopped at entry %1%2, field %3 (%4): ")
                .arg(result.stopEntry)
                .arg(f > 1 && !name.isEmpty() ? QStringLiteral(" (\"%1\")").arg(name.left(40)) : QString())
                .arg(f)
                .arg(QCoreApplication::translate("DataFiles", kFieldNames[f - 1]));
    if (result.stop == ReadStop::kNoDate)
      where += QCoreApplication::translate("DataFiles", "\"%1\" is not a date between # signs.")
                   .arg(result.found.left(40));
    else
      where += QCoreApplication::translate("DataFiles", "the file ends there.");
  }
  return QCoreApplication::translate("DataFiles", "countries.txt could be read only in part. ") + where +
         QCoreApplication::translate(
             "DataFiles",
             " The entries from there on are empty or incomplete. The file has not been changed; "
             "saving the table is refused until the file reads whole again.");
}

QString CountryFileTitle(const QDateTime& now) {
  const QDate d = now.date();
  const QTime t = now.time();
  return QStringLiteral("Country TimeZone w/GMT DayLightSavingHrs  ") + FormatMonthDay(DateFromQDate(d)) +
         QStringLiteral("  ") + FormatTimeForm(t.hour() * 60 + t.minute());
}

namespace {

// Appends a text in the file's character set; a character the set cannot
// hold (refused before any save) becomes "?".
void AppendText(QByteArray& out, QStringView text, TextEncoding encoding) {
  if (AppendEncoded(out, text, encoding)) return;
  for (QChar c : text)
    if (!AppendEncoded(out, QStringView(&c, 1), encoding)) out += '?';
}

// A date field: the text it was read from while that still gives the date
// and fits the file's set, else the date in the writer's own form.
void AppendDate(QByteArray& out, DateValue value, const QString& read, TextEncoding encoding) {
  out += '#';
  if (ParseFileDate(read) != value || !AppendEncoded(out, read, encoding))
    AppendText(out, FormatFileDate(value), encoding);
  out += '#';
}

}  // namespace

QByteArray WriteCountriesBytes(const CountryTable& table, int entryCount, const QDateTime& now,
                               TextEncoding encoding) {
  if (encoding == TextEncoding::kAscii)
    encoding = FirstUnwritableChar(table, entryCount, TextEncoding::kWindows1252)
                   ? TextEncoding::kUtf8
                   : TextEncoding::kWindows1252;
  const int last = std::min(entryCount, CountryTable::kRows - 1);
  // The exact size but for the dates, so that the bytes are allocated once.
  constexpr qsizetype kRecordExtra = 80;  // separators, two dates, line end
  qsizetype size = 200;
  for (int n = 1; n <= last; ++n) {
    size += kRecordExtra;
    for (int c = kColName; c <= kColHistory; ++c) size += table.text[n][c].size();
  }
  QByteArray out;
  out.reserve(size);
  const char* const eol = "\r\n";
  AppendText(out, CountryFileTitle(now), encoding);
  out += eol;
  out += QByteArray(50, '-');
  out += eol;
  out += eol;
  for (int n = 1; n <= last; ++n) {
    const auto& row = table.text[n];
    for (int c = kColName; c <= kColDstUsed; ++c) {
      AppendText(out, row[c], encoding);
      out += ',';
    }
    AppendDate(out, table.dstStart[n], table.dstStartText[n], encoding);
    out += ',';
    AppendDate(out, table.dstEnd[n], table.dstEndText[n], encoding);
    out += ',';
    for (int c = kColLocation; c <= kColMapName; ++c) {
      AppendText(out, row[c], encoding);
      out += ',';
    }
    AppendText(out, row[kColHistory], encoding);
    out += eol;
  }
  return out;
}

std::optional<UnwritableChar> FirstUnwritableChar(const CountryTable& table, int entryCount,
                                                  TextEncoding encoding) {
  const int last = std::min(entryCount, CountryTable::kRows - 1);
  for (int n = 1; n <= last; ++n)
    for (int c = kColName; c <= kColHistory; ++c)
      if (const auto bad = FirstUnencodable(table.text[n][c], encoding)) {
        const QString whole = QString::fromUcs4(&*bad, 1);
        return UnwritableChar{n, c, whole.isEmpty() ? QChar() : whole[0], *bad};
      }
  return std::nullopt;
}

}  // namespace zv
