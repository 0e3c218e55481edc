#include "clock/listcommands.h"

#include <QCoreApplication>

#include "clock/gridcalc.h"
#include "data/highlightfile.h"
#include "data/timeofday.h"

namespace zv {

QString FindPrompt() {
  return QCoreApplication::translate(
      "zv::ClockWindow",
      "Enter partial or full name of the country to locate\n\nFound items will be displayed in bright GREEN "
      "color\nPress F5 to change to normal color");
}

bool NameContains(const QString& name, const QString& answer) {
  return !name.isEmpty() && name.toUpper().contains(answer.toUpper());
}

std::optional<int> MinutesBetween(const QString& t0, const QString& t1) {
  const auto a = ParseTimeOfDay(t0);
  const auto b = ParseTimeOfDay(t1);
  if (!a || !b) return std::nullopt;
  return *b / 60 - *a / 60;
}

QByteArray HighlightFileBytes(const std::vector<int>& entries) {
  QByteArray out;
  for (int n : entries) out += HighlightLine(n);
  return out;
}

std::optional<QString> NameTip(int row, const QString& fullName, const QString& timeText,
                               const QString& dstCountText, const QString& dateThere) {
  if (row == kRowAmLegend || row == kRowPmLegend) return std::nullopt;
  if (row == kRowDstLegend)
    return QCoreApplication::translate("zv::ClockWindow", "Daylight saving time active in %1 countries/zones")
        .arg(dstCountText);
  return fullName + QStringLiteral("  ") + timeText + QStringLiteral("  ") + dateThere;
}

}  // namespace zv
