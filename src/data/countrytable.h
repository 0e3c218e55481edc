#pragma once
// The country table: 231 rows of 13 text columns and two date arrays.

#include <QString>
#include <array>

#include "data/datevalue.h"

namespace zv {

// Column numbers of the table.
enum Column : int {
  kColName = 1,
  kColOffset = 2,
  kColDstHours = 3,
  kColDstUsed = 4,
  kColLocation = 5,
  kColCapital = 6,
  kColLatitude = 7,
  kColLongitude = 8,
  kColLanguages = 9,
  kColMapName = 10,
  kColHistory = 11,
};

struct CountryTable {
  static constexpr int kRows = 231;  // rows 0 .. 230
  static constexpr int kCols = 13;   // columns 0 .. 12

  std::array<std::array<QString, kCols>, kRows> text{};
  std::array<DateValue, kRows> dstStart{};
  std::array<DateValue, kRows> dstEnd{};
  // The text of each date field as the file held it (between the # signs).
  // The writer writes it again while it still reads as the row's date, so a
  // date that nobody changed keeps its bytes (#2004-03-28# stays so).
  std::array<QString, kRows> dstStartText{};
  std::array<QString, kRows> dstEndText{};

  QString& at(int row, int col) { return text[row][col]; }
  const QString& at(int row, int col) const { return text[row][col]; }

  bool operator==(const CountryTable& other) const = default;
};

// The replacement character that stands in for "," and ";" in fields.
inline constexpr char16_t kReplacementChar = 0x00B8;

// The number of entries in use; set at start-up and never changed.
inline constexpr int kEntryCount = 224;

// Copies columns 1 to 11 and both dates (with their texts) of rows 1 to
// entryCount.
void CopyEntries(const CountryTable& from, CountryTable& to, int entryCount);

}  // namespace zv
