// Numbers, times and dates as the files and boxes write and read them, all
// under a locale that writes decimals with a comma: the files keep the ".".
// Also the two small files made of numbers, tzone.txt and highlight.txt.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "data/datevalue.h"
#include "data/highlightfile.h"
#include "data/numtext.h"
#include "data/timeofday.h"
#include "data/tzonefile.h"
#include "support/testsupport.h"

namespace zv {
namespace {

const bool kCommaLocale = test::RunUnderDecimalCommaLocale();

// The leading number of a text, read alike from a text and from 8-bit bytes.
TEST(TextForms, LeadingNumber) {
  // whole: the text is a number and blanks alone
  // clang-format off
  const struct { const char* text; double value; bool whole; } rows[] = {
      {"3.35", 3.35, true}, {"  -4.5 ", -4.5, true}, {"5.5 hours", 5.5, false}, {"abc", 0, false},
      {"", 0, false}, {"+2", 2, true}, {".5", 0.5, true}, {"7.", 7, true}, {"-", 0, false}, {".", 0, false},
      {"1e5", 1, false}, {"\t9", 9, true}, {"1,5", 1, false}, {"-0", -0.0, true},
      {"999999999999999999", 999999999999999999.0, true},
      {"9999999999999999999", 9999999999999999999.0, true}, {"\2707", 0, false}};
  // clang-format on
  for (const auto& r : rows) {
    const double fromBytes = NumberInLatin1(r.text);  // "-0" stays -0
    EXPECT_EQ(std::tuple(NumberInText(QString::fromLatin1(r.text)), IsNumberText(QString::fromLatin1(r.text)),
                         fromBytes, std::signbit(fromBytes)),
              std::tuple(r.value, r.whole, r.value, std::signbit(r.value)))
        << r.text;
  }
  EXPECT_EQ(NumberInText(QString(400, u'9')), 0);  // out of range
  EXPECT_EQ(NumberInText(QStringLiteral("1") + QString(70, u'0')), 1e70);
}

TEST(TextForms, RoundingAndGeneralText) {
  // clang-format off
  const std::pair<double, int> halves[] = {
      {2.5, 2}, {3.5, 4}, {-2.5, -2}, {224.4, 224}, {201.00000000000003, 201},
      {1e300, std::numeric_limits<int>::max()}, {-1e300, std::numeric_limits<int>::min()}, {NAN, 0}};
  // clang-format on
  for (const auto& [v, r] : halves) EXPECT_EQ(RoundHalfEven(v), r) << v;
  // Past 15 integer digits the rest are zeros, not the double's expansion.
  // clang-format off
  const std::pair<double, const char*> general[] = {
      {3.35, "3.35"}, {0, "0"}, {-4.5, "-4.5"}, {0.1 + 0.2, "0.3"}, {-0.25, "-0.25"},
      {1e20, "100000000000000000000"}, {1.23456789012345678e20, "123456789012346000000"},
      {-9007199254740993.0, "-9007199254740990"}, {999999999999999.4, "999999999999999"},
      {999999999999999.6, "1000000000000000"}, {100000000000000.0, "100000000000000"}, {0.000001, "0.000001"},
      {INFINITY, "0"}};
  // clang-format on
  for (const auto& [v, text] : general) EXPECT_EQ(GeneralNumberText(v), text) << v;
  // At the ends of the double range the text still reads back (found by fuzzing).
  const double big = std::numeric_limits<double>::max();
  const double tiny = std::numeric_limits<double>::denorm_min();
  for (double v : {big, -big, std::nextafter(big, 0.0), 1.79769313486231e308, tiny, -tiny,
                   std::numeric_limits<double>::min(), 1e-300})
    EXPECT_LE(std::fabs(NumberInText(GeneralNumberText(v)) - v), 1e-14 * std::fabs(v)) << v;
  EXPECT_EQ(GeneralNumberText(-big).left(16), "-179769313486231");
  EXPECT_EQ(GeneralNumberText(big).size(), 309);
}

TEST(TextForms, TimeOfDay) {
  // seconds: -1: no time
  // clang-format off
  const struct { const char* text; int seconds; } rows[] = {
      {"9:05 PM", 21 * 3600 + 300}, {"9:05pM", 21 * 3600 + 300}, {"12:59 AM", 3540},
      {"12:59 PM", 12 * 3600 + 3540}, {"11:00 am", 39600}, {"0:0 AM", 0}, {"23:59", 86340}, {"0:00", 0},
      {" 6:30:05 am ", 6 * 3600 + 1805}, {"9:05:59", 9 * 3600 + 359}, {"24:00", -1}, {"13:00 PM", -1},
      {"13:00 AM", -1}, {"9:60", -1}, {"9:59", 9 * 3600 + 3540}, {"9", -1}, {"9:", -1}, {"", -1},
      {"9:05 XM", -1}, {"9:05:60", -1}, {"9:05:", -1}, {"2:15 P", -1}, {"123:00", -1}, {"009:00", -1},
      {"1:005", -1}, {"1:00:005", -1}};
  // clang-format on
  for (const auto& r : rows) EXPECT_EQ(ParseTimeOfDay(r.text).value_or(-1), r.seconds) << r.text;
  // clang-format off
  const std::pair<int, const char*> forms[] = {
      {0, "12:00 AM"}, {12 * 60, "12:00 PM"}, {21 * 60 + 5, "9:05 PM"}, {11 * 60 + 59, "11:59 AM"},
      {-30, "11:30 PM"}, {1440 + 90, "1:30 AM"}};
  // clang-format on
  for (const auto& [m, text] : forms) EXPECT_EQ(FormatTimeForm(m), text) << m;
  EXPECT_EQ(Format24(15 * 60 + 45), "15:45");
  EXPECT_EQ(Format24(-55), "23:05");
  // clang-format off
  const struct { int from; double add; int result; } adds[] = {
      {23 * 60 + 30, 60, 30}, {0, 60 * 3.35, 201}, {0, 2.5, 2}, {0, 3.5, 4}, {10, -20, 1430},
      {1439, 1441, 0}};
  // clang-format on
  for (const auto& a : adds) EXPECT_EQ(AddMinutes(a.from, a.add), a.result) << a.from << "+" << a.add;
}

// Dates in the files' form: "month/day/year", a time of day, or both.
TEST(TextForms, FileDates) {
  // clang-format off
  const std::pair<DateValue, const char*> written[] = {
      {DateFromYmd(2004, 3, 28), "3/28/2004"}, {0, "12:00:00 AM"}, {0.75, "6:00:00 PM"},
      {-1.25, "12/29/1899 6:00:00 AM"}, {38074.5, "3/28/2004 12:00:00 PM"},
      {38291.75, "10/31/2004 6:00:00 PM"}, {DateFromYmd(999, 3, 28), "3/28/0999"},
      {CombineDateTime(DateFromYmd(109, 3, 28), 43200), "3/28/0109 12:00:00 PM"}};
  // clang-format on
  for (const auto& [v, text] : written) {
    EXPECT_EQ(FormatFileDate(v), text);
    EXPECT_EQ(ParseFileDate(text), v) << text;  // early years keep four digits and read back
  }
  EXPECT_EQ(QDateFromValue(38074.9), QDate(2004, 3, 28));
  EXPECT_EQ(FormatFileDate(1.0 / kSecondsPerDay * 86399.7), "11:59:59 PM");
  // clang-format off
  const std::pair<const char*, std::optional<DateValue>> read[] = {
      {"0100-03-28", DateFromYmd(100, 3, 28)}, {"9999-12-31", DateFromYmd(9999, 12, 31)},
      {"2004-03-28 18:00:00", 38074.75}, {"3/28/0099", {}}, {"3/28/10000", {}}, {"13/1/2004", {}},
      {"2/30/2004", {}}, {"3/28/04", {}}, {"3/28", {}}, {"28-3-2004", {}}, {"3/28/2004 25:00", {}},
      {"hello", {}}, {"3/28/2004/1", {}}};
  // clang-format on
  for (const auto& [text, value] : read) EXPECT_EQ(ParseFileDate(text), value) << text;
}

// Dates as a person types them into the date boxes, which take a date
// without a year into the current year: 29 February becomes 28 February in a
// year without it; a year given is never changed.
TEST(TextForms, PersonDates) {
  // date: ISO form, empty: refused; the current year is 2026 unless given.
  // clang-format off
  const struct { const char* text; const char* date; int currentYear = 2026; } rows[] = {
      {"Mar 28", "2026-03-28"}, {"march 28", "2026-03-28"}, {"28 Mar", "2026-03-28"},
      {"Dec 05", "2026-12-05"}, {"Mar 28 2005", "2005-03-28"}, {"3/28/2004", "2004-03-28"},
      {"3/28", "2026-03-28"}, {"2004-03-28", "2004-03-28"}, {"Feb 29", "2026-02-28"},
      {"29 February", "2026-02-28"}, {"2/29", "2026-02-28"}, {"Feb 29", "2028-02-29", 2028},
      {"Mar 29", "2026-03-29"}, {"Feb 29 2026", ""}, {"2/29/2026", ""}, {"Feb 30", "", 2028}, {"", ""},
      {"Mar", ""}, {"Mar 28\xB8", ""}, {"Ma 28", ""}, {"Mar 28 1 2", ""}, {"Mar 128", ""}, {"13/1/2004", ""},
      {"3/28/204", ""}, {"3/28/20041", ""}, {"204-03-28", ""}, {"Mar 28 205", ""}, {"Mar 28 20051", ""},
      {"Mar 28 0099", ""}, {"Mar 28 0100", "0100-03-28"}, {"3/28/0099", ""}, {"0099-03-28", ""},
      {"Mar +5", ""}};
  // clang-format on
  for (const auto& r : rows) {
    const auto v = ParsePersonDate(QString::fromLatin1(r.text), r.currentYear);
    EXPECT_EQ(v ? QDateFromValue(*v).toString(Qt::ISODate) : "", r.date) << r.text;
  }
  // clang-format off
  const struct { QDate date; int year; const char* text; } shown[] = {
      {QDate(2004, 2, 29), 2026, "Feb 28"}, {QDate(2004, 2, 29), 2028, "Feb 29"},
      {QDate(2004, 3, 1), 2026, "Mar 01"}, {QDate(2003, 2, 28), 2024, "Feb 28"},
      {QDate(2004, 10, 5), 2026, "Oct 05"}};
  // clang-format on
  for (const auto& s : shown) EXPECT_EQ(FormatMonthDayIn(DateFromQDate(s.date), s.year), s.text) << s.text;
}

// tzone.txt: one space, the offset, blanks to the 15th character, the
// daylight-saving hours, one space, a line end.
TEST(TextForms, ZoneFile) {
  // The bytes written for an offset and daylight-saving hours (none: a file
  // read only), and what reading the bytes shows, as "offset|hours". 12 digits
  // still leave the second number at the 15th character, 13 push it to the 29th.
  // clang-format off
  const struct { const char* offset; const char* dst; QByteArray bytes; const char* shown; } rows[] = {
      {"3.35", "0", " 3.35          0 \r\n", "3.35|0"}, {"5.5", "0.5", " 5.5           0.5 \r\n", "5.5|0.5"},
      {"-0.25", "0.75", "-0.25          0.75 \r\n", "-0.25|0.75"}, {"3", "", " 3             0 \r\n", "3|0"},
      {"letters", "x", " 0             0 \r\n", "0|0"},
      {"5.5 hours", "-1", " 5.5          -1 \r\n", "5.5|-1"},
      {"123456789012", "0", " 123456789012  0 \r\n", "123456789012|0"},
      {"1234567890123", "0", " 1234567890123               0 \r\n", "1234567890123|0"},
      {{}, {}, "3.350,0.50", "3.35|0.5"}, {{}, {}, "abc 2", "abc|2"}, {{}, {}, "", "3|"},
      {{}, {}, "  \r\n", "3|"}, {{}, {}, " 7 ", "7|"}, {{}, {}, "\xff\xfe 1", "\xff\xfe|1"}};
  // clang-format on
  for (const auto& r : rows) {
    EXPECT_EQ(r.offset ? ZoneFileBytes(r.offset, r.dst) : r.bytes, r.bytes) << r.offset;
    const ZoneTexts z = ParseZoneBytes(r.bytes);
    EXPECT_EQ(z.offset + u'|' + z.dstHours, QString::fromLatin1(r.shown)) << r.bytes.toStdString();
  }
}

// highlight.txt: separators, blanks, empty fields, text that is no number,
// and the 230-number limit.
TEST(TextForms, HighlightFile) {
  // clang-format off
  const std::pair<QByteArray, std::vector<int>> rows[] = {
      {"", {}}, {" 5 \r\n 7 \r\n", {5, 7}}, {"  \t12\r\n", {12}}, {"\t 3 ,4 , 5", {3, 4, 5}},
      {"1\n2\r3", {1, 2, 3}}, {"\r\n9\r\n", {0, 9}}, {",,", {0, 0}}, {"abc\r\n8", {0, 8}},
      {"2.5 \r\n3.5 -2.5", {2, 4, -2}}, {"6x\r\n", {6}}, {"-4\r\n", {-4}}, {"0\r\n", {0}},
      {QByteArray("1\0002\r\n9", 6), {1, 9}}};  // a zero byte belongs to its field
  // clang-format on
  for (const auto& [bytes, numbers] : rows)
    EXPECT_EQ(ParseHighlightBytes(bytes), numbers) << bytes.toStdString();
  QByteArray many;
  for (int k = 1; k <= kMaxHighlights + 5; ++k) AppendHighlightLine(many, k);
  const std::vector<int> capped = ParseHighlightBytes(many);
  ASSERT_EQ(capped.size(), 230u);
  EXPECT_EQ(capped.back(), 230);
  EXPECT_EQ(HighlightLine(-2147483647 - 1), " -2147483648 \r\n");
}

}  // namespace
}  // namespace zv
