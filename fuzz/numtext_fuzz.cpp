// NumberInText and IsNumberText on any text; GeneralNumberText of what they
// read must read back as the same number.
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string_view>

#include "data/numtext.h"
#include "fuzzcheck.h"

namespace {

// 15 significant digits: the read-back may differ in the 16th.
bool Near15(double a, double b) {
  if (a == b) return true;
  return std::fabs(a - b) <= 1e-14 * std::max(std::fabs(a), std::fabs(b));
}

void CheckGeneralText(double v) {
  const QString g = zv::GeneralNumberText(v);
  FUZZ_CHECK(zv::IsNumberText(g), "GeneralNumberText(%.17g) = \"%s\" is no number text", v, Q(g));
  FUZZ_CHECK(!g.contains(u'e') && !g.contains(u'E'), "exponent in \"%s\"", Q(g));
  // At most 15 significant digits: from the first non-zero digit to the last.
  const QString digits = QString(g).remove(u'-').remove(u'.');
  qsizetype first = 0, last = digits.size() - 1;
  while (first < digits.size() && digits[first] == u'0') ++first;
  while (last > first && digits[last] == u'0') --last;
  FUZZ_CHECK(last - first + 1 <= 15, "more than 15 significant digits in \"%s\"", Q(g));
  const double back = zv::NumberInText(g);
  if (std::isfinite(v)) FUZZ_CHECK(Near15(back, v), "\"%s\" reads as %.17g, not %.17g", Q(g), back, v);
  // Writing what was read gives the same text again.
  const QString g2 = zv::GeneralNumberText(back);
  FUZZ_CHECK(g2 == g, "\"%s\" rewritten as \"%s\"", Q(g), Q(g2));
}

}  // namespace

// Under a locale that writes decimals with a comma (when the system has one),
// so that a text written or read in the user's locale shows as a finding.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
  for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8"})
    if (std::setlocale(LC_ALL, name)) break;
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QString text = QString::fromLatin1(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  const double v = zv::NumberInText(text);
  // The byte reader takes the same number as the text reader.
  const double fromBytes = zv::NumberInLatin1(std::string_view(reinterpret_cast<const char*>(data), size));
  FUZZ_CHECK(fromBytes == v || (std::isnan(fromBytes) && std::isnan(v)), "bytes read %.17g, text %.17g",
             fromBytes, v);
  FUZZ_CHECK(std::isfinite(v), "NumberInText(\"%s\") = %g", Q(text), v);
  if (zv::IsNumberText(text)) {
    // A whole-number text reads the same with spaces around it and text after.
    FUZZ_CHECK(zv::NumberInText(QStringLiteral("  ") + text + QStringLiteral(" x")) == v,
               "padding changed \"%s\"", Q(text));
  } else if (v != 0) {
    // Text that is not a number as a whole still starts with the number read.
    FUZZ_CHECK(zv::NumberInText(text.trimmed()) == v, "\"%s\"", Q(text));
  }
  CheckGeneralText(v);
  // Any double, from the raw bytes, survives its general text.
  if (size >= sizeof(double)) {
    double raw;
    std::memcpy(&raw, data, sizeof raw);
    if (std::isfinite(raw)) CheckGeneralText(raw);
    const int r = zv::RoundHalfEven(raw);
    if (std::isfinite(raw) && std::fabs(raw) < 2e9)
      FUZZ_CHECK(std::fabs(r - raw) <= 0.5, "RoundHalfEven(%.17g) = %d", raw, r);
  }
  return 0;
}
