#pragma once
// Whether the shared country table came whole from countries.txt. Any command
// that writes the whole table back to the file asks WholeTableWriteRefusal
// first: after a read that stopped part-way, such a write would replace the
// entries after the stop with empty ones.

#include <QString>

#include "data/readresult.h"

namespace zv {

// Records how the last reading of countries.txt into the shared table went
// (every ReadCountriesFile of the clock window calls it).
void NoteCountriesRead(const ReadResult& result);

// True while the last reading stopped part-way through an existing file.
bool CountryTableReadInPart();

// Empty when the whole table may be written to countries.txt; otherwise the
// message that tells the user why nothing is written.
QString WholeTableWriteRefusal();

}  // namespace zv
