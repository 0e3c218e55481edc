#include <gtest/gtest.h>

#include "data/datevalue.h"
#include "data/timeofday.h"

namespace zv {
namespace {

struct TimeCase {
  const char* text;
  int seconds;  // -1: no time
};

class ParseTimeTest : public ::testing::TestWithParam<TimeCase> {};

TEST_P(ParseTimeTest, Reads) {
  const auto t = ParseTimeOfDay(QString::fromLatin1(GetParam().text));
  if (GetParam().seconds < 0) {
    EXPECT_FALSE(t.has_value()) << GetParam().text;
  } else {
    ASSERT_TRUE(t.has_value()) << GetParam().text;
    EXPECT_EQ(*t, GetParam().seconds) << GetParam().text;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Forms, ParseTimeTest,
    ::testing::Values(TimeCase{"9:05 PM", 21 * 3600 + 300}, TimeCase{"9:05 pm", 21 * 3600 + 300},
                      TimeCase{"9:05pM", 21 * 3600 + 300}, TimeCase{"12:00 AM", 0},
                      TimeCase{"12:00 PM", 12 * 3600}, TimeCase{"12:30 AM", 1800}, TimeCase{"0:0 AM", 0},
                      TimeCase{"23:59", 86340}, TimeCase{"0:00", 0},
                      TimeCase{"15:45:30", 15 * 3600 + 45 * 60 + 30},
                      TimeCase{" 6:30:05 am ", 6 * 3600 + 1805}, TimeCase{"24:00", -1},
                      TimeCase{"13:00 PM", -1}, TimeCase{"9:60", -1}, TimeCase{"9", -1}, TimeCase{"9:", -1},
                      TimeCase{"", -1}, TimeCase{"9:05 XM", -1}, TimeCase{"abc", -1}, TimeCase{"9:05:61", -1},
                      TimeCase{"2:15 P", -1}, TimeCase{"9:05:60", -1}, TimeCase{"9:05:59", 9 * 3600 + 359},
                      TimeCase{"13:00 AM", -1}, TimeCase{"12:59 PM", 12 * 3600 + 3540},
                      TimeCase{"12:59 AM", 3540}));

TEST(TimeForm, WritesHourWithoutLeadingZero) {
  EXPECT_EQ(FormatTimeForm(0), "12:00 AM");
  EXPECT_EQ(FormatTimeForm(12 * 60), "12:00 PM");
  EXPECT_EQ(FormatTimeForm(21 * 60 + 5), "9:05 PM");
  EXPECT_EQ(FormatTimeForm(-30), "11:30 PM");
  EXPECT_EQ(FormatTimeForm(1440 + 90), "1:30 AM");
  EXPECT_EQ(Format24(15 * 60 + 45), "15:45");
  EXPECT_EQ(Format24(5), "0:05");
}

TEST(TimeForm, AddMinutesRoundsHalfToEvenAndWraps) {
  EXPECT_EQ(AddMinutes(23 * 60 + 30, 60), 30);  // 11:30 PM + 60 = 12:30 AM
  EXPECT_EQ(AddMinutes(0, 60 * 3.35), 201);     // 3.35 hours = 201 minutes
  EXPECT_EQ(AddMinutes(0, 60 * 5.75), 345);
  EXPECT_EQ(AddMinutes(0, 2.5), 2);
  EXPECT_EQ(AddMinutes(0, 3.5), 4);
  EXPECT_EQ(AddMinutes(10, -20), 1430);
}

TEST(DateValue, BaseAndKnownDays) {
  EXPECT_EQ(DateFromYmd(1899, 12, 30), 0);
  EXPECT_EQ(DateFromYmd(2004, 3, 28), 38074);
  EXPECT_EQ(FormatFileDate(38074), "3/28/2004");
  EXPECT_EQ(FormatFileDate(0), "12:00:00 AM");
  EXPECT_EQ(FormatFileDate(0.75), "6:00:00 PM");
  EXPECT_EQ(FormatFileDate(38074.5), "3/28/2004 12:00:00 PM");
  EXPECT_EQ(FormatMonthDay(DateFromYmd(2004, 10, 5)), "Oct 05");
  EXPECT_EQ(FormatMonthDay(DateFromYmd(2004, 3, 28)), "Mar 28");
}

// Years before 1000 are dates too (a person may type 28 Mar 500); the file
// form keeps four year digits so that the reader, which wants them, reads
// the date back instead of stopping the whole file there (found by fuzzing).
TEST(DateValue, FileFormOfEarlyYearsReadsBack) {
  for (int year : {100, 109, 500, 999, 1000}) {
    const DateValue v = DateFromYmd(year, 3, 28);
    const QString text = FormatFileDate(v);
    EXPECT_EQ(text, QStringLiteral("3/28/%1").arg(year, 4, 10, QChar(u'0')));
    const auto back = ParseFileDate(text);
    ASSERT_TRUE(back.has_value()) << text.toStdString();
    EXPECT_EQ(*back, v);
    const DateValue evening = CombineDateTime(WholeDays(v), 18 * 3600);
    EXPECT_EQ(ParseFileDate(FormatFileDate(evening)), evening);
  }
  EXPECT_EQ(FormatFileDate(CombineDateTime(WholeDays(DateFromYmd(109, 3, 28)), 12 * 3600)),
            "3/28/0109 12:00:00 PM");
}

struct PersonCase {
  const char* text;
  int y, m, d;  // y 0: no date
};

class PersonDateTest : public ::testing::TestWithParam<PersonCase> {};

TEST_P(PersonDateTest, Reads) {
  const auto v = ParsePersonDate(QString::fromUtf8(GetParam().text), 2026);
  if (!GetParam().y) {
    EXPECT_FALSE(v.has_value()) << GetParam().text;
  } else {
    ASSERT_TRUE(v.has_value()) << GetParam().text;
    EXPECT_EQ(*v, DateFromYmd(GetParam().y, GetParam().m, GetParam().d)) << GetParam().text;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, PersonDateTest,
    ::testing::Values(PersonCase{"Mar 28", 2026, 3, 28}, PersonCase{"march 28", 2026, 3, 28},
                      PersonCase{"28 Mar", 2026, 3, 28}, PersonCase{"Oct 05", 2026, 10, 5},
                      PersonCase{"Mar 28 2005", 2005, 3, 28}, PersonCase{"3/28/2004", 2004, 3, 28},
                      PersonCase{"3/28", 2026, 3, 28}, PersonCase{"2004-03-28", 2004, 3, 28},
                      PersonCase{"Feb 29", 2026, 2, 28}, PersonCase{"Feb 30", 0, 0, 0},
                      PersonCase{"", 0, 0, 0}, PersonCase{"Mar", 0, 0, 0},
                      PersonCase{"Mar 28\u00B8", 0, 0, 0}, PersonCase{"Ma 28", 0, 0, 0},
                      PersonCase{"13/1/2004", 0, 0, 0}, PersonCase{"hello", 0, 0, 0},
                      PersonCase{"3/28/204", 0, 0, 0}, PersonCase{"3/28/20041", 0, 0, 0},
                      PersonCase{"204-03-28", 0, 0, 0}, PersonCase{"Mar 28 205", 0, 0, 0},
                      PersonCase{"Mar 28 20051", 0, 0, 0}));

}  // namespace
}  // namespace zv
