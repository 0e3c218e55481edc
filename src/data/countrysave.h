#pragma once
// Saving the country table to countries.txt whole or not at all: fields that
// would not read back are refused first, then the bytes go through the safe
// file write, so a failure leaves the file on disk as it was. The country
// information window's Save and the daylight-saving update both save here.

#include <QDateTime>
#include <QString>
#include <optional>

#include "data/countrytable.h"

namespace zv {

struct SaveFailure {
  enum class Kind { kField, kWrite };
  Kind kind = Kind::kWrite;
  // kField: the whole message for the user (it ends "Nothing was saved.");
  // kWrite: the system's reason, for the caller's message.
  QString text;
};

// Writes rows 1 to entryCount of the table to path, the header stamped with
// now. Nothing on success.
[[nodiscard]] std::optional<SaveFailure> SaveCountryTable(const CountryTable& table, int entryCount,
                                                          const QDateTime& now, const QString& path);

}  // namespace zv
