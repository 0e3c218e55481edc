// 29 February in the date boxes, which take every date into the current
// year: shown and read as 28 February in a year without it.

#include <gtest/gtest.h>

#include "data/datevalue.h"

namespace zv {
namespace {

struct PersonDateRow {
  const char* text;
  int currentYear;
  std::optional<QDate> date;
};

class LeapDay : public ::testing::TestWithParam<PersonDateRow> {};

TEST_P(LeapDay, PersonDate) {
  const auto v = ParsePersonDate(QString::fromLatin1(GetParam().text), GetParam().currentYear);
  ASSERT_EQ(v.has_value(), GetParam().date.has_value());
  if (v) EXPECT_EQ(QDateFromValue(*v), *GetParam().date);
}

INSTANTIATE_TEST_SUITE_P(Rows, LeapDay,
                         ::testing::Values(PersonDateRow{"Feb 29", 2026, QDate(2026, 2, 28)},
                                           PersonDateRow{"29 February", 2026, QDate(2026, 2, 28)},
                                           PersonDateRow{"2/29", 2026, QDate(2026, 2, 28)},
                                           PersonDateRow{"Feb 29", 2028, QDate(2028, 2, 29)},
                                           PersonDateRow{"Feb 29", 2100, QDate(2100, 2, 28)},
                                           PersonDateRow{"Feb 29", 2000, QDate(2000, 2, 29)},
                                           // A year given with the date is never changed.
                                           PersonDateRow{"Feb 29 2026", 2026, std::nullopt},
                                           PersonDateRow{"2/29/2026", 2026, std::nullopt},
                                           PersonDateRow{"Feb 30", 2028, std::nullopt},
                                           PersonDateRow{"Feb 28", 2026, QDate(2026, 2, 28)}));

TEST(LeapDay, ShownInTheYearOfTheBoxes) {
  EXPECT_EQ(FormatMonthDayIn(DateFromYmd(2004, 2, 29), 2026), "Feb 28");
  EXPECT_EQ(FormatMonthDayIn(DateFromYmd(2004, 2, 29), 2028), "Feb 29");
  EXPECT_EQ(FormatMonthDayIn(DateFromYmd(2004, 3, 1), 2026), "Mar 01");
  EXPECT_EQ(FormatMonthDayIn(DateFromYmd(2003, 2, 28), 2024), "Feb 28");
}

}  // namespace
}  // namespace zv
