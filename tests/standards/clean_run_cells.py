#!/usr/bin/env python3
"""The Z1.4 cells whose switch from normal to reduced inspection asks just for K consecutive
lots accepted without a nonconforming unit, found from the published tables by searching every
run of lots: the K lots without one (each decided at the first stage that can accept) reach a
limit number of 0, and no run of 10 to K accepted lots that holds a nonconforming unit holds no
more of them than the limit number of its total of sample units. A run is searched through the
fewest nonconforming units it can hold for each total: a lot accepted at a stage holds at least
the fewest that get past every earlier stage. Prints the cells by plan type and AQL, those whose
plan accepts lots holding nonconforming units with their n and K, and the count; the defects-
per-unit AQLs above 10 add none.

Run:  python3 clean_run_cells.py
"""
import math
import os

DATA = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "standards", "data")
LETTERS = "ABCDEFGHJKLMNPQR"
BOUNDS = [20, 30, 50, 80, 130, 200, 320, 500, 800, 1250, 2000, 3150, 5000, 8000, 12500, 20000,
          31500]
TYPES = ("single", "double", "multiple")


def rows(name):
    path = os.path.join(DATA, name)
    return [l.rstrip("\n").split("\t") for l in open(path) if l.strip() and not l.startswith("#")]


LIMITS = [[int(v) for v in r[1:]] for r in rows("z14-limit-numbers.tsv")]
AQLS = [r[0] for r in rows("z14-single-normal.tsv")[::16]]
CELLS = {t: [[int(v) for v in r[2:]] for r in rows("z14-%s-normal.tsv" % t)] for t in TYPES}


def limit(position, units):
    return LIMITS[sum(1 for b in BOUNDS[1:] if units >= b)][position]


def normal_plan(position, letter, plan_type):
    """n and the accept and reject numbers by stage of the normal plan in effect."""
    for t in range(plan_type, -1, -1):
        c = CELLS[TYPES[t]][position * 16 + letter]
        if c[0] > 0 or t == 0:
            if t == 0:
                return c[0], [c[1]], [c[1] + 1]
            if t == 1:
                return c[0], [c[1], c[3]], [c[2], c[3] + 1]
            return c[0], c[1::2], c[2::2]


def lot_kinds(accept, reject):
    """(samples, fewest nonconforming units) of each way a lot is accepted, clean first."""
    first = next(k for k, a in enumerate(accept) if a >= 0)
    kinds = [(first + 1, 0)] + ([(first + 1, 1)] if accept[first] >= 1 else [])
    least = 0
    for k in range(first + 1, len(accept)):
        least = max(least, accept[k - 1] + 1)
        if least >= reject[k - 1]:
            break
        if least <= accept[k]:
            kinds.append((k + 1, least))
    return kinds


def clean_run_lots(position, letter, plan_type):
    """K where the rule asks just for clean runs, else None."""
    n, accept, reject = normal_plan(position, letter, plan_type)
    kinds = lot_kinds(accept, reject)
    clean = n * kinds[0][0]
    lots = 10
    if limit(position, 10 * clean) == -1:
        lots = math.ceil(next(b for i, b in enumerate(BOUNDS) if LIMITS[i][position] != -1) /
                         clean)
    if limit(position, lots * clean) != 0:
        return None
    # fewest[s]: the fewest nonconforming units, at least 1, of a run of m lots of s samples.
    fewest, clean_samples = {}, 0
    for m in range(1, lots + 1):
        after = {}
        for s, d in fewest.items():
            for ks, kd in kinds:
                after[s + ks] = min(after.get(s + ks, d + kd), d + kd)
        for ks, kd in kinds[1:]:
            s = clean_samples + ks
            after[s] = min(after.get(s, kd), kd)
        fewest, clean_samples = after, clean_samples + kinds[0][0]
        if m >= 10 and any(0 < d <= limit(position, s * n) for s, d in fewest.items()):
            return None
    return lots


if __name__ == "__main__":
    count = 0
    for plan_type in range(3):
        for position in range(16):
            letters, accepting = "", []
            for letter in range(16):
                lots = clean_run_lots(position, letter, plan_type)
                if lots is None:
                    continue
                letters += LETTERS[letter]
                n, accept, reject = normal_plan(position, letter, plan_type)
                if len(lot_kinds(accept, reject)) > 1:
                    accepting.append("%s (n %d, K %d)" % (LETTERS[letter], n, lots))
            count += len(letters)
            print("%-8s AQL %-5s %-16s %s" % (TYPES[plan_type], AQLS[position], letters,
                                             ", ".join(accepting)))
    extra = sum(clean_run_lots(p, l, t) is not None
                for p in range(16, 26) for l in range(16) for t in range(3) if p not in (16, 21))
    print("%d cells for each characteristic; %d more for defects per unit" % (count, extra))
