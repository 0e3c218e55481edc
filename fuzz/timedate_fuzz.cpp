// The time and date readers on any text: what they accept is in range and
// reads back from the program's own written forms; what a date box shows for
// a date, in any year, commits in that year.
#include "data/datevalue.h"
#include "data/timeofday.h"
#include "fuzzcheck.h"

FUZZ_TARGET {
  if (const auto t = zv::ParseTimeOfDay(text))
    CHECK(*t < 86400 && zv::ParseTimeOfDay(zv::FormatTimeWithSeconds(*t)) == t);
  if (const auto d = zv::ParseFileDate(text)) CHECK(zv::ParseFileDate(zv::FormatFileDate(*d)) == d);
  const int year = 100 + bytes.size() * 37 % 9900;
  if (const auto p = zv::ParsePersonDate(text, year))
    CHECK(zv::ParseFileDate(zv::FormatFileDate(*p)) == p &&
          zv::ParsePersonDate(zv::FormatMonthDayIn(*p, year), year));
}
