#!/usr/bin/env python3
"""Reference values of Z1.4 plans with switching, computed exactly with mpmath (40 digits): the
component plans' probabilities from binomial and Poisson sums stage by stage, the long-run shares
from the Markov chain of switching_chain.py, the limit number from the table row the normal
plan's sample reaches. The plan tests hold the values this script prints.

Plan: AQL 1.0, level L-III, lots 501 to 1200 (letter K); quality 1 percent defective, or 1 defect
per hundred units.

Run:  python3 z14_plan_values.py
"""
from mpmath import binomial, exp, factorial, floor, mp, mpf, nstr

from switching_chain import shares

mp.dps = 40


def binomial_probability(d, n, p):
    return binomial(n, d) * p ** d * (1 - p) ** (n - d) if 0 <= d <= n else mpf(0)


def poisson_probability(d, mean):
    return exp(-mean) * mean ** d / factorial(d) if d >= 0 else mpf(0)


def evaluate(plan, probability):
    """A plan of stages (n, accept, reject), cumulative counts: Pa, ASN and expected stages."""
    # Distribution of the count carried into the next stage, over undecided paths.
    carried = {0: mpf(1)}
    pa = asn = stages = mpf(0)
    for n, accept, reject in plan:
        going_on = sum(carried.values())
        asn += n * going_on
        stages += going_on
        after = {}
        for count, weight in carried.items():
            for d in range(0, reject - count):
                after[count + d] = after.get(count + d, 0) + weight * probability(d, n)
        pa += sum(w for c, w in after.items() if c <= accept)
        carried = {c: w for c, w in after.items() if accept < c < reject}
    return pa, asn, stages


# Total sample units from which each row of the limit-number table counts, and the row values at
# AQL 1.0.
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


def switching_full(normal, tightened, reduced, stay, defectives):
    level = mpf(1) / 100
    if defectives:
        def probability(d, n):
            return binomial_probability(d, n, level)
    else:
        def probability(d, n):
            return poisson_probability(d, n * level)
    pa_n, asn_n, st_n = evaluate(normal, probability)
    pa_t, asn_t, st_t = evaluate(tightened, probability)
    pa_r, asn_r, st_r = evaluate(reduced, probability)
    pa_s = evaluate(stay, probability)[0]
    limit, lots = limit_and_lots(asn_n)
    units = asn_n * lots
    if defectives:
        g = sum(binomial_probability(d, int(floor(units)), level) for d in range(limit + 1))
    else:
        g = sum(poisson_probability(d, units * level) for d in range(limit + 1))
    s_r, s_n, s_t = shares(pa_s, pa_n, pa_t, lots, g)
    return {"G": g, "Pa": s_r * pa_r + s_n * pa_n + s_t * pa_t,
            "ASN": s_r * asn_r + s_n * asn_n + s_t * asn_t,
            "stages": s_r * st_r + s_n * st_n + s_t * st_t}


def no_limit_numbers(normal, tightened, reduced, stay):
    def probability(d, n):
        return binomial_probability(d, n, mpf(1) / 100)
    pa_n, asn_n, _ = evaluate(normal, probability)
    pa_t, asn_t, _ = evaluate(tightened, probability)
    pa_r, asn_r, _ = evaluate(reduced, probability)
    pa_s = evaluate(stay, probability)[0]
    s_r, s_n, s_t = shares(pa_s, pa_n, pa_t, 10, 1)
    return {"Pa": s_r * pa_r + s_n * pa_n + s_t * pa_t,
            "ASN": s_r * asn_r + s_n * asn_n + s_t * asn_t}


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
    show("single, no limit numbers", no_limit_numbers(*SINGLE))
    show("single, full", switching_full(*SINGLE, True))
    show("double, full", switching_full(*DOUBLE, True))
    show("multiple, full", switching_full(*MULTIPLE, True))
    show("defects per unit, single, full", switching_full(*SINGLE, False))
