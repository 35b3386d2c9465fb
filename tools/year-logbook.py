#!/usr/bin/env python3
"""Writes tests/adif/year-logbook.adi: a general logger's ADIF export of a whole year, 300
records in the order of their dates, as an everyday logbook holds them. Run once; the file is
kept in the repository and the test's expected values are written out from reading it.

What it holds (2026; SAC-CW 2026 is 19-20 September, SAC-SSB 2026 10-11 October):
- 14 CW records marked SAC-CW on ordinary dates (the first record naming SAC is one of them);
- 38 SAC-SSB QSOs from 2026-10-10 1200 to 2026-10-11 115900, the first and the last minute;
- one SSB QSO on 2 m in that weekend, and SSB QSOs a minute before and after it;
- 3 everyday CW QSOs in the SAC-CW weekend, without numbers;
- 40 CQ-WW-CW QSOs on 28-29 November;
- everyday QSOs through the year in CW, SSB and FT8 on HF, 160 m and 2 m.
Some calls and field names are in lower case, as some loggers write them.
"""
import datetime
import pathlib
import random

OUT = pathlib.Path(__file__).resolve().parent.parent / "tests" / "adif" / "year-logbook.adi"
OWN = "SM5QQQ"
PREFIXES = ["DL", "DK", "OH", "LA", "OZ", "K", "W", "G", "F", "I", "JA", "OY", "TF", "SM",
            "SA", "ES", "YL", "LY", "SP", "OK"]
SSB_KHZ = {"80m": (3600, 3790), "40m": (7050, 7200), "20m": (14150, 14340),
           "15m": (21200, 21440), "10m": (28400, 28700)}
CW_KHZ = {"80m": (3510, 3560), "40m": (7005, 7040), "20m": (14005, 14060),
          "15m": (21005, 21070), "10m": (28005, 28070)}
OTHER_KHZ = {"160m": (1830, 1850), "30m": (10110, 10130), "17m": (18070, 18095),
             "2m": (144250, 144350)}
FT8_KHZ = {"40m": 7074, "20m": 14074, "15m": 21074, "30m": 10136, "17m": 18100}

rng = random.Random(2026)
used = set()


def new_call():
    while True:
        call = rng.choice(PREFIXES) + str(rng.randint(0, 9)) + "".join(
            rng.choice("ABCDEFGHIJKLMNOPQRSTUVWXYZ") for _ in range(rng.choice([2, 3, 3])))
        if call not in used:
            used.add(call)
            return call


def field(name, value):
    return f"<{name}:{len(value)}>{value}"


def mhz(khz):
    return f"{khz // 1000}.{khz % 1000:03d}"


def record(when, call, band, khz, mode, more=(), lower=False):
    fields = [("CALL", call.lower() if lower else call), ("QSO_DATE", when.strftime("%Y%m%d")),
              ("TIME_ON", when.strftime("%H%M%S" if when.second else "%H%M")),
              ("BAND", band.upper() if rng.random() < 0.3 else band), ("FREQ", mhz(khz)),
              ("MODE", mode)]
    fields += list(more)
    fields.append(("STATION_CALLSIGN", OWN.lower() if lower else OWN))
    text = "".join(field(n.lower() if lower else n, v) for n, v in fields)
    return when, text + ("<eor>" if lower else "<EOR>")


def in_weekend(when, saturday):
    start = datetime.datetime.combine(saturday, datetime.time(12, 0))
    return start <= when < start + datetime.timedelta(days=1)


SAC_CW = datetime.date(2026, 9, 19)
SAC_SSB = datetime.date(2026, 10, 10)
CQWW = datetime.date(2026, 11, 28)
records = []

# 14 CW records marked SAC-CW on ordinary dates: a logger's contest field left set.
for i, day in enumerate(["0117", "0204", "0311", "0328", "0415", "0502", "0520", "0607",
                         "0701", "0719", "0808", "0826", "1203", "1219"]):
    when = datetime.datetime.strptime("2026" + day, "%Y%m%d").replace(
        hour=rng.randint(6, 21), minute=rng.randint(0, 59))
    band = rng.choice(list(CW_KHZ))
    records.append(record(when, new_call(), band, rng.randint(*CW_KHZ[band]), "CW",
                          [("RST_SENT", "599"), ("RST_RCVD", "599"), ("STX", str(i + 1)),
                           ("SRX", str(rng.randint(1, 300))), ("CONTEST_ID", "SAC-CW")]))

# 38 SAC-SSB QSOs over the weekend, from its first minute to its last.
start = datetime.datetime.combine(SAC_SSB, datetime.time(12, 0))
minutes = sorted(rng.sample(range(1, 24 * 60 - 1), 36))
times = [start] + [start + datetime.timedelta(minutes=m) for m in minutes] + [
    start + datetime.timedelta(hours=23, minutes=59, seconds=30)]
for i, when in enumerate(times):
    band = rng.choice(list(SSB_KHZ))
    rcvd = rng.choice(["59", "59", "59", "57", "55"])
    records.append(record(when, new_call(), band, rng.randint(*SSB_KHZ[band]), "SSB",
                          [("RST_SENT", "59"), ("RST_RCVD", rcvd), ("STX", str(i + 1)),
                           ("SRX", str(rng.randint(1, 400))), ("CONTEST_ID", "SAC-SSB")],
                          lower=i % 5 == 0))

# In and about the SSB weekend: a local QSO on 2 m, and QSOs a minute outside it.
records.append(record(datetime.datetime(2026, 10, 10, 15, 30), new_call(), "2m", 144300,
                      "SSB", [("RST_SENT", "59"), ("RST_RCVD", "59")]))
records.append(record(datetime.datetime(2026, 10, 10, 11, 59), new_call(), "20m", 14250,
                      "SSB", [("RST_SENT", "59"), ("RST_RCVD", "59")]))
records.append(record(datetime.datetime(2026, 10, 11, 12, 0), new_call(), "40m", 7150,
                      "SSB", [("RST_SENT", "59"), ("RST_RCVD", "59")], lower=True))

# Three everyday CW QSOs on the SAC-CW Saturday, without contest numbers.
for hour in (14, 15, 16):
    records.append(record(datetime.datetime(2026, 9, 19, hour, 10), new_call(), "40m", 7030,
                          "CW", [("RST_SENT", "579"), ("RST_RCVD", "599")]))

# 40 CQ-WW-CW QSOs: the zone as the exchange.
cq_start = datetime.datetime.combine(CQWW, datetime.time(0, 0))
for m in sorted(rng.sample(range(48 * 60), 40)):
    when = cq_start + datetime.timedelta(minutes=m)
    band = rng.choice(list(CW_KHZ))
    records.append(record(when, new_call(), band, rng.randint(*CW_KHZ[band]), "CW",
                          [("RST_SENT", "599"), ("RST_RCVD", "599"), ("STX_STRING", "14"),
                           ("SRX_STRING", str(rng.randint(1, 40))), ("CONTEST_ID", "CQ-WW-CW")]))

# Everyday QSOs through the year, none in a SAC weekend of their mode.
while len(records) < 300:
    when = datetime.datetime(2026, 1, 1) + datetime.timedelta(minutes=rng.randint(0, 365 * 24 * 60 - 1))
    if in_weekend(when, SAC_CW) or in_weekend(when, SAC_SSB) or abs((when.date() - CQWW).days) < 2:
        continue
    kind = rng.random()
    if kind < 0.35:
        band = rng.choice(list(SSB_KHZ))
        rec = record(when, new_call(), band, rng.randint(*SSB_KHZ[band]), "SSB",
                     [("RST_SENT", "59"), ("RST_RCVD", rng.choice(["59", "57", "55"]))],
                     lower=rng.random() < 0.2)
    elif kind < 0.6:
        band = rng.choice(list(CW_KHZ))
        rec = record(when, new_call(), band, rng.randint(*CW_KHZ[band]), "CW",
                     [("RST_SENT", "599"), ("RST_RCVD", rng.choice(["599", "579", "559"]))],
                     lower=rng.random() < 0.2)
    elif kind < 0.9:
        band = rng.choice(list(FT8_KHZ))
        rec = record(when, new_call(), band, FT8_KHZ[band], "FT8",
                     [("RST_SENT", "-10"), ("RST_RCVD", "-15")])
    else:
        band = rng.choice(list(OTHER_KHZ))
        rec = record(when, new_call(), band, rng.randint(*OTHER_KHZ[band]),
                     rng.choice(["SSB", "CW"]), [("RST_SENT", "59"), ("RST_RCVD", "59")])
    records.append(rec)

records.sort(key=lambda r: r[0])
header = ("Logbook export, whole year 2026\r\n" + field("ADIF_VER", "3.1.4") + " " +
          field("CREATED_TIMESTAMP", "20270102 101500") + "\r\n<EOH>\r\n")
OUT.write_bytes((header + "".join(text + "\r\n" for _, text in records)).encode("ascii"))
print(OUT, len(records), "records")
