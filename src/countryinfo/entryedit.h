#pragma once
// The editing rules of the country information window that need no window:
// what a box's text becomes when it loses the focus, how the boxes of the
// shown entry are taken into a row of the working copy, the entry number
// box, the map title and the checks made before the table is saved.

#include <QString>
#include <array>
#include <optional>

#include "data/countrytable.h"

namespace zv {

// Indexes of the country information window's twelve boxes.
enum Box : int {
  kBoxName = 0,
  kBoxOffset = 1,
  kBoxDstHours = 2,
  kBoxDstStart = 3,
  kBoxDstEnd = 4,
  kBoxLocation = 5,
  kBoxCapital = 6,
  kBoxLatitude = 7,
  kBoxLongitude = 8,
  kBoxLanguages = 9,
  kBoxMapName = 10,
  kBoxHistory = 11,
};
inline constexpr int kBoxCount = 12;

// The caption beside a box, as the user sees it ("from" for the start date).
QString BoxCaption(int box);
// A box as messages name it: "daylight saving start date", "field \"Capital\"".
QString FieldName(int box);

// The text of box i after it lost the focus: "," and then ";" become the
// replacement character; the latitude and longitude are upper-cased.
QString TextAfterFocusOut(const QString& text, int box);

// The state of the check box for a column 4 text: 0 not ticked for "0" (and
// for a text that holds no number), 1 ticked for "1", 2 (the greyed state)
// for any other number, which the two-state box cannot show.
int CheckStateForColumn(const QString& column4);

// What the boxes of the shown entry hold. A box the user did not change
// (edited false) is not taken: its column, or its date, keeps the row's
// value as it is, so a field nobody edited goes back to the file exactly as
// it was read.
struct EntryBoxes {
  std::array<QString, kBoxCount> text;
  int checkState = 0;  // 0 not ticked, 1 ticked, 2 greyed
  std::array<bool, kBoxCount> edited = {true, true, true, true, true, true,
                                        true, true, true, true, true, true};
};

// The most characters a box shows (a line box cannot hold more). A longer
// field shows its beginning, stays locked and is kept as it is.
inline constexpr qsizetype kMaxBoxChars = 32767;

// What a box shows of a field: the field, or its first kMaxBoxChars.
QString ShownField(const QString& field);

// The note shown for an entry whose fields are too long for their boxes (one
// short line naming them), or an empty text when every field fits.
QString TooLongNote(const std::array<qsizetype, kBoxCount>& lengths);

struct CommitError {
  int box = -1;     // the box that could not be taken
  QString message;  // the message for the user
};

// Takes the boxes into row `row` of the table. The dates are read as a
// person types them (Mar 28 is 28 March of currentYear). The row is changed
// only when every box could be taken; otherwise nothing of it changes and
// the error names the first box that failed. A greyed check box keeps the
// column 4 text that the row already holds.
std::optional<CommitError> CommitEntry(const EntryBoxes& boxes, int currentYear, CountryTable& table,
                                       int row);

// The entry number box: the entry that a text asks for, or, when the text is
// out of range, the text that the box is set to instead ("1", or the entry
// count for numbers above 110).
struct EntryChoice {
  bool valid = false;
  double entry = 0;  // the number in the text, when valid
  QString fallback;  // the box's new text, when not valid
};
EntryChoice ChooseEntry(const QString& boxText, int entryCount);

// "Map of " and the name; a name with "(" is cut two characters before the
// first bracket (Congo (Kinshasa) gives Map of Congo). A name that begins
// with "(" is used whole.
QString MapTitle(const QString& name);

// The map picture of an entry: folder + "/" + mapName + "-map.jpg", or an
// empty text when the name could reach outside the folder (a path separator
// or "..") or holds a character that no file name can.
QString MapPicturePathFor(const QString& mapsFolder, const QString& mapName);

// A field that would not read back from the country file as it stands: a
// comma, a line break, a leading space or tab (skipped by the reader) or a
// leading double quote (read as a quoted field).
struct UnsavableField {
  int row = 0;
  int column = 0;
  QString reason;
};
std::optional<UnsavableField> FirstUnsavableField(const CountryTable& table, int entryCount);

// The user's words for a field problem found before saving.
QString UnsavableMessage(const UnsavableField& field, const CountryTable& table);
QString UnwritableMessage(int row, int column, QChar character, const CountryTable& table);
QString UnwritableMessage(int row, int column, char32_t character, const CountryTable& table);

// The user's name of a table column ("Brief History").
QString ColumnCaption(int column);

}  // namespace zv
