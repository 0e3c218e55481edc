#pragma once
// Saving the country table to countries.txt whole or not at all: fields that
// would not read back are refused first, then the bytes go through the safe
// file write, so a failure leaves the file on disk as it was. The country
// information window's Save and the daylight-saving update both save here.

#include <QDateTime>
#include <QString>
#include <optional>

#include "data/countrytable.h"
#include "data/textencoding.h"

namespace zv {

struct SaveFailure {
  enum class Kind { kField, kWrite };
  Kind kind = Kind::kWrite;
  // kField: the whole message for the user (it ends "Nothing was saved.");
  // kWrite: the system's reason, for the caller's message.
  QString text;
};

// Writes rows 1 to entryCount of the table to path, the header stamped with
// now, in the given character set; without one, in the set the shared table
// was last read in. Nothing on success.
[[nodiscard]] std::optional<SaveFailure> SaveCountryTable(const CountryTable& table, int entryCount,
                                                          const QDateTime& now, const QString& path,
                                                          std::optional<TextEncoding> encoding = {});

// The recovery copy of the table file at tablePath: beside it, never over it.
// Edits that the program ending from outside would drop are kept there, and
// the next start offers to save or discard them.
QString RecoveryPath(const QString& tablePath);

// Writes the table to the recovery copy (in the set the shared table was
// read in, or in UTF-8 when that set cannot hold a field). Returns what went
// wrong, in the user's words, else an empty text.
QString KeepRecoveryCopy(const CountryTable& table, int entryCount, const QDateTime& now,
                         const QString& tablePath);

// Whether a recovery copy is waiting beside the table.
bool HasRecoveryCopy(const QString& tablePath);

// Saves the recovery copy over the table file, then removes the copy. It is
// refused (and kept) when it does not read whole.
[[nodiscard]] std::optional<SaveFailure> RestoreRecoveryCopy(const QString& tablePath, int entryCount,
                                                             const QDateTime& now);

// Removes the recovery copy.
void DiscardRecoveryCopy(const QString& tablePath);

}  // namespace zv
