#!/usr/bin/env python3
"""Makes the time-zone tests' data from two sources, once; the tests need no Python.

  zone_tables.py SYSTEM_REG

SYSTEM_REG is a Wine prefix's system.reg (scripts/wine-run --prepare makes one).
Writes:
- tests/datetext/zone_changes.h: for each zone below, the moments just before and
  at each change of offset in 2020-2030, as the IANA data (Python's zoneinfo) has
  them, kept where Windows' rules from the registry give the same offset and
  daylight flag; the rows dropped are listed in the file's comment.
- winsubset/src/machine_registry.cpp: the same zones' registry keys as Wine has
  them (per-year rules from 2019 on, which is all the table needs), so that the
  native build reads the same rules.
"""
import datetime
import re
import sys
import zoneinfo

ZONES = [  # Windows key, IANA name
    ("Tokyo Standard Time", "Asia/Tokyo"),
    ("India Standard Time", "Asia/Kolkata"),
    ("Nepal Standard Time", "Asia/Kathmandu"),
    ("Newfoundland Standard Time", "America/St_Johns"),
    ("New Zealand Standard Time", "Pacific/Auckland"),
    ("AUS Eastern Standard Time", "Australia/Sydney"),
    ("Cen. Australia Standard Time", "Australia/Adelaide"),
    ("Pacific SA Standard Time", "America/Santiago"),
    ("E. South America Standard Time", "America/Sao_Paulo"),
    ("Pacific Standard Time", "America/Los_Angeles"),
    ("Eastern Standard Time", "America/New_York"),
    ("Central Europe Standard Time", "Europe/Budapest"),
    ("Russian Standard Time", "Europe/Moscow"),
    ("Lord Howe Standard Time", "Australia/Lord_Howe"),
    ("Egypt Standard Time", "Africa/Cairo"),
    ("UTC", "UTC"),
]
# Zones the matching tests name besides, read from the registry only.
MORE_KEYS = ["Pacific Standard Time (Mexico)", "Mountain Standard Time"]
YEARS = range(2020, 2031)
ROOT = r"Software\\Microsoft\\Windows NT\\CurrentVersion\\Time Zones"
UTC = datetime.timezone.utc


def read_registry(path):
    """{key path: {value name: (type, bytes or text)}} for the time zones."""
    keys, current, text = {}, None, open(path, encoding="utf-8", errors="replace").read()
    text = re.sub(r"\\\n\s*", "", text)
    for line in text.splitlines():
        m = re.match(r"^\[(.*)\] \d+$", line)
        if m:
            name = m.group(1)
            current = keys.setdefault(name.replace("\\\\", "\\"), {}) if name.startswith(ROOT) else None
            continue
        m = current is not None and re.match(r'^"([^"]*)"=(.*)$', line)
        if not m:
            continue
        name, value = m.groups()
        if value.startswith("hex:"):
            current[name] = (3, bytes(int(b, 16) for b in value[4:].split(",") if b))
        elif value.startswith("dword:"):
            current[name] = (4, int(value[6:], 16).to_bytes(4, "little"))
        elif value.startswith('"'):
            current[name] = (1, value[1:-1].encode("cp1252") + b"\0")
    return keys


def rules_of(keys, zone):
    """Windows' rules of a zone: {first year: TZI bytes}."""
    base = keys[ROOT.replace("\\\\", "\\") + "\\" + zone]
    dynamic = keys.get(ROOT.replace("\\\\", "\\") + "\\" + zone + "\\Dynamic DST")
    if not dynamic:
        return {0: base["TZI"][1]}
    first = int.from_bytes(dynamic["FirstEntry"][1], "little")
    last = int.from_bytes(dynamic["LastEntry"][1], "little")
    return {year: dynamic[str(year)][1] for year in range(first, last + 1)}


def change_moment(date, year):
    """A change's wall-clock moment in `year` (Windows' day-of-week encoding)."""
    y, month, weekday, day, hour, minute, second, ms = date
    if y:
        start = datetime.datetime(year, month, day)
    else:
        first = datetime.datetime(year, month, 1)
        start = first + datetime.timedelta(days=(weekday - (first.weekday() + 1) % 7) % 7 + (day - 1) * 7)
        while start.month != month:
            start -= datetime.timedelta(days=7)
    return start + datetime.timedelta(hours=hour, minutes=minute, seconds=second + (ms > 0))


def windows_offset(rules, moment, wall=False):
    """(offset east in minutes, daylight) at a UTC moment by Windows' rules,
    or with `wall` at a wall-clock moment."""
    year = max([y for y in rules if y <= moment.year] or [min(rules)])
    tzi = rules[year]
    bias, std_bias, dlt_bias = (int.from_bytes(tzi[i:i + 4], "little", signed=True) for i in (0, 4, 8))
    std_date = [int.from_bytes(tzi[12 + 2 * i:14 + 2 * i], "little") for i in range(8)]
    dlt_date = [int.from_bytes(tzi[28 + 2 * i:30 + 2 * i], "little") for i in range(8)]
    naive = moment.replace(tzinfo=None)
    if not std_date[1] or not dlt_date[1]:
        return -bias, False
    standard_clock = naive - datetime.timedelta(minutes=0 if wall else bias + std_bias)
    daylight_clock = naive - datetime.timedelta(minutes=0 if wall else bias + dlt_bias)
    local_year = (naive - datetime.timedelta(minutes=0 if wall else bias)).year
    before = daylight_clock < change_moment(std_date, local_year)
    after = standard_clock >= change_moment(dlt_date, local_year)
    daylight = (before and after) if dlt_date[1] < std_date[1] else (before or after)
    return -(bias + (dlt_bias if daylight else std_bias)), daylight


def changes(zone):
    """UTC moments at which the IANA offset changes within YEARS."""
    moment = datetime.datetime(YEARS[0], 1, 1, tzinfo=UTC)
    end = datetime.datetime(YEARS[-1] + 1, 1, 1, tzinfo=UTC)
    step = datetime.timedelta(hours=1)
    found, last = [], moment.astimezone(zone).utcoffset()
    while moment < end:
        offset = (moment + step).astimezone(zone).utcoffset()
        if offset != last:
            low, high = moment, moment + step  # the change lies in (low, high]
            while high - low > datetime.timedelta(seconds=1):
                middle = low + (high - low) / 2
                middle = middle.replace(microsecond=0)
                if middle.astimezone(zone).utcoffset() == last:
                    low = middle
                else:
                    high = middle
            found.append(high)
            last = offset
        moment += step
    return found


def rows_of(keys, key, iana):
    zone = zoneinfo.ZoneInfo(iana)
    rules = rules_of(keys, key)
    moments = []
    for change in changes(zone):
        moments += [change - datetime.timedelta(seconds=1), change]
    if not moments:  # no change: midwinter and midsummer of some years
        moments = [datetime.datetime(y, m, 1, 12, tzinfo=UTC) for y in (2020, 2025, 2030) for m in (1, 7)]
    kept, dropped = [], []
    for utc in moments:
        local = utc.astimezone(zone)
        offset = int(local.utcoffset().total_seconds()) // 60
        daylight = bool(local.dst())
        # The wall-clock time read back: Windows takes the first of a repeated hour.
        back = local.replace(tzinfo=None).replace(tzinfo=zone, fold=0).astimezone(UTC)
        row = (key, utc, local, offset, daylight, int((back - utc).total_seconds()) // 60)
        windows_back = local.replace(tzinfo=None) - datetime.timedelta(
            minutes=windows_offset(rules, local.replace(tzinfo=None), True)[0])
        if windows_offset(rules, utc) == (offset, daylight) and windows_back == back.replace(tzinfo=None):
            kept.append(row)
        else:
            dropped.append((row, windows_offset(rules, utc)))
    return kept, dropped


def write_table(keys, path):
    lines, notes = [], []
    for key, iana in ZONES:
        kept, dropped = rows_of(keys, key, iana)
        for key_, utc, local, offset, daylight, back in kept:
            lines.append('    {"%s", "%s", "%s", %d, %d, %d},' % (
                "Coordinated_Universal_Time" if key_ == "UTC" else key_.replace(" ", "_"), utc.strftime("%Y-%m-%d %H:%M:%S"),
                local.strftime("%Y-%m-%d %H:%M:%S"), offset, daylight, back))
        if dropped:
            (_, utc, _, offset, daylight, back), windows = dropped[0]
            years = sorted({row[1].year for row, _ in dropped})
            notes.append("   %s (%s): %d rows of %d-%d, such as at %s UTC:" % (
                key, iana, len(dropped), years[0], years[-1], utc.strftime("%Y-%m-%d %H:%M:%S")))
            notes.append("     IANA %+d%s, Windows %+d%s" % (
                offset, " daylight" if daylight else "", windows[0], " daylight" if windows[1] else ""))
    with open(path, "w") as out:
        out.write("// Made by zone_tables.py from the IANA data (tzdata %s) and Wine's registry.\n" %
                  zoneinfo_version())
        out.write("// Rows dropped where Windows' rules differ from the IANA data:\n")
        out.write("".join("//%s\n" % n for n in notes) or "//   none\n")
        out.write("// The zone's word (its key, blanks as underscores), UTC, wall clock, offset east\n"
                  "// in minutes, daylight, minutes the wall clock read back lands off the UTC moment.\n")
        out.write("static const ZoneChange ZoneChanges[] = {\n%s\n};\n" % "\n".join(lines))


def zoneinfo_version():
    try:
        return open("/usr/share/zoneinfo/tzdata.zi").readline().split()[-1]
    except OSError:
        return "unknown"


def c_bytes(data):
    return '"' + "".join("\\x%02x" % b for b in data) + '"'


def write_fixture(keys, path):
    lines = []
    for key in [k for k, _ in ZONES] + MORE_KEYS:
        base = ROOT.replace("\\\\", "\\") + "\\" + key
        for name in ("Display", "Std", "Dlt", "TZI"):
            kind, data = keys[base][name]
            lines.append('    {Zones "%s", "%s", %d, %s, %d},' % (
                key, name, kind, c_bytes(data) if kind == 3 else '"%s"' % data[:-1].decode("cp1252"),
                len(data)))
        dynamic = keys.get(base + "\\Dynamic DST")
        if not dynamic:
            continue
        first = int.from_bytes(dynamic["FirstEntry"][1], "little")
        last = int.from_bytes(dynamic["LastEntry"][1], "little")
        first = max(first, min(2019, last))
        for name in ["FirstEntry", "LastEntry"] + [str(y) for y in range(first, last + 1)]:
            data = first.to_bytes(4, "little") if name == "FirstEntry" else dynamic[name][1]
            lines.append('    {Zones "%s\\\\Dynamic DST", "%s", %d, %s, %d},' % (
                key, name, dynamic[name][0], c_bytes(data), len(data)))
    with open(path, "w") as out:
        out.write("""// HKEY_LOCAL_MACHINE in a fresh process: some of Wine's time zones, as its
// registry holds them (per-year rules from 2019 on). Made by
// tests/datetext/zone_tables.py.
#include "winsubset_internal.h"

#define Zones "SOFTWARE\\\\Microsoft\\\\Windows NT\\\\CurrentVersion\\\\Time Zones\\\\"

// clang-format off
const struct MachineValue MachineValues[] = {
%s
    {NULL, NULL, 0, NULL, 0}};
// clang-format on
""" % "\n".join(lines))


def main():
    keys = read_registry(sys.argv[1])
    write_table(keys, "tests/datetext/zone_changes.h")
    write_fixture(keys, "winsubset/src/machine_registry.cpp")


if __name__ == "__main__":
    main()
