#pragma once
// countries.txt: the reader that fills the country table and the writer that
// the country information window saves with.

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <optional>

#include "data/countrytable.h"
#include "data/readresult.h"

namespace zv {

// Files larger than this are read only this far (the real file is about
// 150 KB); the reader then stops at the end of what it has.
inline constexpr qint64 kMaxCountryFileBytes = 16 * 1024 * 1024;

// Reads fields of the country file one at a time, as the reader rules say:
// fields end at a comma or a line end, a field in double quotes may hold
// commas, an empty line is one empty field.
class FieldReader {
 public:
  explicit FieldReader(QString text) : s_(std::move(text)) {}
  // The next text field; nothing at the end of the text.
  std::optional<QString> ReadText();
  // The next date field (#...#); nothing at the end or when it holds no date.
  // The text between the # signs goes to *text.
  std::optional<DateValue> ReadDate(QString* text = nullptr);
  bool AtEnd() const { return i_ >= s_.size(); }
  qsizetype Position() const { return i_; }
  // The text from at to the next comma or line end, blanks trimmed (to say
  // what a field that could not be read holds).
  QString FieldTextAt(qsizetype at) const;

 private:
  bool AtLineEnd() const;
  void SkipLineEnd();
  void SkipBlanks();
  // Takes the rest of a field up to a comma or line end, consuming it.
  QString TakeToSeparator();

  QString s_;
  qsizetype i_ = 0;
};

// Fills rows 1 to entryCount from the text of a country file (already decoded
// from its 8-bit character set). Stops at the first error; cells read before
// it keep their new values, all others keep theirs.
ReadResult ReadCountriesText(const QString& text, CountryTable& table, int entryCount);

// Reads the file at path into the table, in the character set it is in
// (DetectEncoding), which the result records. Only a regular file is read
// (ReadDataFile); anything else counts as a missing file. A file larger than
// kMaxCountryFileBytes is read in part (kTooLarge): its beginning fills the
// table, and it must not be written back.
ReadResult ReadCountriesFile(const QString& path, CountryTable& table, int entryCount);

// True when a file was there but not every entry could be read from it, so
// that writing the table back would lose the entries after the stop.
bool ReadInPart(const ReadResult& result);

// What the user is told at start-up about a file read only in part: the
// entry and field where reading stopped, and why.
QString PartialReadMessage(const ReadResult& result, const CountryTable& table);

// The bytes of a country file written from rows 1 to entryCount, with the
// header stamped with the given local date and time, in the given character
// set (for kAscii, Windows-1252 when it holds every field, else UTF-8;
// without one, Latin-1). Characters that set cannot hold must
// be refused beforehand (FirstUnwritableChar); they would become "?".
QByteArray WriteCountriesBytes(const CountryTable& table, int entryCount, const QDateTime& now,
                               TextEncoding encoding = TextEncoding::kLatin1);

// The first header line: "Country TimeZone w/GMT DayLightSavingHrs  Dec 05  6:47 PM".
QString CountryFileTitle(const QDateTime& now);

// Where a field would not survive the file: a character that the file's
// character set cannot hold. Returns row, column and the character, or
// nothing when all is fine.
struct UnwritableChar {
  int row = 0;
  int column = 0;
  QChar character;         // its first UTF-16 unit
  char32_t codePoint = 0;  // the whole character
};
std::optional<UnwritableChar> FirstUnwritableChar(const CountryTable& table, int entryCount,
                                                  TextEncoding encoding = TextEncoding::kLatin1);

}  // namespace zv
