#!/usr/bin/env python3
"""The Z1.4 switching rules ("Switching - Full") simulated lot by lot over the real counts of
nonconforming units, for one cell of the tables: the long-run share of lots inspected under
reduced inspection, the probability that a lot is accepted and the average number of units
inspected per lot.

Rules: start on normal. Normal to tightened when 2 of 5 or fewer consecutive lots on normal are
not accepted; tightened to normal after 5 consecutive accepted lots. Normal to reduced when the
preceding 10 lots were all on normal and all accepted and the nonconforming units in their
samples total at most the limit number of Table VIII for the units those samples hold (where
Table VIII has no limit for that many units, more lots are counted until it has). Reduced to
normal when a lot is not accepted, or is accepted with a count above the table's accept number.
Each stage of a double plan draws its sample afresh.

Run:  python3 switching_simulation.py AQL-position letter plan-type p lots seed
      (plan type single or double; p a fraction defective), for instance
      python3 switching_simulation.py 2 Q double 0.00025 5000000 11
"""
import bisect
import os
import random
import sys

DATA = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "standards", "data")
LETTERS = "ABCDEFGHJKLMNPQR"
BOUNDS = [20, 30, 50, 80, 130, 200, 320, 500, 800, 1250, 2000, 3150, 5000, 8000, 12500, 20000,
          31500]


def rows(name):
    path = os.path.join(DATA, name)
    return [l.rstrip("\n").split("\t") for l in open(path) if l.strip() and not l.startswith("#")]


def cell(kind, regime, position, letter):
    return [int(v) for v in rows("z14-%s-%s.tsv" % (kind, regime))[position * 16 + letter][2:]]


def limit_number(position, units):
    row = sum(1 for b in BOUNDS[1:] if units >= b)
    return int(rows("z14-limit-numbers.tsv")[row][1 + position])


def main():
    position, letter, kind = int(sys.argv[1]), LETTERS.index(sys.argv[2]), sys.argv[3]
    p, lots, seed = float(sys.argv[4]), int(sys.argv[5]), int(sys.argv[6])
    rng = random.Random(seed)
    tables = {}

    def binomial(n):
        """A count of nonconforming units among n, by inversion of the binomial distribution."""
        if n not in tables:
            term, total, cdf = (1 - p) ** n, 0.0, []
            for k in range(n + 1):
                total += term
                cdf.append(total)
                if 1 - total < 1e-16:
                    break
                term *= (n - k) / (k + 1) * p / (1 - p)
            tables[n] = cdf
        cdf = tables[n]
        return min(bisect.bisect_right(cdf, rng.random()), len(cdf) - 1)
    normal, tightened, reduced = (cell(kind, r, position, letter)
                                  for r in ("normal", "tightened", "reduced"))
    limits = {}

    def inspect(plan, is_reduced):
        """(accepted, stays on reduced, units, nonconforming)"""
        n = plan[0]
        if kind == "single":
            ac, re = plan[1], (plan[2] if is_reduced else plan[1] + 1)
            d = binomial(n)
            return d < re, d <= ac, n, d
        ac1, re1, ac2 = plan[1], plan[2], plan[3]
        re2 = plan[4] if is_reduced else ac2 + 1
        d = binomial(n)
        if d <= ac1:
            return True, True, n, d
        if d >= re1:
            return False, False, n, d
        d += binomial(n)
        return d < re2, d <= ac2, 2 * n, d

    regime, window, recent, run = "N", [], [], 0
    counts = {"N": 0, "T": 0, "R": 0}
    accepted = units = 0
    for _ in range(lots):
        counts[regime] += 1
        plan = {"N": normal, "T": tightened, "R": reduced}[regime]
        ok, stay, u, d = inspect(plan, regime == "R")
        accepted += ok
        units += u
        if regime == "N":
            recent = (recent + [ok])[-5:]
            if not ok and recent.count(False) >= 2:
                regime, recent, window = "T", [], []
                run = 0
                continue
            window = window + [(ok, u, d)] if ok else []
            # The preceding lots, 10 or more until Table VIII has a limit for their units.
            total_units = total_d = 0
            for k, (_, uu, dd) in enumerate(reversed(window)):
                total_units += uu
                total_d += dd
                if k + 1 >= 10:
                    key = total_units
                    if key not in limits:
                        limits[key] = limit_number(position, total_units)
                    L = limits[key]
                    if L != -1:
                        if L >= 0 and total_d <= L:
                            regime, recent, window = "R", [], []
                        break
        elif regime == "T":
            run = run + 1 if ok else 0
            if run == 5:
                regime, recent, window, run = "N", [], [], 0
        else:
            if not (ok and stay):
                regime, recent, window = "N", [], []
    print("reduced share %.4f, normal %.4f, tightened %.4f, Pa %.4f, ASN %.1f" % (
        counts["R"] / lots, counts["N"] / lots, counts["T"] / lots, accepted / lots,
        units / lots))


if __name__ == "__main__":
    main()
