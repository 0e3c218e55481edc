#pragma once
// The clock's hours: twelve with AM and PM, or twenty-four, as the desktop's
// language writes times unless the user chose one.

#include <QLocale>

namespace zv {

// The user's choice, as remembered between runs.
enum class HourClock { kDesktop = 0, kTwelve = 1, kTwentyFour = 2 };

// Whether times show 24 hours: the choice, or for kDesktop whether the
// locale writes its short times without an AM/PM marker.
bool UsesTwentyFourHours(HourClock choice, const QLocale& desktop);

}  // namespace zv
