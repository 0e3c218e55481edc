#pragma once
// How far a reading of countries.txt got, and where and why it stopped.

#include <QString>

#include "data/textencoding.h"

namespace zv {

enum class ReadStop {
  kNone,        // every entry was read
  kNoFile,      // no regular file (missing, or a pipe, device or folder)
  kCannotOpen,  // a regular file that could not be opened or read
  kEndOfFile,   // the file ends before the last field of the last entry
  kNoDate,      // a date field holds no date
  kTooLarge,    // the file is larger than the reader takes; only its beginning was read
};

// The number of whole entries read, whether every entry up to the entry
// count was read, and otherwise where reading stopped: the entry whose record
// it was in (0 in the three header lines), the field of that record (1 to
// 13), the reason and, for a date field, the text found there.
struct ReadResult {
  bool opened = false;
  int entriesRead = 0;
  bool complete = false;
  int stopEntry = 0;
  int stopField = 0;
  ReadStop stop = ReadStop::kNone;
  QString found;  // the field's text (kNoDate) or the system's reason (kCannotOpen)
  TextEncoding encoding = TextEncoding::kAscii;  // the character set the file is in (none yet: either)
};

}  // namespace zv
