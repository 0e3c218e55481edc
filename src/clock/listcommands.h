#pragma once
// Window-free parts of the clock window's list commands and pointer tips.

#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

namespace zv {

// The prompt of the clock window's "Find".
QString FindPrompt();

// Whether a name contains the answer, both upper-cased. An empty name never
// matches.
bool NameContains(const QString& name, const QString& answer);

// Minutes from time t0 to time t1, both read as times of the same day
// (negative when t1 is earlier); nothing when either is no time.
std::optional<int> MinutesBetween(const QString& t0, const QString& t1);

// The whole highlight file for these entry numbers, in the given order.
QByteArray HighlightFileBytes(const std::vector<int>& entries);

// The tip of a name cell: the full name, the time and the date there;
// nothing for the "AM in" and "PM in" rows.
std::optional<QString> NameTip(int row, const QString& fullName, const QString& timeText,
                               const QString& dstCountText, const QString& dateThere);

}  // namespace zv
