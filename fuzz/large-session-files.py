#!/usr/bin/env python3
"""large-session-files.py <folder>: writes session files far larger than any user keeps, to open
by hand (time and peak memory) and to seed the session file fuzzer, which reads their beginnings.
They are made here, not stored: together they are some 150 MB.

- plans-3100000.vlx: 3,100,000 one-line single plans, some 65 MB, under the 64 MiB cap;
- plans-100000.vlx and plans-100001.vlx: the largest session, and one plan more;
- window-10000.vlx and window-10001.vlx: 10,000 plans with one evaluation window of them all,
  and one plan more;
- windows-1000.vlx and windows-1001.vlx: 22 plans and that many evaluation windows of them all;
- window-10000-unfinished.vlx: the window of 10,000 plans whose record stops after its plans;
- range-1000.vlx: 10,000 plans, one window of them all with a table range of 1000 intervals;
- windows-10-of-10000.vlx: 10,000 plans and ten windows of them all;
- multiple-plans-100000.vlx: the largest session of ten-stage multiple plans, some 15 MB.
"""
import os
import sys

HEAD = '"Veltrame" 2.0 \n"0.95" "0.10" 0\n1 1\n"E{#Stages}" "0" "1" \n'
LIST_RECORD = "1 0 20 20 348 922 20 120 372 75 75 60 120 70\n"
PLOT_TITLES = [("OC Curve", "", "Pa", "0"), ("ASN Curve", "", "ASN", ""),
               ("E{#Stages} Curve", "C0 = 0, C1 = 1", "E{#Stages}", ""),
               ("AOQ Curve", "", "AOQ", "")]
COLOURS = [0x000000, 0x0000FF, 0xFF0000, 0x00FF00, 0x00FFFF, 0xFFFF00, 0xFF00FF, 0x800080,
           0x000080, 0x008000, 0x800000, 0x808080]


def sample_size(plan):
    return 5 + plan % 5


def plan_record(plan):
    """A tiny checked single plan for defective units on lots of any size, in 21 bytes."""
    return '0 0 1 "%d" "%d" 0 0 ""\n' % (sample_size(plan), plan % 2)


def multiple_record(plan):
    """A checked multiple plan for defective units of ten stages of five units, in 110 bytes."""
    stages = " ".join('"5" "%s" "%d"' % ("#" if i == 0 else str(i - 1 + plan % 2), i + 2 + plan % 2)
                      for i in range(9))
    return '0 2 1 10 %s "5" "%d" "%d" 0 0 ""\n' % (stages, 9 + plan % 2, 10 + plan % 2)


def description(plan):
    return "Single: n=%d, a=%d" % (sample_size(plan), plan % 2)


def window_record(plans, intervals=10, cut=False):
    """An evaluation window of the first `plans` plans, in session order."""
    count = len(plans)
    lines = ["2 0 158 261 480 857 0 %d %s  0\n" % (count, " ".join(str(p) for p in plans))]
    if cut:
        return lines[0]
    for title, sub_title, label, value in PLOT_TITLES:
        parts = ['  0 0 %d "%s" 2 16711680 "%s" %s 0 "%s" 1.5 1 0 1 1 3 4 "Percent Defective" '
                 '1.5 2 0 10 1 3 4 1 2 0.4 0.2 1.5 1 1 1 0 1 1 1 %d'
                 % (count, title, sub_title, "0.8" if sub_title else "1.5", label, count)]
        for i, plan in enumerate(plans, 1):
            parts.append(' "%s" "%s" 0.2 %d 1 1 0 0' % (description(plan - 1), value,
                                                        COLOURS[i % 12]))
        parts.append(" 0 0\n")
        lines.append("".join(parts))
    lines.append("  1\n  1\n  1 0 10 %d\n" % intervals)
    return "".join(lines)


def session(plans, windows=(), record=plan_record):
    return (HEAD + "%d\n" % plans + "".join(record(plan) for plan in range(plans)) + LIST_RECORD
            + "".join(windows) + "0\n")


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    folder = sys.argv[1]
    os.makedirs(folder, exist_ok=True)
    files = {
        "plans-3100000.vlx": lambda: session(3100000),
        "plans-100000.vlx": lambda: session(100000),
        "plans-100001.vlx": lambda: session(100001),
        "window-10000.vlx": lambda: session(10000, [window_record(range(1, 10001))]),
        "window-10001.vlx": lambda: session(10001, [window_record(range(1, 10002))]),
        "window-10000-unfinished.vlx":
            lambda: session(10000, [window_record(range(1, 10001), cut=True)]),
        "windows-1000.vlx": lambda: session(22, [window_record(range(1, 23))] * 1000),
        "windows-1001.vlx": lambda: session(22, [window_record(range(1, 23))] * 1001),
        "range-1000.vlx": lambda: session(10000, [window_record(range(1, 10001), 1000)]),
        "windows-10-of-10000.vlx": lambda: session(10000, [window_record(range(1, 10001))] * 10),
        "multiple-plans-100000.vlx": lambda: session(100000, record=multiple_record),
    }
    for name, text in files.items():
        with open(os.path.join(folder, name), "w", encoding="latin-1", newline="\n") as out:
            out.write(text())


if __name__ == "__main__":
    main()
