// The time and date readers on any text: what they accept is in range and
// reads back from the program's own written forms.
#include <cmath>

#include "data/datevalue.h"
#include "data/timeofday.h"
#include "fuzzcheck.h"

FUZZ_TARGET {
  if (const auto t = zv::ParseTimeOfDay(text)) {
    CHECK(*t >= 0 && *t < 86400 && zv::ParseTimeOfDay(zv::FormatTimeWithSeconds(*t)) == t);
    CHECK(zv::ParseTimeOfDay(zv::FormatTimeForm(*t / 60)) == *t / 60 * 60);
  }
  if (const auto d = zv::ParseFileDate(text)) CHECK(zv::ParseFileDate(zv::FormatFileDate(*d)) == d);
  const int year = 100 + bytes.size() * 37 % 9900;
  if (const auto p = zv::ParsePersonDate(text, year)) {
    CHECK(*p == std::floor(*p) && zv::ParseFileDate(zv::FormatFileDate(*p)) == p);
    CHECK(zv::ParsePersonDate(zv::FormatMonthDay(*p), zv::QDateFromValue(*p).year()) == p);
    CHECK(zv::ParsePersonDate(zv::FormatMonthDayIn(*p, year), year));  // what a date box shows commits
  }
}
