// Numbers, times and dates as the files and boxes write and read them, under
// a locale that writes decimals with a comma: the files keep the ".". Also
// the two small files made of numbers, tzone.txt and highlight.txt.

#include "data/highlightfile.h"
#include "data/timeofday.h"
#include "data/tzonefile.h"
#include "support/testsupport.h"

namespace zv {
namespace {

const bool kCommaLocale = test::RunUnderDecimalCommaLocale();

// The leading number of a text, read alike from a text and from 8-bit bytes
// (18 digits and fewer take a shorter way); whole: the text is one number.
TEST(TextForms, Numbers) {
  // clang-format off
  const struct { const char* text; double value; bool whole; } rows[] = {
      {" \t-4.5\t", -4.5, 1}, {"5.5 hours", 5.5, 0}, {"+.5", .5, 1}, {"7.", 7, 1}, {"-0", -0.0, 1}, {" ", 0, 0},
      {"-9999999999999999999", -1e19, 1}};
  // clang-format on
  for (const auto& r : rows)
    EXPECT_EQ(
        std::tuple(NumberInText(QString(r.text)), IsNumberText(QString(r.text)), 1 / NumberInLatin1(r.text)),
        std::tuple(r.value, r.whole, 1 / r.value))  // 1 / -0 is -inf
        << r.text;
  EXPECT_EQ(std::vector({RoundHalfEven(2.5), RoundHalfEven(3.5), RoundHalfEven(1e300), RoundHalfEven(-1e300),
                         RoundHalfEven(NAN)}),
            std::vector({2, 4, INT_MAX, INT_MIN, 0}));
  // 15 significant digits; past 15 integer digits the rest are zeros.
  for (const auto& [v, text] : {std::pair(0.1 + 0.2, "0.3"),
                                {-1e-6, "-0.000001"},
                                {999999999999999.6, "1000000000000000"},
                                {1.23456789012345678e20, "123456789012346000000"}})
    EXPECT_EQ(GeneralNumberText(v), text) << v;
  EXPECT_EQ(GeneralNumberText(-1.7976931348623157e308), "-179769313486231" + QString(294, u'0'));
}

// Times of day; dates in the files' form, "month/day/year", a time of day or
// both, counting days from 12/30/1899; dates as a person types them, where a
// date without a year takes the current one, and 29 February becomes 28
// February in a year without it.
TEST(TextForms, TimesAndDates) {
  // clang-format off
  const std::pair<const char*, int> times[] = {
      {"9:05 PM", 75900}, {"12:59 AM", 3540}, {" 6:30:05 am ", 23405}, {"23:59", 86340},
      {"24:00", -1}, {"9:60", -1}, {"1:005", -1}, {"009:00", -1}, {"9:05:60", -1}};
  // year 0: a file's date, written back to the same text; otherwise a
  // person's date typed in that year. -1: refused.
  const struct { const char* text; int year; double value; } dates[] = {
      {"3/28/2004", 0, 38074}, {"6:00:00 PM", 0, 0.75}, {"12/29/1899 6:00:00 AM", 0, -1.25},
      {"3/28/0100 12:00:00 PM", 0, -657348.5}, {"9999-12-31", 1, 2958465}, {"3/28/0099", 0, -1}, {"3/+28/2004", 0, -1}, {"3/28/10000", 0, -1}, {"2/30/2004", 0, -1}, {"march 28", 2026, 46109}, {"Dec 05 2005", 1, 38691}, {"2/29", 2026, 46081}, {"Feb 29", 2028, 46812},
      {"Feb 29 2026", 1, -1}, {"Mar 028", 2026, -1}, {"Mar 28 2005 x", 2026, -1}, {"Mar 28 0099", 1, -1}};
  // clang-format on
  for (const auto& [text, seconds] : times) EXPECT_EQ(ParseTimeOfDay(text).value_or(-1), seconds) << text;
  for (const auto& [text, year, value] : dates) {
    EXPECT_EQ((year ? ParsePersonDate(text, year) : ParseFileDate(text)).value_or(-1), value) << text;
    EXPECT_TRUE(year || value == -1 || FormatFileDate(value) == text) << text;
  }
  EXPECT_EQ(FormatTimeForm(0) + FormatTimeForm(720) + FormatTimeForm(-30) + Format24(-55),
            "12:00 AM12:00 PM11:30 PM23:05");
  EXPECT_EQ(FormatFileDate(86399.7 / 86400) + FormatMonthDayIn(38046, 2026) + FormatMonthDayIn(38046, 2028),
            "11:59:59 PMFeb 28Feb 29");  // 38046: 2/29/2004
}

// tzone.txt: one space or the sign, the offset, blanks to the 15th character,
// the daylight-saving hours, one space, a line end; as "offset|hours", what
// reading shows. 13 digits push the second number to the 29th character.
// highlight.txt: separators, blanks, empty fields, text that is no number,
// and the limit of 230 numbers.
TEST(TextForms, ZoneAndHighlightFiles) {
  // clang-format off
  const struct { const char* offset; const char* dst; QByteArray bytes; const char* shown; } rows[] = {
      {"-0.25", "0.75", "-0.25          0.75 \r\n", "-0.25|0.75"}, {"letters", "-1", " 0            -1 \r\n", "0|-1"},
      {"1234567890123", "", " 1234567890123               0 \r\n", "1234567890123|0"},
      {{}, {}, "3.350,0.50", "3.35|0.5"}};
  // clang-format on
  for (const auto& r : rows) {
    EXPECT_EQ(r.offset ? ZoneFileBytes(r.offset, r.dst) : r.bytes, r.bytes) << r.offset;
    const ZoneTexts z = ParseZoneBytes(r.bytes);
    EXPECT_EQ(z.offset + u'|' + z.dstHours, r.shown) << r.bytes.toStdString();
  }
  QByteArray many;
  for (int k = 1; k <= 231; ++k) many += " " + QByteArray::number(k) + " \r\n";
  EXPECT_EQ(ParseHighlightBytes(many).size(), 230u);
  EXPECT_EQ(ParseHighlightBytes(QByteArray("\t 3 ,,x\n-2.5\r\r\n\0009", 17)),
            std::vector({3, 0, 0, -2, 0, 0}));
  EXPECT_EQ(HighlightLine(INT_MIN), " -2147483648 \r\n");
}

}  // namespace
}  // namespace zv
