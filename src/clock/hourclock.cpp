#include "clock/hourclock.h"

#include <QRegularExpression>

namespace zv {

bool UsesTwentyFourHours(HourClock choice, const QLocale& desktop) {
  if (choice != HourClock::kDesktop) return choice == HourClock::kTwentyFour;
  // The AM/PM marker is "a" or "A" (or "ap", "AP") outside quoted text.
  QString format = desktop.timeFormat(QLocale::ShortFormat);
  format.remove(QRegularExpression(QStringLiteral("'[^']*'")));
  return !format.contains(QLatin1Char('a'), Qt::CaseInsensitive);
}

}  // namespace zv
