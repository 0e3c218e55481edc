#include "clock/hourclock.h"

namespace zv {

bool UsesTwentyFourHours(HourClock choice, const QLocale& desktop) {
  if (choice != HourClock::kDesktop) return choice == HourClock::kTwentyFour;
  // The AM/PM marker is "a" or "A" (or "ap", "AP") outside quoted text.
  bool quoted = false;
  for (const QChar c : desktop.timeFormat(QLocale::ShortFormat)) {
    if (c == QLatin1Char('\'')) quoted = !quoted;
    if (!quoted && (c == QLatin1Char('a') || c == QLatin1Char('A'))) return false;
  }
  return true;
}

}  // namespace zv
