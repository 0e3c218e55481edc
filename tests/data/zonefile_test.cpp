#include <gtest/gtest.h>

#include "data/tzonefile.h"
#include "support/testsupport.h"

namespace zv {
namespace {

struct BytesCase {
  const char* offset;
  const char* dst;
  const char* bytes;
};

class ZoneBytesTest : public ::testing::TestWithParam<BytesCase> {};

TEST_P(ZoneBytesTest, WritesPrintZones) {
  EXPECT_EQ(ZoneFileBytes(QString::fromLatin1(GetParam().offset), QString::fromLatin1(GetParam().dst)),
            QByteArray(GetParam().bytes));
}

INSTANTIATE_TEST_SUITE_P(Values, ZoneBytesTest,
                         ::testing::Values(
                             // one space, 3.35, ten spaces, 0, one space, line end
                             BytesCase{"3.35", "0", " 3.35          0 \r\n"},
                             BytesCase{"3", "", " 3             0 \r\n"},
                             BytesCase{"-4.5", "1", "-4.5           1 \r\n"},
                             BytesCase{"letters", "x", " 0             0 \r\n"},
                             BytesCase{"5.5 hours", "-1", " 5.5          -1 \r\n"},
                             // a first number of 12 digits still leaves the second at the 15th character
                             BytesCase{"123456789012", "0", " 123456789012  0 \r\n"},
                             // one of 13 digits pushes it to the 29th
                             BytesCase{"1234567890123", "0", " 1234567890123               0 \r\n"}));

struct ReadCase {
  const char* bytes;
  const char* offset;
  const char* dst;
};

class ZoneReadTest : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ZoneReadTest, ShowsShortestText) {
  const ZoneTexts z = ParseZoneBytes(QByteArray(GetParam().bytes));
  EXPECT_EQ(z.offset, QString::fromLatin1(GetParam().offset));
  EXPECT_EQ(z.dstHours, QString::fromLatin1(GetParam().dst));
}

INSTANTIATE_TEST_SUITE_P(Files, ZoneReadTest,
                         ::testing::Values(ReadCase{" 3.35          0 \r\n", "3.35", "0"},
                                           ReadCase{"-4.5           1 \r\n", "-4.5", "1"},
                                           ReadCase{"3.350,0.50", "3.35", "0.5"},
                                           ReadCase{"abc 2", "abc", "2"}, ReadCase{"", "3", ""},
                                           ReadCase{"  \r\n", "3", ""}, ReadCase{" 7 ", "7", ""},
                                           ReadCase{"\xff\xfe 1", "\xff\xfe", "1"}));

TEST(ZoneFile, MissingFileGivesDefaults) {
  test::DataFolder d;
  const ZoneTexts z = ReadZoneFile(d.Path(QStringLiteral("tzone.txt")));
  EXPECT_EQ(z.offset, "3");
  EXPECT_EQ(z.dstHours, "");
}

}  // namespace
}  // namespace zv
