// The zone file reader on any bytes: what it shows is saved as a file that
// reads back to its numbers (15 digits) and saves again to the same bytes.
#include "data/numtext.h"
#include "data/tzonefile.h"
#include "fuzzcheck.h"

FUZZ_TARGET {
  const zv::ZoneTexts z = zv::ParseZoneBytes(bytes);
  const QByteArray file = zv::ZoneFileBytes(z.offset, z.dstHours);
  const zv::ZoneTexts back = zv::ParseZoneBytes(file);
  CHECK(back.offset == zv::GeneralNumberText(zv::NumberInText(z.offset)) &&
        zv::ZoneFileBytes(back.offset, back.dstHours) == file);
}
