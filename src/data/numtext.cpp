#include "data/numtext.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <string>

namespace zv {

namespace {

constexpr int kSignificant = 15;     // significant digits of the general text
constexpr int kDefaultDecimals = 6;  // what a negative count of decimals gives

// Length of the leading decimal number of s starting at i (0 when none). The
// same code reads texts (QStringView) and raw 8-bit bytes (std::string_view).
template <typename View>
qsizetype NumberLength(View s, qsizetype i) {
  const qsizetype n = static_cast<qsizetype>(s.size());
  const qsizetype start = i;
  if (i < n && (s[i] == u'+' || s[i] == u'-')) ++i;
  qsizetype digits = 0;
  while (i < n && s[i] >= u'0' && s[i] <= u'9') ++i, ++digits;
  if (i < n && s[i] == u'.') {
    qsizetype j = i + 1;
    qsizetype frac = 0;
    while (j < n && s[j] >= u'0' && s[j] <= u'9') ++j, ++frac;
    if (digits + frac > 0) {
      i = j;
      digits += frac;
    }
  }
  return digits > 0 ? i - start : 0;
}

char Ascii(QChar c) { return static_cast<char>(c.unicode()); }
char Ascii(char c) { return c; }

// The number of the len characters at from, which NumberLength found to be
// a number and so are all ASCII.
template <typename View>
double ParseNumber(View s, qsizetype from, qsizetype len) {
  // Short numbers, nearly all of them, are copied to the stack.
  constexpr qsizetype kShort = 64;
  char shortBuf[kShort];
  std::string longBuf;
  char* ascii = shortBuf;
  if (len > kShort) {
    longBuf.resize(static_cast<size_t>(len));
    ascii = longBuf.data();
  }
  for (qsizetype k = 0; k < len; ++k) ascii[k] = Ascii(s[from + k]);
  const char* b = ascii;
  if (*b == '+') ++b;
  double v = 0;
  auto r = std::from_chars(b, ascii + len, v);
  if (r.ec != std::errc() || !std::isfinite(v)) return 0;
  return v;
}

template <typename View>
qsizetype SkipSpaces(View s, qsizetype i) {
  while (i < static_cast<qsizetype>(s.size()) && (s[i] == u' ' || s[i] == u'\t')) ++i;
  return i;
}

template <typename View>
double LeadingNumber(View text) {
  const qsizetype i = SkipSpaces(text, 0);
  const qsizetype n = NumberLength(text, i);
  return n ? ParseNumber(text, i, n) : 0.0;
}

// The decimal text of value as printf would give it in the C locale, whatever
// the user's locale: "." always. Empty when the buffer is too small.
std::string Chars(double value, std::chars_format format, int precision) {
  char buf[512];
  const auto r = std::to_chars(buf, buf + sizeof buf, value, format, precision);
  if (r.ec != std::errc()) return {};
  return std::string(buf, r.ptr);
}

}  // namespace

double NumberInText(QStringView text) { return LeadingNumber(text); }

double NumberInLatin1(std::string_view text) {
  // Most fields of the highlight file are a whole number and nothing else:
  // those are taken directly, exactly as the general reader would (which
  // alone keeps the sign of "-0").
  constexpr size_t kPlainDigits = 18;  // 18 digits always fit a long long
  const bool negative = !text.empty() && text.front() == '-';
  const std::string_view digits = text.substr(negative ? 1 : 0);
  if (!digits.empty() && digits.size() <= kPlainDigits) {
    long long value = 0;
    size_t k = 0;
    for (; k < digits.size(); ++k) {
      const unsigned d = static_cast<unsigned char>(digits[k]) - static_cast<unsigned>('0');
      if (d > 9) break;
      value = value * 10 + d;
    }
    if (k == digits.size() && value != 0) return static_cast<double>(negative ? -value : value);
  }
  return LeadingNumber(text);
}

bool IsNumberText(QStringView text) {
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
  // to_chars gives the exact expansion rounded to the precision, ties to even.
  const std::string text = Chars(value, std::chars_format::fixed, decimals < 0 ? kDefaultDecimals : decimals);
  double r = value;
  std::from_chars(text.data(), text.data() + text.size(), r);
  return r;
}

QString GeneralNumberText(double value) {
  if (!std::isfinite(value)) return QStringLiteral("0");
  if (value == 0) return QStringLiteral("0");
  // 15 significant digits, as plain decimals.
  const std::string sci = Chars(value, std::chars_format::scientific, kSignificant - 1);
  double rounded = 0;
  if (std::from_chars(sci.data(), sci.data() + sci.size(), rounded).ec != std::errc()) {
    // Next to the largest double, rounding up to 15 digits leaves the range
    // (1.79769313486232e308), and such a text would read back as 0; cut the
    // 16th digit off instead. Near the smallest double there are no 15
    // digits to show and the text would not read back either: it is "0".
    if (std::fabs(value) < 1) return QStringLiteral("0");
    std::string m = Chars(value, std::chars_format::scientific, kSignificant);
    m.erase(m.find('e') - 1, 1);  // the 16th significant digit
    if (std::from_chars(m.data(), m.data() + m.size(), rounded).ec != std::errc()) return QStringLiteral("0");
  }
  if (rounded == 0 || !std::isfinite(rounded)) return QStringLiteral("0");
  const int exp10 = static_cast<int>(std::floor(std::log10(std::fabs(rounded))));
  if (exp10 >= kSignificant) {
    // Beyond 15 integer digits the double's own decimal expansion would show
    // digits past the 15th ("123456789012345677877" for 1.23456789012345678e20);
    // write the 15 digits of the mantissa and zeros instead.
    const std::string mant = Chars(rounded, std::chars_format::scientific, kSignificant - 1);
    const size_t e = mant.find('e');
    std::string s;
    for (size_t k = 0; k < e; ++k)
      if (mant[k] != '.') s += mant[k];
    const char* expBegin = mant.data() + e + 1;
    if (*expBegin == '+') ++expBegin;
    int exp = 0;
    std::from_chars(expBegin, mant.data() + mant.size(), exp);
    s.append(static_cast<size_t>(exp - (kSignificant - 1)), '0');
    return QString::fromStdString(s);
  }
  const int decimals = std::max(0, kSignificant - 1 - exp10);
  std::string s = Chars(rounded, std::chars_format::fixed, decimals);
  if (s.find('.') != std::string::npos) {
    while (!s.empty() && s.back() == '0') s.pop_back();
    if (!s.empty() && s.back() == '.') s.pop_back();
  }
  if (s == "-0") s = "0";
  return QString::fromStdString(s);
}

}  // namespace zv
