#include "data/countrysave.h"

#include "countryinfo/entryedit.h"
#include "data/countryfile.h"
#include "data/savefile.h"

namespace zv {

std::optional<SaveFailure> SaveCountryTable(const CountryTable& table, int entryCount, const QDateTime& now,
                                            const QString& path) {
  if (const auto bad = FirstUnwritableChar(table, entryCount))
    return SaveFailure{SaveFailure::Kind::kField,
                       UnwritableMessage(bad->row, bad->column, bad->character, table)};
  if (const auto bad = FirstUnsavableField(table, entryCount))
    return SaveFailure{SaveFailure::Kind::kField, UnsavableMessage(*bad, table)};
  const WriteResult written = WriteFileWhole(path, WriteCountriesBytes(table, entryCount, now));
  if (!written.ok()) return SaveFailure{SaveFailure::Kind::kWrite, written.failure()};
  return std::nullopt;
}

}  // namespace zv
