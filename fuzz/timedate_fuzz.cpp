// The local-time and date readers on any text. Whatever they accept must be
// in range and survive the program's own written forms: a time written by
// FormatTimeForm, Format24 or FormatTimeWithSeconds reads back to the same
// time, a date written by FormatFileDate reads back to the same value, and
// FormatMonthDay with the year reads back as a person's date.
#include <QDate>
#include <cmath>
#include <cstdint>
#include <cstring>

#include "data/datevalue.h"
#include "data/timeofday.h"
#include "fuzzcheck.h"

namespace {

void CheckSeconds(int secs) {
  FUZZ_CHECK(secs >= 0 && secs < zv::kSecondsPerDay, "%d seconds", secs);
  const int minutes = secs / 60;
  const QString form = zv::FormatTimeForm(minutes);
  const auto a = zv::ParseTimeOfDay(form);
  FUZZ_CHECK(a && *a == minutes * 60, "\"%s\" reads as %d, not %d", Q(form), a ? *a : -1, minutes * 60);
  const QString h24 = zv::Format24(minutes);
  const auto b = zv::ParseTimeOfDay(h24);
  FUZZ_CHECK(b && *b == minutes * 60, "\"%s\" reads as %d, not %d", Q(h24), b ? *b : -1, minutes * 60);
  const QString full = zv::FormatTimeWithSeconds(secs);
  const auto c = zv::ParseTimeOfDay(full);
  FUZZ_CHECK(c && *c == secs, "\"%s\" reads as %d, not %d", Q(full), c ? *c : -1, secs);
}

// A date value as the program holds it must come back from its file form.
void CheckFileForm(zv::DateValue v, const char* from) {
  FUZZ_CHECK(std::isfinite(v), "%s gave %g", from, v);
  const QString text = zv::FormatFileDate(v);
  const auto back = zv::ParseFileDate(text);
  FUZZ_CHECK(back && *back == v, "%s: %.17g written as \"%s\" reads back as %.17g", from, v, Q(text),
             back ? *back : -1.0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QString text = QString::fromLatin1(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));

  if (const auto t = zv::ParseTimeOfDay(text)) CheckSeconds(*t);

  if (const auto d = zv::ParseFileDate(text)) {
    CheckFileForm(*d, "ParseFileDate");
    const QDate q = zv::QDateFromValue(*d);
    FUZZ_CHECK(q.isValid(), "no calendar date for %.17g", *d);
  }

  // The current year comes from the first two bytes (years 100 .. 9999).
  const int year = size >= 2 ? 100 + (data[0] * 256 + data[1]) % 9900 : 2004;
  if (const auto p = zv::ParsePersonDate(text, year)) {
    FUZZ_CHECK(*p == std::floor(*p), "a person's date with a time: %.17g", *p);
    CheckFileForm(*p, "ParsePersonDate");
    const QDate q = zv::QDateFromValue(*p);
    FUZZ_CHECK(q.isValid(), "no calendar date for %.17g", *p);
    // "Mar 28" of the same year is the same day.
    const QString md = zv::FormatMonthDay(*p);
    const auto again = zv::ParsePersonDate(md, q.year());
    FUZZ_CHECK(again && *again == *p, "\"%s\" in %d reads as %.17g, not %.17g", Q(md), q.year(),
               again ? *again : -1.0, *p);
    // What a date box shows in any year commits in that year (29 February
    // shows as Feb 28 in a year without it).
    const int other = size >= 4 ? 100 + (data[2] * 256 + data[3]) % 9900 : 2026;
    const QString shown = zv::FormatMonthDayIn(*p, other);
    const auto committed = zv::ParsePersonDate(shown, other);
    FUZZ_CHECK(committed && zv::FormatMonthDay(*committed) == shown, "\"%s\" shown in %d does not commit",
               Q(shown), other);
  }

  // Any minute count wraps into the day and survives the written forms.
  if (size >= 4) {
    int32_t m;
    std::memcpy(&m, data, sizeof m);
    const int w = zv::WrapMinutes(m);
    FUZZ_CHECK(w >= 0 && w < zv::kMinutesPerDay, "WrapMinutes(%d) = %d", m, w);
    FUZZ_CHECK(zv::ParseTimeOfDay(zv::FormatTimeForm(m)) == w * 60, "FormatTimeForm(%d)", m);
    CheckSeconds(w * 60 + (size >= 5 ? data[4] % 60 : 0));
  }
  return 0;
}
