#!/usr/bin/env python3
"""Reference values of the Z1.4 plan tests, exact with mpmath (40 digits): the component plans
stage by stage from binomial or Poisson probabilities, the regimes' long-run shares from the
chain of switching_chain.py, the limit number from the row the normal plan's units reach.
Plan: AQL 1.0, level L-III, lots 501 to 1200 (letter K), at 1 percent defective or 1 defect per
hundred units.

Run:  python3 z14_plan_values.py
"""
from mpmath import binomial, exp, factorial, floor, mp, mpf, nstr

from switching_chain import shares

mp.dps = 40
LEVEL = mpf(1) / 100


def binomial_probability(d, n):
    return binomial(n, d) * LEVEL ** d * (1 - LEVEL) ** (n - d) if 0 <= d <= n else mpf(0)


def poisson_probability(d, n):
    return exp(-n * LEVEL) * (n * LEVEL) ** d / factorial(d) if d >= 0 else mpf(0)


def evaluate(plan, probability):
    """A plan of stages (n, accept, reject), cumulative counts: Pa, ASN and expected stages."""
    carried = {0: mpf(1)}  # the count carried into the next stage, over undecided paths
    pa = asn = stages = mpf(0)
    for n, accept, reject in plan:
        asn += n * sum(carried.values())
        stages += sum(carried.values())
        after = {}
        for count, weight in carried.items():
            for d in range(0, reject - count):
                after[count + d] = after.get(count + d, 0) + weight * probability(d, n)
        pa += sum(w for c, w in after.items() if c <= accept)
        carried = {c: w for c, w in after.items() if accept < c < reject}
    return pa, asn, stages


# Total sample units from which each limit-number row counts, and the rows at AQL 1.0.
ROW_BOUNDS = [20, 30, 50, 80, 130, 200, 320, 500, 800, 1250, 2000, 3150, 5000, 8000, 12500,
              20000, 31500]
LIMITS_AQL_1 = [-1] * 5 + [0, 0, 2, 4, 7, 14, 24, 40, 68, 110, 181, -2]
MINIMUM_AQL_1 = 200


def limit_and_lots(m):
    def limit(total):
        return LIMITS_AQL_1[max(i for i, b in enumerate(ROW_BOUNDS) if total >= b or i == 0)]
    if limit(floor(10 * m)) != -1:
        return limit(floor(10 * m)), 10
    lots = int(mp.ceil(MINIMUM_AQL_1 / m))
    return limit(floor(lots * m)), lots


def switching(normal, tightened, reduced, stay, probability, limit_numbers=True):
    (pa_n, asn_n, st_n), (pa_t, asn_t, st_t), (pa_r, asn_r, st_r), (pa_s, _, _) = (
        evaluate(plan, probability) for plan in (normal, tightened, reduced, stay))
    values, lots, g = {}, 10, mpf(1)
    if limit_numbers:
        limit, lots = limit_and_lots(asn_n)
        units = asn_n * lots
        if probability is binomial_probability:
            units = int(floor(units))
        g = values["G"] = sum(probability(d, units) for d in range(limit + 1))
    s_r, s_n, s_t = shares(pa_s, pa_n, pa_t, lots, g)
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


def show(name, values):
    print(name + ": " + ", ".join("%s %s" % (k, nstr(v, 17)) for k, v in values.items()))


if __name__ == "__main__":
    show("single, no limit numbers", switching(*SINGLE, binomial_probability, False))
    show("single, full", switching(*SINGLE, binomial_probability))
    show("double, full", switching(*DOUBLE, binomial_probability))
    show("multiple, full", switching(*MULTIPLE, binomial_probability))
    show("defects per unit, single, full", switching(*SINGLE, poisson_probability))
