#!/usr/bin/env python3
"""Writes the sample datasets under examples/ through `zel32 --convert`, so the
files come from the program's own writer.  Usage: make_examples.py ZEL32"""
import csv
import io
import os
import random
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
EXAMPLES = os.path.join(HERE, "..", "examples")


def write_csv(path, names, rows):
    """rows: (label, mask, values)"""
    buf = io.StringIO()
    w = csv.writer(buf, lineterminator="\r\n")
    w.writerow(["データラベル", "マスク"] + names)
    for label, mask, values in rows:
        w.writerow([label, mask] + [f"{v:g}" for v in values])
    with open(path, "w", encoding="utf-8", newline="") as f:
        f.write(buf.getvalue())


def shaft_diameter():
    # 25 subgroups of 5 shaft diameters (mm), measured twice a day; the process
    # drifts upwards in the last subgroups.
    rnd = random.Random(20261209)
    names = ["外径1", "外径2", "外径3", "外径4", "外径5"]
    rows = []
    for g in range(25):
        day = 1 + g // 2
        label = f"4月{day}日{'午前' if g % 2 == 0 else '午後'}"
        shift = 0.006 if g >= 21 else 0.0
        values = [round(25.000 + shift + rnd.gauss(0, 0.004), 3) for _ in range(5)]
        rows.append((label, 0, values))
    return names, rows


def hardening():
    # Heat treatment: temperature, time and resulting hardness; two samples are
    # masked (a mis-set furnace and a damaged test piece).
    rnd = random.Random(7)
    names = ["温度(℃)", "時間(分)", "硬さ(HRC)"]
    rows = []
    for i in range(12):
        temp = 840 + 5 * (i % 5)
        minutes = 30 + 10 * (i % 3)
        hrc = round(52 + 0.08 * (temp - 840) + 0.05 * (minutes - 30) + rnd.gauss(0, 0.4), 1)
        mask = 1 if i in (4, 9) else 0
        rows.append((f"ロット{i + 1:02d}", mask, [temp, minutes, hrc]))
    return names, rows


def main():
    zel32 = sys.argv[1]
    with tempfile.TemporaryDirectory() as tmp:
        for base, (names, rows) in (("shaft_diameter", shaft_diameter()), ("hardening_masked", hardening())):
            src = os.path.join(tmp, base + ".csv")
            write_csv(src, names, rows)
            subprocess.run([zel32, "--convert", src, os.path.join(EXAMPLES, base + ".QCS")], check=True)


if __name__ == "__main__":
    main()
