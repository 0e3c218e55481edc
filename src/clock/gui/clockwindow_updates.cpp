// The clock window's commands that bring the settings and the country table
// up to date from the computer's time zone.

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include "app/gui/appwindows.h"
#include "app/gui/prompter.h"
#include "clock/gui/clockwindow.h"
#include "countryinfo/gui/countryinfowindow.h"
#include "data/dstupdate.h"
#include "data/numtext.h"
#include "data/outsideworld.h"
#include "data/ownzone.h"
#include "data/sharedstate.h"
#include "data/tableread.h"

namespace zv {

void ClockWindow::UseComputerZone() {
  const auto zone = ComputerZoneTexts(SystemZone(), CurrentClock().Now());
  if (!zone) {
    Prompts().Message(this,
                      QStringLiteral("This computer's time zone is not known, so the settings were left "
                                     "as they are."));
    return;
  }
  standardOffsetBox_->setText(zone->offset);
  dstHoursBox_->setText(zone->dstHours);
  calculateButton_->click();
}

void ClockWindow::UpdateDstDates() {
  const QDateTime now = CurrentClock().Now();
  const int year = now.date().year();
  SharedState& m = Shared();
  const DstFileUpdate result =
      UpdateDstFile(DataPath(QStringLiteral("countries.txt")),
                    WritableDataPath(QStringLiteral("countries.txt")), m.entryCount, year, now);
  if (!result.ok()) {
    Prompts().Message(this, result.error);
    return;
  }
  // The country table now holds what the file holds; the working copy takes
  // the new columns and keeps its other edits.
  CopyEntries(result.table, m.table, m.entryCount);
  CountryInfoWindow* info = CountryInfoIfLoaded();
  const int shown = info ? RoundHalfEven(NumberInText(info->EntryNumberBox()->text())) : 0;
  bool shownChanged = false;
  for (const EntryChange& c : result.update.changes) {
    SetColumns(m.working, c.entry, c.after);
    shownChanged = shownChanged || c.entry == shown;
  }
  calculateButton_->click();
  // The shown entry takes its new dates; what the user is typing in its other
  // boxes stays.
  if (shownChanged) info->ShowDstFields(shown);
  Prompts().Message(this, DstUpdatedText(result, year));
}

void ClockWindow::OfferDstUpdate() {
  // A table read only in part cannot be written back; the user has just been
  // told so, and the menu command says it again if asked.
  if (CountryTableReadInPart()) return;
  const QDateTime now = CurrentClock().Now();
  const auto inUse = DstOfferDue(Shared().table, Shared().entryCount, QDateTime(), now);
  if (inUse && Prompts().AskYesNo(this, DstOfferText(*inUse, now.date().year()))) UpdateDstDates();
}

}  // namespace zv
