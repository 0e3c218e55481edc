#!/usr/bin/env python3
"""Writes data/countries.txt from tools/countries-source.tsv and the tz database.

Usage: make_countries.py [year] [output]

Offsets and daylight-saving dates come from the system tz database through
zoneinfo. For each zone the offset in force at local noon of every day of the
year is taken; the lower of the (at most two) offsets is the normal offset,
the difference the daylight-saving amount, and the first day that shows the
higher (lower) offset is the start (end) date. A zone whose year shows more
than two offsets, or the higher offset in more than one stretch, stops the
generator.
"""
import datetime as dt
import sys
from pathlib import Path
from zoneinfo import ZoneInfo

ROOT = Path(__file__).resolve().parent.parent
MONTHS = ["Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"]


def number_text(hours):
    """Decimal hours as the file writes them: 5.5, -3.5, 0, 5.75."""
    s = f"{hours:.2f}".rstrip("0").rstrip(".")
    return "0" if s in ("", "-0") else s


def coord_text(value, pos, neg):
    return f"{abs(value):.2f}{pos if value >= 0 else neg}"


def date_text(d):
    return f"{d.month}/{d.day}/{d.year}"


def zone_rule(zone_id, year):
    """(normal hours, dst hours, start date, end date) for the year."""
    tz = ZoneInfo(zone_id)
    day = dt.date(year, 1, 1)
    offsets = []
    while day.year == year:
        local_noon = dt.datetime(day.year, day.month, day.day, 12, tzinfo=tz)
        offsets.append((day, local_noon.utcoffset().total_seconds() / 3600))
        day += dt.timedelta(days=1)
    values = sorted({o for _, o in offsets})
    if len(values) == 1:
        return values[0], 0.0, None, None
    if len(values) > 2:
        raise SystemExit(f"{zone_id}: more than two offsets in {year}: {values}")
    low, high = values
    starts = [d for (p, a), (d, b) in zip(offsets, offsets[1:]) if a == low and b == high]
    ends = [d for (p, a), (d, b) in zip(offsets, offsets[1:]) if a == high and b == low]
    if len(starts) > 1 or len(ends) > 1 or not starts or not ends:
        raise SystemExit(f"{zone_id}: daylight saving not one stretch in {year}")
    return low, high - low, starts[0], ends[0]


def check_field(text, where):
    if "," in text or '"' in text or "\r" in text or "\n" in text:
        raise SystemExit(f"{where}: field holds a comma, quote or line break: {text!r}")
    text.encode("latin-1")
    return text


def main():
    year = int(sys.argv[1]) if len(sys.argv) > 1 else dt.date.today().year
    out = Path(sys.argv[2]) if len(sys.argv) > 2 else ROOT / "data" / "countries.txt"
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
    # The title carries a fixed stamp so that re-running gives the same bytes.
    lines = [f"Country TimeZone w/GMT DayLightSavingHrs  Jan 01  12:00 AM", "-" * 50, ""]
    for name, zone, region, capital, lat, lon, langs, mapname, history in rows:
        low, dst, start, end = zone_rule(zone, year)
        fields = [name, number_text(low), number_text(dst), "1" if dst else "0",
                  "#" + (date_text(start) if start else "12:00:00 AM") + "#",
                  "#" + (date_text(end) if end else "12:00:00 AM") + "#",
                  region, capital, coord_text(float(lat), "N", "S"),
                  coord_text(float(lon), "E", "W"), langs, mapname, history]
        for v in fields:
            check_field(v, name)
        lines.append(",".join(fields))
    out.write_bytes(("\r\n".join(lines) + "\r\n").encode("latin-1"))
    print(f"wrote {len(rows)} entries for {year} to {out}")


if __name__ == "__main__":
    main()
