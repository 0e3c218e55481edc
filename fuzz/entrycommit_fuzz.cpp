// Committing an entry and writing the table keeps every field that was not
// edited byte for byte, dates and the unchanged check box's column too. The input's first byte chooses the
// boxes edited (bit i for boxes i and i + 8); the rest is a country file in either character set. The file's
// header is not kept, so a file in Windows-1252 may be written as one that reads as UTF-8; such inputs are
// passed over.
#include <QDateTime>
#include <cstdint>

#include "countryinfo/entryedit.h"
#include "data/countryfile.h"
#include "fuzzcheck.h"

using namespace zv;

FUZZ_TARGET {
  (void)text;
  if (bytes.isEmpty()) return;
  const auto* data = reinterpret_cast<const uint8_t*>(bytes.constData());
  const QByteArray file = bytes.mid(1);
  CountryTable read, back;
  const TextEncoding set = DetectEncoding(file);
  if (!ReadCountriesText(DecodeText(file, set), read, 3).complete) return;
  EntryBoxes boxes;
  boxes.checkState = CheckStateForColumn(read.at(2, kColDstUsed));
  for (int i = 0; i < kBoxCount; ++i) {
    boxes.text[i] = i == kBoxDstStart || i == kBoxDstEnd ? "Mar 28" : "Q;,";
    boxes.edited[i] = data[0] >> (i % 8) & 1;
  }
  CountryTable saved = read;
  if (CommitEntry(boxes, 2026, saved, 2) || FirstUnsavableField(saved, 3)) return;
  const QByteArray out = WriteCountriesBytes(saved, 3, QDateTime(QDate(2026, 1, 1), QTime(0, 0)), set);
  const TextEncoding outSet = DetectEncoding(out);
  if (set == TextEncoding::kWindows1252 && outSet != set) return;
  CHECK(ReadCountriesText(DecodeText(out, outSet), back, 3).complete);
  for (int n = 1; n <= 3; ++n) {
    for (int c = kColName; c <= kColHistory; ++c)
      CHECK(read.text[n][c] == back.text[n][c] || (n == 2 && c != kColDstUsed && boxes.edited[c - (c < 4)]));
    CHECK(read.dstStartText[n] == back.dstStartText[n] || (n == 2 && boxes.edited[kBoxDstStart]));
    CHECK(read.dstEndText[n] == back.dstEndText[n] || (n == 2 && boxes.edited[kBoxDstEnd]));
  }
}
