#include "data/tableread.h"

#include "data/countryfile.h"
#include "data/sharedstate.h"

namespace zv {

void NoteCountriesRead(const ReadResult& result) { Shared().countriesRead = result; }

bool CountryTableReadInPart() { return ReadInPart(Shared().countriesRead); }

QString WholeTableWriteRefusal() {
  if (!CountryTableReadInPart()) return QString();
  const ReadResult& r = Shared().countriesRead;
  const QString where =
      r.stop == ReadStop::kCannotOpen ? QStringLiteral("it could not be read")
      : r.stop == ReadStop::kTooLarge
          ? QStringLiteral("it is larger than %1 MB").arg(kMaxCountryFileBytes / (1024 * 1024))
      : r.stopEntry == 0 ? QStringLiteral("reading stopped in its header")
                         : QStringLiteral("reading stopped at entry %1").arg(r.stopEntry);
  return QStringLiteral(
             "countries.txt was read only in part (%1), so saving the whole table would empty the entries "
             "after "
             "that point. Nothing was written. Mend the file and start Zorvane again.")
      .arg(where);
}

}  // namespace zv
