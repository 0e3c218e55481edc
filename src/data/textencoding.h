#pragma once
// The character sets a country file may be in. A file that is valid UTF-8 is
// read as UTF-8; any other is read as Windows-1252, the Western 8-bit set, in
// which every byte stands for one character. A file is written back in the
// set it was read in, so that a field nobody changed keeps its bytes. A file
// of ASCII alone reads the same in both; it is written in Windows-1252 while
// that holds every field, else in UTF-8.

#include <QByteArray>
#include <QString>
#include <optional>

namespace zv {

// kLatin1 (ISO 8859-1, every byte the character of the same number) is not
// detected; it is what the writer uses when no set is named.
enum class TextEncoding { kWindows1252, kUtf8, kAscii, kLatin1 };

// kAscii for ASCII alone, else UTF-8 when the bytes are valid UTF-8; a file read only in part (cut) may
// end inside a character, which does not count against it.
TextEncoding DetectEncoding(const QByteArray& bytes, bool cut = false);

QString DecodeText(const QByteArray& bytes, TextEncoding encoding);

// Appends text in the encoding (kAscii as UTF-8); false (and nothing appended) when a
// character of it cannot be written in that encoding.
bool AppendEncoded(QByteArray& out, QStringView text, TextEncoding encoding);

// The first character of text (a whole code point) that the encoding cannot
// hold, or nothing. kAscii can become either set, so it holds what UTF-8 holds.
std::optional<char32_t> FirstUnencodable(QStringView text, TextEncoding encoding);

}  // namespace zv
