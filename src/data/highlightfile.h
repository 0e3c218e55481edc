#pragma once
// highlight.txt: the numbers of the highlighted entries, one per line.

#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

namespace zv {

inline constexpr int kMaxHighlights = 230;
// The reader takes no more than this much of the file: 230 numbers never
// need more than a few kilobytes, and a huge file must not fill the memory.
inline constexpr qint64 kHighlightReadBytes = 64 * 1024;

// The numbers in file order (spaces, commas and line ends separate them), at
// most 230. A value that is no number, or an empty line, counts as 0, which
// highlights nothing.
std::vector<int> ParseHighlightBytes(const QByteArray& bytes);

// Reads the file at path; a missing file gives no numbers.
std::vector<int> ReadHighlightFile(const QString& path);

// What "Highlight" writes so that the new entry is read back: nothing when a
// line appended to the file as it is (its first kHighlightReadBytes in
// `start`, `cut` when it holds more) stays within what the reader takes;
// otherwise the whole file compacted, each highlighted entry (1 to
// entryCount) once in file order, then the new one.
std::optional<QByteArray> CompactedHighlights(const QByteArray& start, bool cut, int entry, int entryCount);

// One line of the file: a space, the number, a space, CR LF.
QByteArray HighlightLine(int entry);
// The same line appended to file.
void AppendHighlightLine(QByteArray& file, int entry);

}  // namespace zv
