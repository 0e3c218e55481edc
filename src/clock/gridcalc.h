#pragma once
// The clock's calculation: GMT from the user's own-zone texts, and from GMT
// every entry's local time, its colours and the legend counts. Pure: the
// window applies the result to its cells.

#include <QDate>
#include <QDateTime>
#include <QString>
#include <array>
#include <vector>

#include "data/countrytable.h"
#include "data/rgb.h"

namespace zv {

inline constexpr int kGridRows = 228;  // rows 1 .. 228 (225 spacer, 226..228 legend)
inline constexpr int kRowSpacer = 225;
inline constexpr int kRowDstLegend = 226;
inline constexpr int kRowAmLegend = 227;
inline constexpr int kRowPmLegend = 228;

// Whether entry n's daylight saving is in force on the given day: its hours
// not 0, its flag 1, and today strictly between its start and end dates, or,
// when the end lies before the start (a rule across the new year), after the
// start or before the end. Equal dates: never.
bool DstInForce(const CountryTable& table, int n, const QDate& today);

// Whether entry n's daylight saving is in force at a moment (GMT). An entry
// that holds the columns its zone has in the tz database for the moment's
// year follows the zone: in force while the zone stands above its normal
// offset, from the instant it changes. Any other entry (dates set by hand,
// of another year, or a zone the computer lacks) keeps the date rule above,
// on its own local date: the moment plus its normal offset.
bool DstInForceAt(const CountryTable& table, int n, const QDateTime& gmt);

struct GridInputs {
  QString localTime;    // the own-time panel's local time
  QString offset;       // its standard offset from GMT, in hours
  QString dstHours;     // its daylight-saving hours
  QString previousGmt;  // the GMT time text before this calculation
  const CountryTable* table = nullptr;
  int entryCount = 0;
  QDate today;                  // the user's local date, which the local time belongs to
  std::vector<int> highlights;  // as read from highlight.txt
  Rgb nameColour;               // the name template's colour
  Rgb amColour = kAmColour, pmColour = kPmColour, dstColour = kDstColour, highlightColour = kHighlightColour;
  bool twentyFourHour = false;  // entry times as "H:MM" rather than "h:mm AM"
  int shiftMinutes = 0;         // every entry shown this many minutes later than the moment ("Change to...")
};

struct GridResult {
  QString gmtText;  // the new GMT time text (the previous one when the local time is not a time)
  // Indexed by row 1 .. 228; index 0 unused. Rows the calculation does not
  // touch (225, and the legend names) keep an empty text and the name colour.
  std::array<QString, kGridRows + 1> timeText{};
  std::array<Rgb, kGridRows + 1> timeColour{};
  std::array<Rgb, kGridRows + 1> nameColour{};
  std::array<bool, kGridRows + 1> nameColourSet{};  // rows whose name colour the calculation sets
  std::array<bool, kGridRows + 1> dst{};            // daylight saving in force
  // The entry's local date less the user's, in days (-1 the day before).
  std::array<int, kGridRows + 1> dayOffset{};
  int dstCount = 0, amCount = 0, pmCount = 0;
};

GridResult CalculateGrid(const GridInputs& in);

// The minutes since midnight of a GMT time text; an empty or unreadable text
// counts as midnight.
int GmtMinutes(const QString& gmtText);

}  // namespace zv
