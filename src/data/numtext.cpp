#include "data/numtext.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>

namespace zv {

namespace {

// Length of the leading decimal number of s starting at i (0 when none).
qsizetype NumberLength(const QString& s, qsizetype i) {
  const qsizetype start = i;
  if (i < s.size() && (s[i] == u'+' || s[i] == u'-')) ++i;
  qsizetype digits = 0;
  while (i < s.size() && s[i] >= u'0' && s[i] <= u'9') ++i, ++digits;
  if (i < s.size() && s[i] == u'.') {
    qsizetype j = i + 1;
    qsizetype frac = 0;
    while (j < s.size() && s[j] >= u'0' && s[j] <= u'9') ++j, ++frac;
    if (digits + frac > 0) {
      i = j;
      digits += frac;
    }
  }
  return digits > 0 ? i - start : 0;
}

double ParseNumber(const QString& s, qsizetype from, qsizetype len) {
  std::string ascii = s.mid(from, len).toStdString();
  const char* b = ascii.data();
  if (*b == '+') ++b;
  double v = 0;
  auto r = std::from_chars(b, ascii.data() + ascii.size(), v);
  if (r.ec != std::errc() || !std::isfinite(v)) return 0;
  return v;
}

qsizetype SkipSpaces(const QString& s, qsizetype i) {
  while (i < s.size() && (s[i] == u' ' || s[i] == u'\t')) ++i;
  return i;
}

}  // namespace

double NumberInText(const QString& text) {
  const qsizetype i = SkipSpaces(text, 0);
  const qsizetype n = NumberLength(text, i);
  return n ? ParseNumber(text, i, n) : 0.0;
}

bool IsNumberText(const QString& text) {
  const qsizetype i = SkipSpaces(text, 0);
  const qsizetype n = NumberLength(text, i);
  return n > 0 && SkipSpaces(text, i + n) == text.size();
}

int RoundHalfEven(double value) {
  if (std::isnan(value)) return 0;
  if (value >= std::numeric_limits<int>::max()) return std::numeric_limits<int>::max();
  if (value <= std::numeric_limits<int>::min()) return std::numeric_limits<int>::min();
  return static_cast<int>(std::nearbyint(value));  // default mode: ties to even
}

double RoundDecimalsHalfEven(double value, int decimals) {
  if (!std::isfinite(value)) return value;
  // Decide the tie on the exact decimal expansion of the double, so that 0.125
  // (exact) is a tie and 0.375 too, while 1.005 (really 1.00499...) is not.
  char buf[512];
  std::snprintf(buf, sizeof buf, "%.*f", decimals, value);  // glibc: exact, ties to even
  double r = 0;
  std::from_chars(buf, buf + std::char_traits<char>::length(buf), r);
  return r;
}

QString GeneralNumberText(double value) {
  if (!std::isfinite(value)) return QStringLiteral("0");
  if (value == 0) return QStringLiteral("0");
  // 15 significant digits, as plain decimals.
  char buf[512];
  std::snprintf(buf, sizeof buf, "%.14e", value);
  double rounded = 0;
  if (std::from_chars(buf, buf + std::char_traits<char>::length(buf), rounded).ec != std::errc()) {
    // Next to the largest double, rounding up to 15 digits leaves the range
    // (1.79769313486232e308), and such a text would read back as 0; cut the
    // 16th digit off instead. Near the smallest double there are no 15
    // digits to show and the text would not read back either: it is "0".
    if (std::fabs(value) < 1) return QStringLiteral("0");
    std::snprintf(buf, sizeof buf, "%.15e", value);
    std::string m = buf;
    m.erase(m.find('e') - 1, 1);  // the 16th significant digit
    if (std::from_chars(m.data(), m.data() + m.size(), rounded).ec != std::errc()) return QStringLiteral("0");
  }
  if (rounded == 0 || !std::isfinite(rounded)) return QStringLiteral("0");
  const int exp10 = static_cast<int>(std::floor(std::log10(std::fabs(rounded))));
  if (exp10 >= 15) {
    // Beyond 15 integer digits the double's own decimal expansion would show
    // digits past the 15th ("123456789012345677877" for 1.23456789012345678e20);
    // write the 15 digits of the mantissa and zeros instead.
    std::snprintf(buf, sizeof buf, "%.14e", rounded);
    std::string s;
    for (const char* c = buf; *c && *c != 'e'; ++c)
      if (*c != '.') s += *c;
    const int exp = std::atoi(std::strchr(buf, 'e') + 1);
    s.append(static_cast<size_t>(exp - 14), '0');
    return QString::fromStdString(s);
  }
  const int decimals = std::max(0, 14 - exp10);
  std::snprintf(buf, sizeof buf, "%.*f", decimals, rounded);
  std::string s = buf;
  if (s.find('.') != std::string::npos) {
    while (!s.empty() && s.back() == '0') s.pop_back();
    if (!s.empty() && s.back() == '.') s.pop_back();
  }
  if (s == "-0") s = "0";
  return QString::fromStdString(s);
}

}  // namespace zv
