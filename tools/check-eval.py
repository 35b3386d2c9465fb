#!/usr/bin/env python3
"""Measures the log check (kerolt --check) on logs built here from the contest's rules.

Valid logs of four entrants, each laid out in three ways (Kerolt's own columns, single
blanks with numbers written "001", wide columns with a transmitter column), and copies of
each with one fault planted on a known line. Prints, per kind of fault, how many plants were
found on their line, and every finding on a valid log.

    tools/check-eval.py [path/to/kerolt]      (default: build/kerolt)

The calls come from the packaged MASTER.SCP and the countries from the packaged cty.dat, so
the check runs in an empty folder. The claimed score of a valid log is the one the program
reports for that log (the score is the scoring engine's, not the check's to decide).
"""

import collections
import datetime
import os
import re
import subprocess
import sys
import tempfile

KEROLT = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else "build/kerolt")
MASTER = "/usr/share/hamradio-files/MASTER.SCP"

SCANDINAVIAN = ("SM", "OH", "LA", "OZ")
OTHERS = ("DL", "G", "F", "I", "K", "JA")


def master_calls():
    calls = collections.defaultdict(list)
    with open(MASTER, encoding="latin-1") as f:
        for line in f:
            call = line.strip()
            m = re.fullmatch(r"([A-Z]+)[1-9][A-Z]{2,3}", call)
            if m:
                calls[m.group(1)].append(call)
    return calls


CALLS = master_calls()


def saturday(contest, year):
    """The contest's Saturday by its rule: CW third in September, SSB second in October."""
    month, nth = (9, 3) if contest == "SAC-CW" else (10, 2)
    day = datetime.date(year, month, 1)
    day += datetime.timedelta(days=(5 - day.weekday()) % 7 + 7 * (nth - 1))
    return day


# Band, band value, a frequency in the CW plan, one in the SSB plan (since 2017).
BANDS = {
    "80M": (3500, 3530, 3620),
    "40M": (7000, 7020, 7150),
    "20M": (14000, 14030, 14200),
    "15M": (21000, 21040, 21300),
    "10M": (28000, 28040, 28500),
}


class Log:
    def __init__(self, call, contest, year, band, overlay="", op="SINGLE-OP", tx="ONE"):
        self.call, self.contest, self.year = call, contest, year
        self.header = [
            ("CALLSIGN", call), ("CONTEST", contest), ("CATEGORY-ASSISTED", "NON-ASSISTED"),
            ("CATEGORY-BAND", band),
            ("CATEGORY-MODE", "CW" if contest == "SAC-CW" else "SSB"),
            ("CATEGORY-OPERATOR", op), ("CATEGORY-POWER", "LOW"),
            ("CATEGORY-TRANSMITTER", tx), ("CATEGORY-OVERLAY", overlay),
            ("EMAIL", "op@example.org"), ("CREATED-BY", "check-eval"),
            ("OPERATORS", call), ("CLAIMED-SCORE", "0"), ("NAME", "A. Operator"),
            ("ADDRESS", "Street 1"), ("ADDRESS", "12345 Town"), ("ADDRESS", "Country"),
        ]
        self.qsos = []
        self.end = True

    def add(self, when, band, call, nr, plan):
        value, cw, ssb = BANDS[band]
        freq = value if plan == 0 else (cw if self.contest == "SAC-CW" else ssb)
        self.qsos.append({
            "freq": str(freq), "mode": "CW" if self.contest == "SAC-CW" else "PH",
            "date": when.strftime("%Y-%m-%d"), "time": when.strftime("%H%M"),
            "own": self.call, "rst": "599" if self.contest == "SAC-CW" else "59",
            "nr": str(len(self.qsos) + 1), "call": call,
            "rrst": "599" if self.contest == "SAC-CW" else "59", "rnr": str(nr), "band": band})

    def copy(self):
        other = Log.__new__(Log)
        other.__dict__.update(self.__dict__)
        other.header = list(self.header)
        other.qsos = [dict(q) for q in self.qsos]
        return other

    def set(self, tag, value):
        self.header = [(t, value if t == tag else v) for t, v in self.header]

    def first_qso_line(self):
        return 2 + len(self.header)


def qso_line(q, layout):
    if layout == "kerolt":
        return ("QSO: " + q["freq"].rjust(5) + " " + q["mode"] + " " + q["date"] + " " +
                q["time"] + " " + q["own"].ljust(14)[:14] + q["rst"].ljust(4) +
                q["nr"].rjust(6) + " " + q["call"].ljust(14) + q["rrst"].ljust(4) +
                q["rnr"].rjust(6))
    if layout == "zeros":
        nr = lambda n: n.zfill(3) if n.isdigit() else n
        return " ".join(["QSO:", q["freq"], q["mode"], q["date"], q["time"], q["own"], q["rst"],
                         nr(q["nr"]), q["call"], q["rrst"], nr(q["rnr"])])
    return ("QSO: {:>6} {:<3} {} {} {:<13} {:<4} {:>5}   {:<13} {:<4} {:>5} 0".format(
        q["freq"], q["mode"], q["date"], q["time"], q["own"], q["rst"], q["nr"], q["call"],
        q["rrst"], q["rnr"]))


def render(log, layout):
    lines = ["START-OF-LOG: 3.0"] + [t + ": " + v for t, v in log.header]
    lines += [qso_line(q, layout) for q in log.qsos]
    if log.end:
        lines.append("END-OF-LOG:")
    return lines


def run_check(lines, folder, name):
    path = os.path.join(folder, name)
    with open(path, "w", encoding="latin-1", newline="") as f:
        f.write("".join(line + "\r\n" for line in lines))
    out = subprocess.run([KEROLT, "--check", name], cwd=folder, capture_output=True,
                         text=True, encoding="latin-1",
                         env=dict(os.environ, QT_QPA_PLATFORM="offscreen")).stdout
    found = []
    for line in out.splitlines():
        m = re.match(r".*?:(\d+): (problem|note): (.*)", line)
        if m:
            found.append((int(m.group(1)), m.group(2), m.group(3)))
    return found


def worked(log, start, partners, bands, portable=()):
    """QSOs from Saturday 1205 on, every 17 minutes, each partner once per band, its number
    growing through the contest."""
    when = datetime.datetime.combine(start, datetime.time(12, 5))
    nrs = collections.Counter()
    k = 0
    for band in bands:
        for i, call in enumerate(partners):
            nrs[call] += 3 + i
            shown = portable[i % len(portable)].format(call) if portable and i < 3 else call
            log.add(when, band, shown, nrs[call], k % 2)
            when += datetime.timedelta(minutes=17)
            k += 1


def valid_logs():
    logs = []
    scand = [CALLS[p][5 + i] for p in SCANDINAVIAN for i in range(4)]
    others = [CALLS[p][5 + i] for p in OTHERS for i in range(3)]
    # A German entrant on all bands, with known portable calls.
    dl = Log("DL1QQQ", "SAC-CW", 2019, "ALL")
    worked(dl, saturday("SAC-CW", 2019), scand[:10], ["80M", "40M", "20M", "15M", "10M"],
           portable=("{}/P", "{}/QRP", "{}/M"))
    logs.append(("DL1QQQ SAC-CW 2019 ALL", dl))
    # A Swedish single-band SSB entrant of the 2023 rules, overlay CLASSIC.
    sm = Log("SM5QQQ", "SAC-SSB", 2023, "20M", overlay="CLASSIC")
    worked(sm, saturday("SAC-SSB", 2023), others[:14], ["20M"])
    logs.append(("SM5QQQ SAC-SSB 2023 20M", sm))
    # An American LOW-BAND entrant.
    k = Log("K1QQQ", "SAC-CW", 2018, "LOW-BAND")
    worked(k, saturday("SAC-CW", 2018), scand[4:14], ["80M", "40M"])
    logs.append(("K1QQQ SAC-CW 2018 LOW-BAND", k))
    # A Finnish multi-operator station with more transmitters.
    oh = Log("OH2QQQ", "SAC-CW", 2022, "ALL", op="MULTI-OP", tx="UNLIMITED")
    worked(oh, saturday("SAC-CW", 2022), others[2:12], ["40M", "20M", "15M"])
    logs.append(("OH2QQQ SAC-CW 2022 ALL", oh))
    return logs


# Each plant: kind, and a function that changes a copy and returns the line it concerns.
def header_line(log, tag, nth=1):
    seen = 0
    for i, (t, _) in enumerate(log.header):
        if t == tag:
            seen += 1
            if seen == nth:
                return i + 2
    raise KeyError(tag)


def plant_value(tag, value):
    def plant(log):
        log.set(tag, value)
        return header_line(log, tag)
    return plant


def plant_qso(index, **fields):
    def plant(log):
        q = log.qsos[index]
        for key, value in fields.items():
            q[key] = value(log, q) if callable(value) else value
        return log.first_qso_line() + index
    return plant


def drop(tag):
    def plant(log):
        line = header_line(log, tag)
        log.header = [(t, v) for t, v in log.header if t != tag]
        return 1 if tag in ("CALLSIGN", "CONTEST") else line
    return plant


def no_end(log):
    log.end = False
    return len(render(log, "kerolt"))


def more_addresses(log):
    at = header_line(log, "ADDRESS", 3)
    log.header[at - 1:at - 1] = [("ADDRESS", "Floor 2"), ("ADDRESS", "Door 3")]
    return header_line(log, "ADDRESS", 5)


def wrong_claim(log):
    log.set("CLAIMED-SCORE", str(int(dict(log.header)["CLAIMED-SCORE"]) + 10))
    return header_line(log, "CLAIMED-SCORE")


def lower_number(log):
    # The last QSO with a station worked before gives a lower number than that QSO did.
    last = len(log.qsos) - 1
    call = log.qsos[last]["call"]
    earlier = [q for q in log.qsos[:last] if q["call"] == call]
    if not earlier:
        return None
    log.qsos[last]["rnr"] = str(int(earlier[-1]["rnr"]) - 1)
    return log.first_qso_line() + last


def class_limited(log):
    scandinavian = log.call[:2] in SCANDINAVIAN
    if scandinavian:
        log.set("CATEGORY-BAND", "LOW-BAND")
        return header_line(log, "CATEGORY-BAND")
    log.set("CATEGORY-OVERLAY", "ROOKIE")
    return header_line(log, "CATEGORY-OVERLAY")


def off_band(log):
    band = dict(log.header)["CATEGORY-BAND"]
    if band == "ALL":
        return None
    log.qsos[1]["freq"] = "21000" if band in ("20M", "LOW-BAND") else "14000"
    return log.first_qso_line() + 1


def single_op_unlimited(log):
    log.set("CATEGORY-OPERATOR", "SINGLE-OP")
    log.set("CATEGORY-TRANSMITTER", "UNLIMITED")
    return header_line(log, "CATEGORY-TRANSMITTER")


def other_mode(log):
    log.set("CATEGORY-MODE", "SSB" if log.contest == "SAC-CW" else "CW")
    return header_line(log, "CATEGORY-MODE")


def shift_date(days):
    def value(log, q):
        d = datetime.date.fromisoformat(q["date"]) + datetime.timedelta(days=days)
        return d.isoformat()
    return value


PLANTS = [
    ("date outside the period", plant_qso(3, date=shift_date(7))),
    ("date outside the period", plant_qso(0, date=shift_date(-1))),
    ("QSO before the start", plant_qso(0, time="1155")),
    ("date that is no date", plant_qso(2, date=lambda log, q: q["date"][:5] + "13" + q["date"][7:])),
    ("band SAC does not use", plant_qso(4, freq="10115")),
    ("band SAC does not use", plant_qso(5, freq="1830")),
    ("band SAC does not use", plant_qso(6, freq="18080")),
    # 90 kHz up is past every CW segment, 5 kHz up below every SSB one.
    ("outside the band plan", plant_qso(7, freq=lambda log, q: str(
        BANDS[q["band"]][0] + (90 if log.contest == "SAC-CW" else 5)))),
    ("header value not in the table", plant_value("CATEGORY-POWER", "MEDIUM")),
    ("header value not in the table", plant_value("CATEGORY-ASSISTED", "YES")),
    ("header value not in the table", plant_value("CATEGORY-OPERATOR", "SINGLE-OP-ALL")),
    ("CATEGORY-MODE not the contest's", other_mode),
    ("SINGLE-OP with UNLIMITED", single_op_unlimited),
    ("category of another class", class_limited),
    ("more than four ADDRESS lines", more_addresses),
    ("missing CALLSIGN", drop("CALLSIGN")),
    ("missing CONTEST", drop("CONTEST")),
    ("missing END-OF-LOG", no_end),
    ("QSO mode not the contest's", plant_qso(8, mode=lambda log, q: "PH" if q["mode"] == "CW" else "CW")),
    ("sent call not CALLSIGN", plant_qso(9, own=lambda log, q: q["own"][:-1] + "X")),
    ("QSO with the own call", plant_qso(4, call=lambda log, q: log.call)),
    ("single band entry off its band", off_band),
    ("call that cannot be a call", plant_qso(2, call=lambda log, q: re.sub(r"\d", "", q["call"]))),
    ("call that cannot be a call", plant_qso(3, call=lambda log, q: q["call"] + "//P")),
    ("call that cannot be a call", plant_qso(5, call=lambda log, q: "/" + q["call"])),
    ("CLAIMED-SCORE not the log's", wrong_claim),
    ("received number lower than before", lower_number),
    ("time that is no time", plant_qso(6, time="1275")),
    ("sent number missing", plant_qso(7, nr=lambda log, q: str(int(q["nr"]) + 1))),
    ("report that is no report", plant_qso(5, rrst=lambda log, q: q["rrst"][0] + "0" + q["rrst"][2:])),
    ("dupe", plant_qso(9, call=lambda log, q: log.qsos[8]["call"], freq=lambda log, q: log.qsos[8]["freq"])),
    ("unknown call one away from a known one", plant_qso(4, call=lambda log, q: q["call"][:-1] + ("Q" if q["call"][-1] != "Q" else "X"))),
]


def main():
    layouts = ("kerolt", "zeros", "wide")
    found = collections.Counter()
    planted = collections.Counter()
    elsewhere = collections.Counter()
    missed = []
    valid_findings = []
    with tempfile.TemporaryDirectory() as folder:
        for name, log in valid_logs():
            # The claim the program scores for this log.
            score = 0
            for _, _, message in run_check(render(log, "kerolt"), folder, "claim.log"):
                m = re.search(r"differs from the log's score (\d+)", message)
                if m:
                    score = int(m.group(1))
            log.set("CLAIMED-SCORE", str(score))
            for layout in layouts:
                for finding in run_check(render(log, layout), folder, "valid.log"):
                    valid_findings.append((name, layout, finding))
                for kind, plant in PLANTS:
                    copy = log.copy()
                    line = plant(copy)
                    if line is None:
                        continue
                    planted[kind] += 1
                    findings = run_check(render(copy, layout), folder, "planted.log")
                    if any(at == line for at, _, _ in findings):
                        found[kind] += 1
                    else:
                        missed.append((name, layout, kind, line, findings))
                    elsewhere[kind] += sum(1 for at, _, _ in findings if at != line)
    print("%-40s %7s %7s %9s" % ("kind", "planted", "found", "elsewhere"))
    for kind in dict.fromkeys(k for k, _ in PLANTS):
        print("%-40s %7d %7d %9d" % (kind, planted[kind], found[kind], elsewhere[kind]))
    print("%-40s %7d %7d %9d" % ("all", sum(planted.values()), sum(found.values()),
                                 sum(elsewhere.values())))
    print("findings on valid logs: %d" % len(valid_findings))
    for name, layout, finding in valid_findings:
        print("  %s (%s): %s" % (name, layout, finding))
    for name, layout, kind, line, findings in missed:
        print("missed: %s (%s) %s on line %d: %s" % (name, layout, kind, line, findings))
    return 0 if not missed and not valid_findings else 1


if __name__ == "__main__":
    sys.exit(main())
