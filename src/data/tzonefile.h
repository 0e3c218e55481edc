#pragma once
// tzone.txt: the user's normal offset from GMT and daylight-saving hours.

#include <QByteArray>
#include <QString>
#include <optional>

#include "data/savefile.h"

namespace zv {

struct ZoneTexts {
  QString offset;    // shown in the offset field
  QString dstHours;  // shown in the daylight-saving field
};

// The texts for the two fields from the bytes of the file: each value that
// is a number as its general text (3.35, 0), a value that is text unchanged.
// Missing values give "3" and an empty text.
ZoneTexts ParseZoneBytes(const QByteArray& bytes);

// Reads the file at path; a missing or unreadable file gives "3" and "".
ZoneTexts ReadZoneFile(const QString& path);

// The file's line for two field texts, each taken as a number: a sign column
// (a space or "-"), the number, a space; the second number begins at the next
// print column of 14 characters; CR LF.
QByteArray ZoneFileBytes(const QString& offsetText, const QString& dstText);

// Writes the settings to the file at path, at exit. Settings that are still
// those read from the file (asRead) leave a file that another copy of the
// program changed since as it is: the user chose nothing here, and the other
// copy's choice is the newer. Settings changed here are not written over such
// a file either; the failure says why.
WriteResult SaveZoneFile(const QString& path, const QString& offsetText, const QString& dstText,
                         const std::optional<ZoneTexts>& asRead);

}  // namespace zv
