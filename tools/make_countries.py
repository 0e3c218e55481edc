#!/usr/bin/env python3
"""Writes data/countries.txt and src/data/zonenames.cpp from
tools/countries-source.tsv and the tz database.

Usage: make_countries.py [year] [output] [zone-table-output]

Offsets and daylight-saving dates come from the system tz database through
zoneinfo. For each zone the offset in force at 12:00 GMT of every day of the
year is taken (the program samples the same instant with QTimeZone, see
src/data/yearrule.cpp). The lower of the offsets is the normal offset, the
difference to the higher the daylight-saving amount. The clock counts
daylight saving in force only strictly between its two dates, so the start
date written is the last day before the first day with daylight saving, and
the end date the first day without it; a stretch running over the new year
gives an end date before the start date. A year whose higher offset comes in
more than one stretch (one running over the new year counts as one) keeps
the longest stretch; the generator says so on standard error.

The zone table maps every entry's map picture name (column 10) to its zone
id, so that the program can compute any year's columns itself.
"""
import datetime as dt
import sys
from pathlib import Path
from zoneinfo import ZoneInfo

ROOT = Path(__file__).resolve().parent.parent
TZDATA = Path("/usr/share/zoneinfo/tzdata.zi")


def number_text(hours):
    """Decimal hours as the file writes them: 5.5, -3.5, 0, 5.75."""
    s = f"{hours:.2f}".rstrip("0").rstrip(".")
    return "0" if s in ("", "-0") else s


def coord_text(value, pos, neg):
    return f"{abs(value):.2f}{pos if value >= 0 else neg}"


def date_text(d):
    return f"{d.month}/{d.day}/{d.year}"


def day_offsets(zone_id, year):
    """(day, hours east of GMT at 12:00 GMT of that day) for every day of the year."""
    tz = ZoneInfo(zone_id)
    day = dt.date(year, 1, 1)
    out = []
    while day.year == year:
        noon_gmt = dt.datetime(day.year, day.month, day.day, 12, tzinfo=dt.timezone.utc)
        out.append((day, noon_gmt.astimezone(tz).utcoffset().total_seconds() / 3600))
        day += dt.timedelta(days=1)
    return out


def high_stretches(flags):
    """[first, last] day indexes of each run of True; a run over the new year is one."""
    runs = []
    i = 0
    while i < len(flags):
        if flags[i]:
            j = i
            while j + 1 < len(flags) and flags[j + 1]:
                j += 1
            runs.append([i, j])
            i = j + 1
        else:
            i += 1
    if len(runs) > 1 and flags[0] and flags[-1]:
        first = runs.pop(0)
        runs[-1][1] = first[1]  # the last run goes on into the first
    return runs


def stretch_length(run, days):
    first, last = run
    return last - first + 1 if last >= first else days - first + last + 1


def zone_rule(zone_id, year, notes):
    """(normal hours, dst hours, start date, end date) for the year."""
    offsets = day_offsets(zone_id, year)
    values = sorted({o for _, o in offsets})
    if len(values) == 1:
        return values[0], 0.0, None, None
    low, high = values[0], values[-1]
    if len(values) > 2:
        notes.append(f"{zone_id}: {len(values)} offsets in {year} {values}; "
                     f"{low} taken as normal, {high} as daylight saving")
    flags = [o == high for _, o in offsets]
    runs = high_stretches(flags)
    # The earliest of the longest stretches, as the program chooses.
    best = max(runs, key=lambda r: (stretch_length(r, len(flags)), -r[0]))
    if len(runs) > 1:
        left_out = ", ".join(f"{offsets[a][0]} to {offsets[b][0]}" for a, b in runs if [a, b] != best)
        notes.append(f"{zone_id}: daylight saving in {len(runs)} stretches in {year}; kept "
                     f"{offsets[best[0]][0]} to {offsets[best[1]][0]}, left out {left_out}")
    one = dt.timedelta(days=1)
    return low, high - low, offsets[best[0]][0] - one, offsets[best[1]][0] + one


def tz_version():
    for line in TZDATA.read_text().splitlines():
        if line.startswith("# version "):
            return line.split()[2]
    raise SystemExit(f"no version line in {TZDATA}")


def check_field(text, where):
    if "," in text or '"' in text or "\r" in text or "\n" in text:
        raise SystemExit(f"{where}: field holds a comma, quote or line break: {text!r}")
    text.encode("latin-1")
    return text


ZONE_TABLE_HEAD = """// Written by tools/make_countries.py from tools/countries-source.tsv; do not
// edit by hand. The zone of every shipped entry, by its map picture name.

#include "data/zonenames.h"

namespace zv {

namespace {

// Sorted by map picture name.
const MapZone kMapZones[] = {
"""

ZONE_TABLE_TAIL = """};

}  // namespace

std::span<const MapZone> MapZones() { return kMapZones; }

}  // namespace zv
"""


def write_zone_table(path, pairs):
    body = "".join(f'    {{"{m}", "{z}"}},\n' for m, z in sorted(pairs))
    path.write_text(ZONE_TABLE_HEAD + body + ZONE_TABLE_TAIL)


def main():
    year = int(sys.argv[1]) if len(sys.argv) > 1 else dt.date.today().year
    out = Path(sys.argv[2]) if len(sys.argv) > 2 else ROOT / "data" / "countries.txt"
    table_out = Path(sys.argv[3]) if len(sys.argv) > 3 else ROOT / "src" / "data" / "zonenames.cpp"
    rows = []
    for line in (ROOT / "tools" / "countries-source.tsv").read_text(encoding="utf-8").splitlines():
        if not line or line.startswith("#"):
            continue
        f = line.split("\t")
        if len(f) != 9:
            raise SystemExit(f"bad source line: {line!r}")
        rows.append(f)
    rows.sort(key=lambda f: f[0])
    if len(rows) != 224:
        raise SystemExit(f"{len(rows)} entries, want 224")
    # The title names the year and the tz database release, and nothing that
    # changes from run to run, so that re-running gives the same bytes.
    title = f"Country TimeZone w/GMT DayLightSavingHrs  {year} from tz database {tz_version()}"
    lines = [check_field(title, "title"), "-" * 50, ""]
    notes = []
    pairs = []
    for name, zone, region, capital, lat, lon, langs, mapname, history in rows:
        low, dst, start, end = zone_rule(zone, year, notes)
        pairs.append((mapname, zone))
        fields = [name, number_text(low), number_text(dst), "1" if dst else "0",
                  "#" + (date_text(start) if start else "12:00:00 AM") + "#",
                  "#" + (date_text(end) if end else "12:00:00 AM") + "#",
                  region, capital, coord_text(float(lat), "N", "S"),
                  coord_text(float(lon), "E", "W"), langs, mapname, history]
        for v in fields:
            check_field(v, name)
        lines.append(",".join(fields))
    if len({m for m, _ in pairs}) != len(pairs):
        raise SystemExit("two entries share a map picture name")
    out.write_bytes(("\r\n".join(lines) + "\r\n").encode("latin-1"))
    write_zone_table(table_out, pairs)
    for note in notes:
        print(note, file=sys.stderr)
    print(f"wrote {len(rows)} entries for {year} to {out} and their zones to {table_out}")


if __name__ == "__main__":
    main()
