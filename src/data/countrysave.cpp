#include "data/countrysave.h"

#include <QFile>
#include <QFileInfo>

#include "countryinfo/entryedit.h"
#include "data/bytenames.h"
#include "data/countryfile.h"
#include "data/savefile.h"
#include "data/sharedstate.h"

namespace zv {

std::optional<SaveFailure> SaveCountryTable(const CountryTable& table, int entryCount, const QDateTime& now,
                                            const QString& path, std::optional<TextEncoding> encoding) {
  const TextEncoding set = encoding.value_or(Shared().countriesRead.encoding);
  if (const auto bad = FirstUnwritableChar(table, entryCount, set))
    return SaveFailure{SaveFailure::Kind::kField,
                       UnwritableMessage(bad->row, bad->column, bad->codePoint, table)};
  if (const auto bad = FirstUnsavableField(table, entryCount))
    return SaveFailure{SaveFailure::Kind::kField, UnsavableMessage(*bad, table)};
  const WriteResult written = WriteFileWhole(path, WriteCountriesBytes(table, entryCount, now, set));
  if (!written.ok()) return SaveFailure{SaveFailure::Kind::kWrite, written.failure()};
  return std::nullopt;
}

QString RecoveryPath(const QString& tablePath) { return tablePath + QStringLiteral(".unsaved"); }

QString KeepRecoveryCopy(const CountryTable& table, int entryCount, const QDateTime& now,
                         const QString& tablePath) {
  auto failed = SaveCountryTable(table, entryCount, now, RecoveryPath(tablePath));
  if (failed && failed->kind == SaveFailure::Kind::kField)
    failed = SaveCountryTable(table, entryCount, now, RecoveryPath(tablePath), TextEncoding::kUtf8);
  if (!failed) return QString();
  return QStringLiteral("The changes not saved could not be kept in %1: %2")
      .arg(ShownPath(RecoveryPath(tablePath)), failed->text);
}

bool HasRecoveryCopy(const QString& tablePath) { return QFileInfo(RecoveryPath(tablePath)).isFile(); }

std::optional<SaveFailure> RestoreRecoveryCopy(const QString& tablePath, int entryCount,
                                               const QDateTime& now) {
  CountryTable kept;
  const ReadResult read = ReadCountriesFile(RecoveryPath(tablePath), kept, entryCount);
  if (!read.complete)
    return SaveFailure{SaveFailure::Kind::kField,
                       QStringLiteral("The kept changes in %1 do not read whole, so they were not saved.")
                           .arg(ShownPath(RecoveryPath(tablePath)))};
  if (auto failed = SaveCountryTable(kept, entryCount, now, tablePath)) return failed;
  DiscardRecoveryCopy(tablePath);
  return std::nullopt;
}

void DiscardRecoveryCopy(const QString& tablePath) { QFile::remove(RecoveryPath(tablePath)); }

}  // namespace zv
