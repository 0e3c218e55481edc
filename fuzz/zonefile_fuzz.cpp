// The zone file reader on any bytes: what it shows is saved as a file that,
// read back, saves again to the same bytes.
#include "data/tzonefile.h"
#include "fuzzcheck.h"

FUZZ_TARGET {
  const zv::ZoneTexts z = zv::ParseZoneBytes(bytes);
  const QByteArray file = zv::ZoneFileBytes(z.offset, z.dstHours);
  const zv::ZoneTexts back = zv::ParseZoneBytes(file);
  CHECK(zv::ZoneFileBytes(back.offset, back.dstHours) == file);
}
