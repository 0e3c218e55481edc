#pragma once
// highlight.txt: the numbers of the highlighted entries, one per line.

#include <QByteArray>
#include <QString>
#include <vector>

namespace zv {

inline constexpr int kMaxHighlights = 230;

// The numbers in file order (spaces, commas and line ends separate them), at
// most 230. A value that is no number, or an empty line, counts as 0, which
// highlights nothing.
std::vector<int> ParseHighlightBytes(const QByteArray& bytes);

// Reads the file at path; a missing file gives no numbers.
std::vector<int> ReadHighlightFile(const QString& path);

// One line of the file: a space, the number, a space, CR LF.
QByteArray HighlightLine(int entry);
// The same line appended to file.
void AppendHighlightLine(QByteArray& file, int entry);

}  // namespace zv
