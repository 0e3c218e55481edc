#include "data/dstupdate.h"

#include <QDir>
#include <QFileInfo>
#include <QTextStream>
#include <QTimeZone>

#include "data/countryfile.h"
#include "data/countrysave.h"
#include "data/numtext.h"
#include "data/seams.h"
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

QTimeZone ZoneOfEntry(const CountryTable& table, int n) {
  const QByteArray id = ZoneIdForMapName(table.at(n, kColMapName));
  return id.isEmpty() ? QTimeZone() : QTimeZone(id);
}

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
    if (ZoneIdForMapName(table.at(n, kColMapName)).isEmpty()) continue;
    if (NumberInText(table.at(n, kColDstUsed)) != 1 || NumberInText(table.at(n, kColDstHours)) == 0) continue;
    const int y = QDateFromValue(table.dstStart[n]).addDays(1).year();
    if (!year || y < *year) year = y;
  }
  return year;
}

DstTableUpdate UpdateDstColumns(CountryTable& table, int entryCount, int year) {
  DstTableUpdate out;
  const int last = std::min(entryCount, CountryTable::kRows - 1);
  for (int n = 1; n <= last; ++n) {
    const auto columns = ComputeYearColumns(ZoneOfEntry(table, n), year);
    if (!columns) {
      out.notUpdated.push_back(n);
      continue;
    }
    const YearColumns before = ColumnsOf(table, n);
    if (before == *columns) continue;
    SetColumns(table, n, *columns);
    out.changes.push_back({n, before, *columns});
  }
  return out;
}

QString ChangeLine(const CountryTable& table, const EntryChange& change) {
  return table.at(change.entry, kColName) + QStringLiteral(": ") + ColumnsText(change.before) +
         QStringLiteral(" -> ") + ColumnsText(change.after);
}

QString NotUpdatedText(const CountryTable& table, const std::vector<int>& entries) {
  if (entries.empty()) return QString();
  QStringList names;
  for (int n : entries) {
    const QString map = table.at(n, kColMapName);
    names << table.at(n, kColName) + QStringLiteral(" (") + (map.isEmpty() ? QStringLiteral("empty") : map) +
                 u')';
  }
  return QStringLiteral("Entries not updated, no time zone known for their map picture name: ") +
         names.join(QStringLiteral(", ")) + u'.';
}

DstFileUpdate UpdateDstFile(const QString& readPath, const QString& writePath, int entryCount, int year,
                            const QDateTime& now) {
  DstFileUpdate out;
  const QString& path = readPath;
  const QString shown = QDir::toNativeSeparators(path);
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
                  .arg(QDir::toNativeSeparators(writePath), failed->text);
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
  const QString notUpdated = NotUpdatedText(result.table, result.update.notUpdated);
  if (!notUpdated.isEmpty()) text += QStringLiteral("\n\n") + notUpdated;
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
  const QString notUpdated = NotUpdatedText(result.table, result.update.notUpdated);
  if (!notUpdated.isEmpty()) err << QStringLiteral("zorvane: ") << notUpdated << Qt::endl;
  return kExitDone;
}

}  // namespace zv
