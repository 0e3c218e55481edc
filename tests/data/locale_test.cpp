// Number texts under a locale that writes decimals with a comma: files and
// captions keep the "." (the test sets the locale itself, so it checks this
// in every run, not only in the run of the whole suite under such a locale).

#include <gtest/gtest.h>

#include <clocale>
#include <string>

#include "data/numtext.h"
#include "data/tzonefile.h"
#include "solar/numberfns.h"

namespace zv {
namespace {

class DecimalCommaLocale : public ::testing::Test {
 protected:
  void SetUp() override {
    saved_ = std::setlocale(LC_ALL, nullptr);
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8"})
      if (std::setlocale(LC_ALL, name)) return;
    GTEST_SKIP() << "no de_DE locale (scripts/setup.sh generates it)";
  }
  void TearDown() override { std::setlocale(LC_ALL, saved_.c_str()); }

 private:
  std::string saved_;
};

TEST_F(DecimalCommaLocale, TheLocaleReallyWritesAComma) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%.1f", 5.5);
  EXPECT_STREQ(buf, "5,5");  // otherwise this test proves nothing
}

TEST_F(DecimalCommaLocale, ZoneFileRoundTrip) {
  struct Row {
    const char* offset;
    const char* dst;
    const char* bytes;
  };
  const Row rows[] = {
      {"5.5", "0.5", " 5.5           0.5 \r\n"},
      {"-4.5", "1", "-4.5           1 \r\n"},
      {"3.35", "0", " 3.35          0 \r\n"},
      {"-0.25", "0.75", "-0.25          0.75 \r\n"},
      {"12345678901.5", "2", " 12345678901.5               2 \r\n"},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.offset);
    const QByteArray bytes = ZoneFileBytes(QString::fromLatin1(r.offset), QString::fromLatin1(r.dst));
    EXPECT_EQ(bytes, QByteArray(r.bytes));
    const ZoneTexts back = ParseZoneBytes(bytes);
    EXPECT_EQ(back.offset, QString::fromLatin1(r.offset));
    EXPECT_EQ(back.dstHours, QString::fromLatin1(r.dst));
  }
}

TEST_F(DecimalCommaLocale, CaptionsAndFormatFixed) {
  EXPECT_EQ(LatitudeCaption(3.0), "Latitude 3.00");
  EXPECT_EQ(LongitudeCaption(-126.0), "Longitude -126.00");
  EXPECT_EQ(SunriseCaption(6.5), "Sunrise at 6:50 GMT");
  EXPECT_EQ(SunsetCaption(18.05), "Sunset at 18:05 GMT");
  struct Row {
    double value;
    int width;
    const char* text;
    double after;
  };
  const Row rows[] = {
      {0.3, 1, " 0.30", 0.3},     {51.5, 1, "51.50", 51.5},           {0.125, 1, " 0.12", 0.12},
      {0.375, 1, " 0.38", 0.38},  {-3.14159, 6, "     -3.14", -3.14}, {1234.5, 1, "1234.50", 1234.5},
      {-0.25, 1, " -0.25", -0.25}};
  for (const Row& r : rows) {
    SCOPED_TRACE(r.value);
    double v = r.value;
    EXPECT_EQ(FormatFixed(v, r.width, 2), QString::fromLatin1(r.text));
    EXPECT_EQ(v, r.after);
  }
  EXPECT_EQ(GeneralNumberText(5.5), "5.5");
  EXPECT_EQ(GeneralNumberText(1.23456789012345678e20), "123456789012346000000");
  EXPECT_EQ(NumberInText(QStringLiteral("5.75 hours")), 5.75);
}

}  // namespace
}  // namespace zv
