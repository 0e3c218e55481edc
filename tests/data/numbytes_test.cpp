// The byte readers: leading numbers read from 8-bit bytes exactly as from a
// text, and the highlight file read on its bytes.

#include <gtest/gtest.h>

#include <cmath>
#include <string_view>

#include "data/highlightfile.h"
#include "data/numtext.h"

namespace zv {
namespace {

TEST(NumberInLatin1, ReadsAsTheTextReader) {
  const char* const rows[] = {"12",
                              "007",
                              "-3",
                              "-0",
                              "+5",
                              "12abc",
                              "999999999999999999",
                              "1234567890123456789",
                              "-",
                              "",
                              " 5",
                              "5.5",
                              "1e5",
                              "\xB8"
                              "7",
                              "12 "};
  for (const char* r : rows) {
    SCOPED_TRACE(r);
    const double fromText = NumberInText(QString::fromLatin1(r));
    const double fromBytes = NumberInLatin1(std::string_view(r));
    EXPECT_EQ(fromBytes, fromText);
    EXPECT_EQ(std::signbit(fromBytes), std::signbit(fromText));  // "-0" stays -0
  }
}

TEST(ParseHighlightBytes, SeparatorsAndZeros) {
  struct Row {
    std::string_view bytes;
    std::vector<int> numbers;
  };
  const Row rows[] = {
      {" 12 \r\n 7 \r\n", {12, 7}},
      {"3,4\t5\n6\r7", {3, 4, 5, 6, 7}},
      {",,", {0, 0}},  // empty fields count as 0
      {std::string_view("1\0"
                        "2\r\n9",
                        6),
       {1, 9}},                      // a zero byte belongs to its field
      {"2.5 3.5 -2.5", {2, 4, -2}},  // halves to even
      {"", {}},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(std::string(r.bytes));
    EXPECT_EQ(ParseHighlightBytes(QByteArray(r.bytes.data(), static_cast<qsizetype>(r.bytes.size()))),
              r.numbers);
  }
  QByteArray many;
  for (int k = 1; k <= kMaxHighlights + 5; ++k) AppendHighlightLine(many, k);
  const std::vector<int> capped = ParseHighlightBytes(many);
  ASSERT_EQ(capped.size(), static_cast<size_t>(kMaxHighlights));
  EXPECT_EQ(capped.back(), kMaxHighlights);
  EXPECT_EQ(HighlightLine(-2147483647 - 1), " -2147483648 \r\n");
}

}  // namespace
}  // namespace zv
