// The zone file reader on any bytes. Whatever it shows must be written back
// by ZoneFileBytes as a file that reads to the same shown texts, and writing
// that again gives the same bytes.
#include <cstdint>

#include "data/numtext.h"
#include "data/tzonefile.h"
#include "fuzzcheck.h"

namespace {

// What a field shows after it went through the file: its number.
QString ShownAfterSave(const QString& field) { return zv::GeneralNumberText(zv::NumberInText(field)); }

void CheckSave(const QString& offset, const QString& dst) {
  const QByteArray bytes = zv::ZoneFileBytes(offset, dst);
  FUZZ_CHECK(bytes.endsWith("\r\n"), "no line end: \"%s\"", bytes.constData());
  FUZZ_CHECK(bytes.size() > 16, "short line \"%s\"", bytes.constData());
  // The second number starts at a print column of 14 characters.
  // Its item is a sign column (a space, or the "-" of the number), the
  // digits and a space.
  const QString dstDigits = ShownAfterSave(dst);
  const qsizetype item = dstDigits.size() + (dstDigits.startsWith(u'-') ? 1 : 2);
  const qsizetype second = bytes.size() - 2 - item;
  FUZZ_CHECK(second > 0 && second % 14 == 0, "second number at %lld in \"%s\"",
             static_cast<long long>(second), bytes.constData());
  const zv::ZoneTexts z = zv::ParseZoneBytes(bytes);
  FUZZ_CHECK(z.offset == ShownAfterSave(offset), "offset \"%s\" saved as \"%s\" reads as \"%s\"", Q(offset),
             bytes.constData(), Q(z.offset));
  FUZZ_CHECK(z.dstHours == ShownAfterSave(dst), "hours \"%s\" saved as \"%s\" reads as \"%s\"", Q(dst),
             bytes.constData(), Q(z.dstHours));
  FUZZ_CHECK(zv::ZoneFileBytes(z.offset, z.dstHours) == bytes, "second save differs from \"%s\"",
             bytes.constData());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  const zv::ZoneTexts z = zv::ParseZoneBytes(bytes);
  FUZZ_CHECK(!z.offset.isEmpty(), "empty offset");
  // A shown number is in its shortest general form.
  if (zv::IsNumberText(z.offset)) FUZZ_CHECK(z.offset == ShownAfterSave(z.offset), "\"%s\"", Q(z.offset));
  if (zv::IsNumberText(z.dstHours))
    FUZZ_CHECK(z.dstHours == ShownAfterSave(z.dstHours), "\"%s\"", Q(z.dstHours));
  CheckSave(z.offset, z.dstHours);
  // The raw input as typed field texts, split at the first NUL.
  const qsizetype cut = bytes.indexOf('\0');
  const QString all = QString::fromLatin1(bytes);
  CheckSave(cut < 0 ? all : all.left(cut), cut < 0 ? QString() : all.mid(cut + 1));
  return 0;
}
