// highlight.txt as the reader takes it: separators, blanks, empty lines,
// text that is no number, and the 230-number limit.

#include "data/highlightfile.h"

#include <gtest/gtest.h>

namespace zv {
namespace {

struct HighlightRow {
  const char* bytes;
  std::vector<int> numbers;
};

class HighlightBytes : public ::testing::TestWithParam<HighlightRow> {};

TEST_P(HighlightBytes, GiveTheseNumbers) {
  EXPECT_EQ(ParseHighlightBytes(QByteArray(GetParam().bytes)), GetParam().numbers) << GetParam().bytes;
}

INSTANTIATE_TEST_SUITE_P(
    Files, HighlightBytes,
    ::testing::Values(HighlightRow{"", {}}, HighlightRow{" 5 \r\n 7 \r\n", {5, 7}},
                      HighlightRow{"  \t12\r\n", {12}}, HighlightRow{"3,4 , 5", {3, 4, 5}},
                      HighlightRow{"1\n2\r3", {1, 2, 3}}, HighlightRow{"\r\n9\r\n", {0, 9}},
                      HighlightRow{"abc\r\n8", {0, 8}}, HighlightRow{"2.5 \r\n3.5\r\n", {2, 4}},
                      HighlightRow{"6x\r\n", {6}}, HighlightRow{"-4\r\n", {-4}}));

TEST(HighlightBytes, AtMost230NumbersAreRead) {
  QByteArray file;
  for (int i = 1; i <= 240; ++i) AppendHighlightLine(file, i);
  const std::vector<int> numbers = ParseHighlightBytes(file);
  ASSERT_EQ(numbers.size(), 230u);
  EXPECT_EQ(numbers.front(), 1);
  EXPECT_EQ(numbers.back(), 230);
}

TEST(HighlightLine, SpaceNumberSpaceCrLf) {
  EXPECT_EQ(HighlightLine(7), QByteArray(" 7 \r\n"));
  EXPECT_EQ(HighlightLine(224), QByteArray(" 224 \r\n"));
}

}  // namespace
}  // namespace zv
