#pragma once
// tzone.txt: the user's normal offset from GMT and daylight-saving hours.

#include <QByteArray>
#include <QString>

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

}  // namespace zv
