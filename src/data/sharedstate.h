#pragma once
// Values shared by all windows: the country table and its working copy, the
// display colours, the GMT time text and the few remembered choices.

#include <QString>

#include "data/countrytable.h"
#include "data/readresult.h"
#include "data/rgb.h"

namespace zv {

struct SharedState {
  int entryCount = 0;
  CountryTable table;        // filled by ReadCountriesFile, changed by Save
  CountryTable working;      // the country information window's working copy
  ReadResult countriesRead;  // how the last reading of countries.txt went

  // Display colours, set at start-up.
  Rgb amColour, pmColour, dstColour, highlightColour;

  QString gmtTimeText;     // written by every calculation of the clock
  QString selectedEntry;   // row last pressed in the clock grid; empty at first
  QString mapPicturePath;  // set by every display of an entry
  QString lastSearchText;  // the world map's last "Find Country" text
};

SharedState& Shared();
// Puts every shared value back as at program start.
void ResetShared();

}  // namespace zv
