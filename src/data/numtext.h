#pragma once
// Numbers read from and written to the texts of fields and files.

#include <QString>
#include <QStringView>
#include <string_view>

namespace zv {

// The number at the start of a text: leading spaces skipped, then an optional
// sign, digits, an optional "." and digits; the rest is ignored. A text that
// does not begin with a number, or whose number is too large to hold, counts
// as 0.
double NumberInText(QStringView text);
// The same for 8-bit bytes, read without turning them into a text first.
double NumberInLatin1(std::string_view text);

// True when the whole text (surrounding spaces aside) is one such number.
bool IsNumberText(QStringView text);

// Nearest whole number, a half going to the even neighbour (2.5 -> 2,
// 3.5 -> 4). Values beyond the range of a 32-bit integer are clamped.
int RoundHalfEven(double value);

// Rounds to the given count of decimals, ties (exact in their double form)
// going to the even last digit.
double RoundDecimalsHalfEven(double value, int decimals);

// The general text of a number: at most 15 significant digits, trailing zeros
// and a trailing decimal point dropped, "." as the decimal point, a "0" before
// the point for values between -1 and 1, never an exponent. Infinite and
// undefined values give "0".
QString GeneralNumberText(double value);

}  // namespace zv
