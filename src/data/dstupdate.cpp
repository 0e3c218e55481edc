#include "data/dstupdate.h"

#include <QDir>
#include <QFileInfo>
#include <QTextStream>
#include <QTimeZone>
#include <functional>

#include "data/bytenames.h"
#include "data/countryfile.h"
#include "data/countrysave.h"
#include "data/numtext.h"
#include "data/outsideworld.h"
#include "data/zonenames.h"

namespace zv {

namespace {

constexpr int kExitDone = 0, kExitUntouched = 1, kExitBadYear = 2;
// Years of the Gregorian calendar that the file writes with four digits.
constexpr int kFirstYear = 1900, kLastYear = 9999;

QString ColumnsText(const YearColumns& c) {
  return c.offset + u',' + c.dstHours + u',' + c.dstUsed + QStringLiteral(",#") + FormatFileDate(c.start) +
         QStringLiteral("#,#") + FormatFileDate(c.end) + u'#';
}

// The entries' names, each followed by a detail in brackets.
QString EntryList(const CountryTable& table, const std::vector<int>& entries,
                  const std::function<QString(int)>& detail) {
  QStringList names;
  for (int n : entries) names << table.at(n, kColName) + QStringLiteral(" (") + detail(n) + u')';
  return names.join(QStringLiteral(", ")) + u'.';
}

QString DayText(const QDate& day) { return FormatFileDate(DateFromQDate(day)); }

}  // namespace

YearColumns ColumnsOf(const CountryTable& table, int n) {
  return {table.at(n, kColOffset), table.at(n, kColDstHours), table.at(n, kColDstUsed), table.dstStart[n],
          table.dstEnd[n]};
}

void SetColumns(CountryTable& table, int n, const YearColumns& c) {
  table.at(n, kColOffset) = c.offset;
  table.at(n, kColDstHours) = c.dstHours;
  table.at(n, kColDstUsed) = c.dstUsed;
  table.dstStart[n] = c.start;
  table.dstEnd[n] = c.end;
}

std::optional<int> DstDatesYear(const CountryTable& table, int entryCount) {
  std::optional<int> year;
  const int last = std::min(entryCount, CountryTable::kRows - 1);
  for (int n = 1; n <= last; ++n) {
    const QByteArray id = ZoneIdForMapName(table.at(n, kColMapName));
    if (id.isEmpty() || !LookupZone(id).isValid()) continue;
    if (NumberInText(table.at(n, kColDstUsed)) != 1 || NumberInText(table.at(n, kColDstHours)) == 0) continue;
    const int y = QDateFromValue(table.dstStart[n]).addDays(1).year();
    if (!year || y < *year) year = y;
  }
  return year;
}

std::optional<int> DstOfferDue(const CountryTable& table, int entryCount, const QDateTime& lastCheck,
                               const QDateTime& now) {
  const int year = now.date().year();
  if (lastCheck.isValid() && lastCheck.date().year() == year) return std::nullopt;
  const auto inUse = DstDatesYear(table, entryCount);
  if (!inUse || *inUse >= year) return std::nullopt;
  return inUse;
}

DstTableUpdate UpdateDstColumns(CountryTable& table, int entryCount, int year) {
  DstTableUpdate out;
  const int last = std::min(entryCount, CountryTable::kRows - 1);
  for (int n = 1; n <= last; ++n) {
    const QByteArray id = ZoneIdForMapName(table.at(n, kColMapName));
    const QTimeZone zone = id.isEmpty() ? QTimeZone() : LookupZone(id);
    const auto sampled = SampleYear(zone, year);
    if (!sampled) {
      (id.isEmpty() || zone.isValid() ? out.notUpdated : out.missing).push_back(n);
      continue;
    }
    if (!sampled->leftOut.empty()) out.split.push_back({n, sampled->leftOut});
    const YearColumns columns = ColumnsFor(*sampled);
    const YearColumns before = ColumnsOf(table, n);
    if (before == columns) continue;
    SetColumns(table, n, columns);
    out.changes.push_back({n, before, columns});
  }
  return out;
}

QString ChangeLine(const CountryTable& table, const EntryChange& change) {
  return table.at(change.entry, kColName) + QStringLiteral(": ") + ColumnsText(change.before) +
         QStringLiteral(" -> ") + ColumnsText(change.after);
}

QString NotUpdatedText(const CountryTable& table, const std::vector<int>& entries) {
  if (entries.empty()) return QString();
  return QStringLiteral("Entries not updated, no time zone known for their map picture name: ") +
         EntryList(table, entries, [&table](int n) {
           const QString map = table.at(n, kColMapName);
           return map.isEmpty() ? QStringLiteral("empty") : map;
         });
}

QString MissingZonesText(const CountryTable& table, const std::vector<int>& entries) {
  if (entries.empty()) return QString();
  return QStringLiteral(
             "Entries not updated, their time zone is missing from this computer's time-zone "
             "database: ") +
         EntryList(table, entries, [&table](int n) {
           return QString::fromLatin1(ZoneIdForMapName(table.at(n, kColMapName)));
         });
}

QStringList SplitYearLines(const CountryTable& table, const DstTableUpdate& update, int year) {
  QStringList lines;
  for (const SplitYear& s : update.split) {
    QStringList days;
    for (const auto& [first, last] : s.leftOut)
      days << (first == last ? DayText(first) : DayText(first) + QStringLiteral(" to ") + DayText(last));
    lines << QStringLiteral(
                 "%1: %2 has %3 daylight saving stretches; its dates keep the longest and leave "
                 "out %4.")
                 .arg(table.at(s.entry, kColName))
                 .arg(year)
                 .arg(s.leftOut.size() + 1)
                 .arg(days.join(QStringLiteral(", ")));
  }
  return lines;
}

namespace {

// What the update could not do, one paragraph each; empty when it did all.
QStringList UpdateNotes(const CountryTable& table, const DstTableUpdate& update, int year) {
  QStringList notes = {NotUpdatedText(table, update.notUpdated), MissingZonesText(table, update.missing)};
  notes << SplitYearLines(table, update, year);
  notes.removeAll(QString());
  return notes;
}

}  // namespace

DstFileUpdate UpdateDstFile(const QString& readPath, const QString& writePath, int entryCount, int year,
                            const QDateTime& now) {
  DstFileUpdate out;
  const QString& path = readPath;
  const QString shown = ShownPath(path);
  if (!QFileInfo::exists(path)) {
    out.error =
        QStringLiteral("The country file %1 does not exist, so no daylight saving dates were updated.")
            .arg(shown);
    return out;
  }
  const ReadResult read = ReadCountriesFile(path, out.table, entryCount);
  if (!read.opened) {
    out.error = QStringLiteral(
                    "The country file %1 could not be opened, so no daylight saving dates were "
                    "updated. The file is unchanged.")
                    .arg(shown);
    return out;
  }
  if (!read.complete) {
    out.error = QStringLiteral(
                    "The country file %1 could be read only as far as entry %2 of %3. Writing it "
                    "back would lose the entries after that, so no daylight saving dates were "
                    "updated. The file is unchanged.")
                    .arg(shown)
                    .arg(read.entriesRead)
                    .arg(entryCount);
    return out;
  }
  out.update = UpdateDstColumns(out.table, entryCount, year);
  if (out.update.changes.empty()) return out;
  if (const auto failed = SaveCountryTable(out.table, entryCount, now, writePath)) {
    out.error =
        failed->kind == SaveFailure::Kind::kField
            ? failed->text
            : QStringLiteral("The country file %1 could not be saved: %2. The file on disk is unchanged.")
                  .arg(ShownPath(writePath), failed->text);
  }
  return out;
}

QString DstOfferText(int yearInUse, int year) {
  return QStringLiteral(
             "The daylight saving dates in use are those of %1. Update them for %2 from this "
             "computer's time-zone database?")
      .arg(yearInUse)
      .arg(year);
}

QString DstUpdatedText(const DstFileUpdate& result, int year) {
  const auto changed = result.update.changes.size();
  QString text =
      QStringLiteral("Daylight saving dates updated for %1 from this computer's time-zone database: ")
          .arg(year);
  if (changed == 0)
    text += QStringLiteral("no entry changed.");
  else if (changed == 1)
    text += QStringLiteral("1 entry changed.");
  else
    text += QStringLiteral("%1 entries changed.").arg(changed);
  for (const QString& note : UpdateNotes(result.table, result.update, year))
    text += QStringLiteral("\n\n") + note;
  return text;
}

int RunUpdateDstDates(const QString& yearText, QTextStream& out, QTextStream& err) {
  const QDateTime now = CurrentClock().Now();
  int year = now.date().year();
  if (!yearText.isEmpty()) {
    bool ok = false;
    year = yearText.toInt(&ok);
    if (!ok || year < kFirstYear || year > kLastYear) {
      err << QStringLiteral("zorvane: \"%1\" is not a year from %2 to %3.")
                 .arg(yearText)
                 .arg(kFirstYear)
                 .arg(kLastYear)
          << Qt::endl;
      return kExitBadYear;
    }
  }
  const DstFileUpdate result =
      UpdateDstFile(DataPath(QStringLiteral("countries.txt")),
                    WritableDataPath(QStringLiteral("countries.txt")), kEntryCount, year, now);
  if (!result.ok()) {
    err << QStringLiteral("zorvane: ") << result.error << Qt::endl;
    return kExitUntouched;
  }
  for (const EntryChange& c : result.update.changes) out << ChangeLine(result.table, c) << Qt::endl;
  for (const QString& note : UpdateNotes(result.table, result.update, year))
    err << QStringLiteral("zorvane: ") << note << Qt::endl;
  return kExitDone;
}

}  // namespace zv
