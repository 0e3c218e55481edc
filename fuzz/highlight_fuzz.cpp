// The highlight file reader on any bytes: at most 230 numbers, and the file
// the program writes for those numbers (HighlightLine for each), with a line
// appended as "Highlight" does, reads back to the same numbers.
#include <algorithm>
#include <cstdint>
#include <cstring>

#include "data/highlightfile.h"
#include "fuzzcheck.h"

// The cap does not depend on the input's numbers, only on their count: it is
// checked once at start for every count up to three past it, and for every
// input the file with one more line must keep the input's numbers and add
// the line's number below the cap, or nothing at it.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
  QByteArray lines;
  for (int k = 0; k <= zv::kMaxHighlights + 3; ++k) {
    const std::vector<int> got = zv::ParseHighlightBytes(lines);
    FUZZ_CHECK(got.size() == static_cast<size_t>(std::min(k, zv::kMaxHighlights)), "%d lines read as %zu", k,
               got.size());
    for (size_t j = 0; j < got.size(); ++j) FUZZ_CHECK(got[j] == static_cast<int>(j), "line %zu changed", j);
    zv::AppendHighlightLine(lines, k);
  }
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  const std::vector<int> got = zv::ParseHighlightBytes(bytes);
  FUZZ_CHECK(got.size() <= static_cast<size_t>(zv::kMaxHighlights), "%zu numbers", got.size());

  // A line is at most 15 bytes (" -2147483648 \r\n").
  constexpr qsizetype kLineMax = 15;
  QByteArray file;
  file.reserve((static_cast<qsizetype>(got.size()) + 1) * kLineMax);
  for (int n : got) zv::AppendHighlightLine(file, n);
  // The file read back, with one more line appended as "Highlight" does:
  // the same numbers, and the line's own below the cap. (The file alone,
  // ending at its last line end, is read back below for the whole numbers
  // of the input.)
  constexpr int kAdded = 7;
  zv::AppendHighlightLine(file, kAdded);
  std::vector<int> expected = got;
  if (expected.size() < static_cast<size_t>(zv::kMaxHighlights)) expected.push_back(kAdded);
  const std::vector<int> back = zv::ParseHighlightBytes(file);
  FUZZ_CHECK(back == expected, "%zu numbers written, with a line added, read back as %zu", got.size(),
             back.size());

  // Whole numbers from the raw bytes round-trip through their lines.
  std::vector<int> ints;
  ints.reserve(zv::kMaxHighlights);
  for (size_t i = 0; i + 4 <= size && ints.size() < static_cast<size_t>(zv::kMaxHighlights); i += 4) {
    int32_t v;
    std::memcpy(&v, data + i, sizeof v);
    ints.push_back(v);
  }
  QByteArray intFile;
  intFile.reserve(static_cast<qsizetype>(ints.size()) * kLineMax);
  for (int n : ints) zv::AppendHighlightLine(intFile, n);
  // The single-line form is the same bytes.
  if (!ints.empty())
    FUZZ_CHECK(intFile.startsWith(zv::HighlightLine(ints[0])),
               "HighlightLine differs from the appended line");
  FUZZ_CHECK(zv::ParseHighlightBytes(intFile) == ints, "%zu whole numbers do not read back", ints.size());
  return 0;
}
