#!/usr/bin/env python3
"""Reference values of the Z1.4 plan tests, exact with mpmath (40 digits): the component plans
stage by stage from binomial or Poisson probabilities, the regimes' long-run shares from the
chains of switching_chain.py, the limit number from the row the normal plan's units reach.
Plan: AQL 1.0, level L-III, lots 501 to 1200 (letter K), at 1 percent defective or 1 defect per
hundred units. And plans whose lots without a nonconforming unit reach a limit number of 0: at
letter Q, AQL 0.025 double at 0.025 and 0.01 percent defective and AQL 0.010 single at 0.01
percent; at AQL 1.0, letter G, multiple at 0.5 percent defective or 0.5 defects per hundred
units. Their runs holding a nonconforming unit never meet their limits (the Q double plan's 10
lots reach the next row, 20000 units, only with 6 second samples, each after a nonconforming
unit, against a limit of 2 there; the G multiple plan's lots take 2 samples more per
nonconforming unit at most, and their 10 lots reach the next row, 500 units, only with 9 more),
so these switch to reduced after K lots in a row accepted without one: the chain of
clean_run_shares, with P0 the probability that the samples up to the first stage that can
accept find none.

Run:  python3 z14_plan_values.py
"""
from mpmath import binomial, exp, factorial, floor, mp, mpf, nstr

from switching_chain import clean_run_shares, shares

mp.dps = 40
LEVEL = mpf(1) / 100


def binomial_probability(d, n, level=LEVEL):
    return binomial(n, d) * level ** d * (1 - level) ** (n - d) if 0 <= d <= n else mpf(0)


def poisson_probability(d, n, level=LEVEL):
    return exp(-n * level) * (n * level) ** d / factorial(d) if d >= 0 else mpf(0)


def evaluate(plan, probability, level):
    """A plan of stages (n, accept, reject), cumulative counts: Pa, ASN and expected stages."""
    carried = {0: mpf(1)}  # the count carried into the next stage, over undecided paths
    pa = asn = stages = mpf(0)
    for n, accept, reject in plan:
        asn += n * sum(carried.values())
        stages += sum(carried.values())
        after = {}
        for count, weight in carried.items():
            for d in range(0, reject - count):
                after[count + d] = after.get(count + d, 0) + weight * probability(d, n, level)
        pa += sum(w for c, w in after.items() if c <= accept)
        carried = {c: w for c, w in after.items() if accept < c < reject}
    return pa, asn, stages


# Total sample units from which each limit-number row counts, the rows at AQL 1.0 and 0.025, and
# the fewest units that have a limit number.
ROW_BOUNDS = [20, 30, 50, 80, 130, 200, 320, 500, 800, 1250, 2000, 3150, 5000, 8000, 12500,
              20000, 31500]
LIMITS_AQL_1 = ([-1] * 5 + [0, 0, 2, 4, 7, 14, 24, 40, 68, 110, 181, -2], 200)
LIMITS_AQL_0_025 = ([-1] * 13 + [0, 0, 2, 4], 8000)
LIMITS_AQL_0_010 = ([-1] * 15 + [0, 0], 20000)


def limit_and_lots(m, limits):
    rows, minimum = limits

    def limit(total):
        return rows[max(i for i, b in enumerate(ROW_BOUNDS) if total >= b or i == 0)]
    if limit(floor(10 * m)) != -1:
        return limit(floor(10 * m)), 10
    lots = int(mp.ceil(minimum / m))
    return limit(floor(lots * m)), lots


def switching(normal, tightened, reduced, stay, probability, limit_numbers=True, level=LEVEL,
              limits=LIMITS_AQL_1):
    (pa_n, asn_n, st_n), (pa_t, asn_t, st_t), (pa_r, asn_r, st_r), (pa_s, _, _) = (
        evaluate(plan, probability, level) for plan in (normal, tightened, reduced, stay))
    values = {}
    if not limit_numbers:
        s_r, s_n, s_t = shares(pa_s, pa_n, pa_t, 10, 1)
    else:
        first = next(k for k, (_, accept, _) in enumerate(normal) if accept >= 0)
        clean_units = normal[0][0] * (first + 1)
        limit, lots = limit_and_lots(clean_units, limits)
        if limit == 0:
            values["P0"] = probability(0, clean_units, level)
            s_r, s_n, s_t = clean_run_shares(pa_s, values["P0"], pa_n, pa_t, lots)
        else:
            limit, lots = limit_and_lots(asn_n, limits)
            units = asn_n * lots
            if probability is binomial_probability:
                units = int(floor(units))
            g = values["G"] = sum(probability(d, units, level) for d in range(limit + 1))
            s_r, s_n, s_t = shares(pa_s, pa_n, pa_t, lots, g)
    values["reduced"] = s_r
    values["Pa"] = s_r * pa_r + s_n * pa_n + s_t * pa_t
    values["ASN"] = s_r * asn_r + s_n * asn_n + s_t * asn_t
    if limit_numbers:
        values["stages"] = s_r * st_r + s_n * st_n + s_t * st_t
    return values


SINGLE = ([(125, 3, 4)], [(125, 2, 3)], [(50, 3, 4)], [(50, 1, 2)])
DOUBLE = ([(80, 1, 4), (80, 4, 5)], [(80, 0, 3), (80, 3, 4)], [(32, 0, 4), (32, 4, 5)],
          [(32, 0, 2), (32, 1, 2)])
MULTIPLE = (list(zip([32] * 7, [-1, 0, 1, 2, 3, 4, 6], [3, 3, 4, 5, 6, 6, 7])),
            list(zip([32] * 7, [-1, 0, 0, 1, 2, 3, 4], [2, 3, 3, 4, 4, 5, 5])),
            list(zip([13] * 7, [-1, -1, 0, 0, 1, 1, 6], [3, 3, 4, 5, 6, 6, 7])),
            list(zip([13] * 7, [-1, -1, 0, 0, 1, 1, 2], [3, 3, 3, 3, 3, 3, 3])))


# AQL 0.025, letter Q: normal (1250; 0, 2; 1), tightened (2000; 0, 2; 1), reduced
# (500; 0, 2; 0, 2), whose lots stay on reduced only with no nonconforming unit in 500.
DOUBLE_Q = ([(1250, 0, 2), (1250, 1, 2)], [(2000, 0, 2), (2000, 1, 2)], [(500, 0, 2), (500, 1, 2)],
            [(500, 0, 1)])
SINGLE_Q = ([(1250, 0, 1)], [(2000, 0, 1)], [(500, 0, 1)], [(500, 0, 1)])
# AQL 1.0, letter G: 7 stages of 13, 20 and 5 units; inspection stays on reduced with at most 1.
MULTIPLE_G = (list(zip([13] * 7, [-1, -1, 0, 0, 1, 1, 2], [2, 2, 2, 3, 3, 3, 3])),
              list(zip([20] * 7, [-1, -1, 0, 0, 1, 1, 2], [2, 2, 2, 3, 3, 3, 3])),
              list(zip([5] * 7, [-1, -1, 0, 0, 0, 0, 2], [2, 2, 2, 3, 3, 3, 3])),
              list(zip([5] * 7, [-1, -1, 0, 0, 0, 0, 1], [2] * 7)))


def show(name, values):
    print(name + ": " + ", ".join("%s %s" % (k, nstr(v, 17)) for k, v in values.items()))


if __name__ == "__main__":
    show("single, no limit numbers", switching(*SINGLE, binomial_probability, False))
    show("single, full", switching(*SINGLE, binomial_probability))
    show("double, full", switching(*DOUBLE, binomial_probability))
    show("multiple, full", switching(*MULTIPLE, binomial_probability))
    show("defects per unit, single, full", switching(*SINGLE, poisson_probability))
    show("AQL 0.025, Q, double, full", switching(*DOUBLE_Q, binomial_probability,
                                                 level=mpf(0.025) / 100, limits=LIMITS_AQL_0_025))
    show("AQL 0.025, Q, double, full, 0.01 %", switching(
        *DOUBLE_Q, binomial_probability, level=mpf(0.01) / 100, limits=LIMITS_AQL_0_025))
    show("AQL 0.010, Q, single, full", switching(*SINGLE_Q, binomial_probability,
                                                 level=mpf(0.01) / 100, limits=LIMITS_AQL_0_010))
    for name, probability in (("defective units", binomial_probability),
                              ("defects per unit", poisson_probability)):
        show("AQL 1.0, G, multiple, full, " + name,
             switching(*MULTIPLE_G, probability, level=mpf(0.5) / 100))
