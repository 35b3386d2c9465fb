#!/usr/bin/env python3
"""Writes the paper logs that the window test types (tests/ui/mainwindow/paper/*.txt) and the Cabrillo
files they must give (*.log), from its own reading of the QSO line's columns. Run once;
the files are kept in the repository, so the test never compares the program with itself.

A paper line: time HHMM, frequency (kHz, perhaps with a decimal, or a band such as "20m"
when the paper names only the band), call, received number, and the received report when
it is not 599. A band named alone keeps the kHz last written on that band.
"""
import pathlib
import random
from decimal import Decimal, ROUND_HALF_UP

OWN_CALL = "SM5QQQ"
CONTEST_DATE = "2026-09-19"  # SAC-CW 2026: the third full weekend of September
NEXT_DAY = "2026-09-20"
BANDS = {"80m": 3500, "40m": 7000, "20m": 14000, "15m": 21000, "10m": 28000}
CW_SEGMENTS = {"80m": (3510, 3560), "40m": (7000, 7040), "20m": (14000, 14060),
               "15m": (21000, 21070), "10m": (28000, 28070)}
PREFIXES = ["DL", "DK", "OH", "LA", "OZ", "K", "W", "N", "JA", "OY", "TF", "SM", "SA", "OX"]
OUT = pathlib.Path(__file__).resolve().parent.parent / "tests" / "ui" / "paper"


def band_of(khz):
    for name, low in BANDS.items():
        high = {"80m": 3800, "40m": 7200, "20m": 14350, "15m": 21450, "10m": 29700}[name]
        if low <= khz <= high:
            return name
    raise ValueError(khz)


class Calls:
    def __init__(self, rng):
        self.rng, self.used = rng, set()

    def new(self):
        while True:
            prefix = self.rng.choice(PREFIXES)
            suffix = "".join(self.rng.choice("ABCDEFGHIJKLMNOPQRSTUVWXYZ")
                             for _ in range(self.rng.choice([2, 3, 3])))
            call = f"{prefix}{self.rng.randint(0, 9)}{suffix}"
            if call not in self.used:
                self.used.add(call)
                return call


def hhmm(minutes):
    minutes %= 1440
    return f"{minutes // 60:02d}{minutes % 60:02d}"


def khz_text(rng, band, decimals):
    low, high = CW_SEGMENTS[band]
    whole = rng.randint(low, high - 1)
    if decimals and rng.random() < 0.4:
        return f"{whole}.{rng.choice([1, 2, 5, 7, 9])}"
    return str(whole)


def sparse(rng):
    calls, qsos, t = Calls(rng), [], 12 * 60 + 4
    bands = list(BANDS)
    for i in range(25):
        band = rng.choice(bands)
        freq = khz_text(rng, band, True) if i % 2 == 0 else band
        rst = "579" if i in (7, 18) else ""
        qsos.append((hhmm(t), freq, calls.new(), str(rng.randint(1, 400)), rst))
        t += rng.choice([17, 38, 45, 52, 61, 75])
        if t >= 12 * 60 + 1440 - 1:
            break
    return qsos


def gaps(rng):
    calls, qsos, t = Calls(rng), [], 13 * 60 + 30
    band, freq = "20m", khz_text(rng, "20m", False)
    for i in range(100):
        if i > 0 and i % 15 == 0:
            band = rng.choice([b for b in BANDS if b != band] + [band])
            freq = khz_text(rng, band, True)
        rst = rng.choice(["569", "589"]) if i in (11, 47, 83) else ""
        call = calls.new()
        if i == 60:  # a dupe on the paper: logged all the same
            call = qsos[58][2] if qsos[58][1] == freq else call
        qsos.append((hhmm(t), freq, call, str(rng.randint(1, 999)), rst))
        t += rng.randint(1, 20)
    return qsos


def run(rng):
    calls, qsos, t = Calls(rng), [], 18 * 60 + 55
    freq = khz_text(rng, "40m", False)
    nr = rng.randint(100, 200)
    while len(qsos) < 300:
        for _ in range(rng.choice([1, 2, 3, 3, 4])):
            if len(qsos) == 150:
                freq = khz_text(rng, "20m", True)
            elif len(qsos) == 120:
                freq = khz_text(rng, "40m", False)
            rst = "579" if len(qsos) % 97 == 13 else ""
            qsos.append((hhmm(t), freq, calls.new(), str(nr), rst))
            nr += rng.randint(1, 3)
            if len(qsos) == 300:
                break
        t += rng.choice([1, 1, 1, 2])
    return qsos


def cells(qsos):
    """The frequency cell of each QSO: the kHz written, rounded half up, or the kHz last
    written on the band named alone, or the band's own value."""
    band, khz, out = None, None, []
    for _, freq, *_ in qsos:
        if freq.endswith("m"):
            if freq != band:
                band, khz = freq, None
            out.append(khz if khz is not None else BANDS[band])
        else:
            khz = int(Decimal(freq).quantize(Decimal(1), rounding=ROUND_HALF_UP))
            band = band_of(khz)
            out.append(khz)
    return out


def cabrillo(qsos):
    lines = ["START-OF-LOG: 3.0", f"CALLSIGN: {OWN_CALL}", "CONTEST: SAC-CW",
             "CATEGORY-ASSISTED: Category-Assisted", "CATEGORY-BAND: Category-Band",
             "CATEGORY-MODE: CW", "CATEGORY-OPERATOR: Category-Operator",
             "CATEGORY-POWER: Category-Power", "CATEGORY-TRANSMITTER: Category-Transmitter",
             "EMAIL: ", "CREATED-BY: *",
             "OPERATORS: ", "CLAIMED-SCORE: *", "NAME: ", "ADDRESS: ", "ADDRESS: ", "ADDRESS: ",
             "SOAPBOX: "]
    for nr, ((time, _, call, rcvd, rst), khz) in enumerate(zip(qsos, cells(qsos)), start=1):
        date = CONTEST_DATE if time >= "1200" else NEXT_DAY
        lines.append(f"QSO: {khz:>5} CW {date} {time} {OWN_CALL:<14}{'599':<4}{nr:>6} "
                     f"{call:<14}{rst or '599':<4}{int(rcvd):>6}")
    lines.append("END-OF-LOG:")
    return lines


def main():
    OUT.mkdir(parents=True, exist_ok=True)
    for name, make, seed in (("sparse", sparse, 1), ("gaps", gaps, 2), ("run", run, 3)):
        qsos = make(random.Random(seed))
        paper = [f"# {name}: {len(qsos)} QSOs of {OWN_CALL} in SAC-CW {CONTEST_DATE[:4]}",
                 "# time freq call nr [rst]"]
        paper += [" ".join(f for f in q if f) for q in qsos]
        (OUT / f"{name}.txt").write_text("\n".join(paper) + "\n")
        (OUT / f"{name}.log").write_text("\r\n".join(cabrillo(qsos)) + "\r\n")


if __name__ == "__main__":
    main()
