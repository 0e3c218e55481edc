#pragma once
// Bringing the country file's daylight-saving columns up to a year from the
// computer's tz database: columns 2, 3, 4 and both dates of every entry whose
// map picture name has a zone; other entries stay as they are and are named.
// Used by the clock window's File menu and start-up offer, and by the
// --update-dst-dates command line.

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <optional>
#include <utility>
#include <vector>

#include "data/countrytable.h"
#include "data/yearrule.h"

class QTextStream;

namespace zv {

// An entry's columns 2, 3, 4 and dates as they stand in a table.
YearColumns ColumnsOf(const CountryTable& table, int n);
void SetColumns(CountryTable& table, int n, const YearColumns& columns);

// The year of the daylight-saving dates in use: the earliest year in which
// the daylight saving of an entry begins (the day after its start date),
// over the entries that have a zone in the computer's database and their
// rule switched on. Nothing when no such entry exists.
std::optional<int> DstDatesYear(const CountryTable& table, int entryCount);

// Whether to offer the update, and then the year of the dates in use: at
// start-up (lastCheck invalid), or at the first check of a new year while
// running, when the dates in use are of a year before now's.
std::optional<int> DstOfferDue(const CountryTable& table, int entryCount, const QDateTime& lastCheck,
                               const QDateTime& now);

struct EntryChange {
  int entry = 0;
  YearColumns before, after;
};

// An entry whose year has more daylight-saving stretches than its one pair
// of dates holds: the days of the others.
struct SplitYear {
  int entry = 0;
  std::vector<std::pair<QDate, QDate>> leftOut;
};

struct DstTableUpdate {
  std::vector<EntryChange> changes;
  std::vector<int> notUpdated;  // no zone for the map picture name
  std::vector<int> missing;     // a zone that the computer's database lacks
  std::vector<SplitYear> split;
};

// Updates the table in place for the year.
DstTableUpdate UpdateDstColumns(CountryTable& table, int entryCount, int year);

// "Albania: 1,1,1,#3/28/2026#,#10/25/2026# -> 1,1,1,#3/27/2027#,#10/31/2027#".
QString ChangeLine(const CountryTable& table, const EntryChange& change);
// "Entries not updated, no time zone known for their map picture name:
// Atlantis (xx), Lemuria (empty)."; empty when the list is.
QString NotUpdatedText(const CountryTable& table, const std::vector<int>& entries);
// "Entries not updated, their time zone is missing from this computer's
// time-zone database: Morocco (Africa/Casablanca)."; empty when the list is.
QString MissingZonesText(const CountryTable& table, const std::vector<int>& entries);
// One line for each split year: "Morocco: 2029 has 2 daylight saving
// stretches; its dates keep the longest and leave out 1/1/2029 to 1/13/2029."
QStringList SplitYearLines(const CountryTable& table, const DstTableUpdate& update, int year);

// The whole update of a country file: read it, which must succeed for every
// entry, update, and save whole or not at all when anything changed.
struct DstFileUpdate {
  bool ok() const { return error.isEmpty(); }
  QString error;       // why the file was left untouched; empty on success
  CountryTable table;  // on success: the table as the file now holds it
  DstTableUpdate update;
};
[[nodiscard]] DstFileUpdate UpdateDstFile(const QString& readPath, const QString& writePath, int entryCount,
                                          int year, const QDateTime& now);

// The start-up offer: "The daylight saving dates in use are those of 2026.
// Update them for 2027 from this computer's time-zone database?"
QString DstOfferText(int yearInUse, int year);
// The one message after an update: how many entries changed, the entries
// that could not be updated and the years cut to one stretch.
QString DstUpdatedText(const DstFileUpdate& result, int year);

// The command line's work: yearText is the year asked for (empty: the
// current year of the clock). One line per changed entry on out; messages on
// err. Returns the exit status: 0 done, 1 the file was left untouched,
// 2 the year is not a year.
[[nodiscard]] int RunUpdateDstDates(const QString& yearText, QTextStream& out, QTextStream& err);

}  // namespace zv
