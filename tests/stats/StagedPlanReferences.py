#!/usr/bin/env python3
"""Reference values of StagedPlansTest: double and multiple plans evaluated with mpmath at 40
digits, the average sample numbers under curtailed inspection by walking every state of the
inspection unit by unit (which needs none of the closed forms).

  python3 StagedPlanReferences.py                        the small plans
  python3 StagedPlanReferences.py defectives-any p       the large plan, lots of any size
  python3 StagedPlanReferences.py defectives-given D     the large plan, a lot of 2147483646
  python3 StagedPlanReferences.py defects-any u          the same for defects per unit
  python3 StagedPlanReferences.py defects-given T
  python3 StagedPlanReferences.py cumulatives           the large plan from its cumulatives alone
  python3 StagedPlanReferences.py far-tail              the seven-stage plan rejected by a far tail
  python3 StagedPlanReferences.py late-acceptance       three stages that accept only at the last
"""
import sys

from mpmath import mp, mpf, exp, betainc, gammainc, inf, log, loggamma, nstr

mp.dps = 40


def walk(stages, defective, curtail):
    """Pa, ASN and E{#Stages} of stages [(n, a, r)] inspected unit by unit; defective(d, k) is
    the chance that the next unit is defective with d found among k inspected; curtail(i) gives
    (acceptance, rejection) for stage i."""
    going = {0: mpf(1)}
    pa = asn = expected = mpf(0)
    inspected = 0
    for i, (n, a, r) in enumerate(stages):
        accept_early, reject_early = curtail(i)
        nxt = {}
        for x, fx in going.items():
            expected += fx
            state = {x: fx}
            for k in range(n):
                after = {}
                for d, chance in state.items():
                    if reject_early and d >= r:
                        continue
                    if accept_early and d + n - k <= a:
                        pa += chance
                        continue
                    asn += chance
                    q = defective(d, inspected + k)
                    after[d + 1] = after.get(d + 1, 0) + chance * q
                    after[d] = after.get(d, 0) + chance * (1 - q)
                state = after
            for d, chance in state.items():
                if d <= a:
                    pa += chance
                elif d < r:
                    nxt[d] = nxt.get(d, 0) + chance
        going = nxt
        inspected += n
    return pa, asn, expected


METHODS = {0: ((0, 0), (0, 0)), 1: ((1, 1), (1, 1)), 2: ((1, 0), (1, 0)), 3: ((0, 1), (0, 1)),
           4: ((0, 0), (1, 1)), 5: ((0, 0), (1, 0)), 6: ((0, 0), (0, 1))}


def curtailing(method):
    first, later = METHODS[method]
    return lambda i: first if i == 0 else later


def binomial_lot(p):
    return lambda d, k: p


def finite_lot(D, N):
    return lambda d, k: mpf(D - d) / (N - k)


def show(name, value):
    print(f"{name}: {mp.nstr(value, 18)}")


def small_plans():
    double = [(50, 1, 4), (100, 4, 5)]
    for method in range(7):
        pa, asn, stages = walk(double, binomial_lot(mpf('0.02')), curtailing(method))
        show(f"double at 2 %, method {method}: ASN", asn)
    show("double at 2 %: Pa", pa)
    show("double at 2 %: E{#Stages}", stages)
    pa, asn, _ = walk(double, finite_lot(20, 1000), curtailing(1))
    show("double, N = 1000, D = 20: Pa", pa)
    show("double, N = 1000, D = 20, method 1: ASN", asn)
    pa, asn, _ = walk([(50, 2, 7), (100, 6, 7)], binomial_lot(mpf('0.06')), curtailing(0))
    show("NIST example at 6 %: Pa", pa)
    show("NIST example at 6 %: ASN", asn)

    seven = list(zip([50] * 7, [0, 1, 3, 5, 7, 10, 13], [4, 6, 8, 10, 11, 12, 14]))
    pa, asn, stages = walk(seven, binomial_lot(mpf('0.02')), curtailing(0))
    show("7 x 50 at 2 %: Pa", pa)
    show("7 x 50 at 2 %: ASN", asn)
    show("7 x 50 at 2 %: E{#Stages}", stages)
    three = [(20, -1, 2), (20, 1, 3), (20, 3, 4)]
    pa, asn, _ = walk(three, binomial_lot(mpf('0.05')), curtailing(0))
    show("3 x 20 at 5 %: Pa", pa)
    show("3 x 20 at 5 %: ASN", asn)
    _, asn, _ = walk(three, binomial_lot(mpf('0.05')), curtailing(1))
    show("3 x 20 at 5 %, method 1: ASN", asn)
    _, asn, _ = walk(three, finite_lot(5, 100), curtailing(1))
    show("3 x 20, N = 100, D = 5, method 1: ASN", asn)

    show("defects per unit (5, 0, 2, 5, 1) at 0.1: Pa", exp(mpf(-0.5)) + exp(mpf(-1)) / 2)


# The large plans: 1000 stages of 100 units (or units of material), no acceptance before the
# last stage, rejection at 101 at every stage and acceptance at 100 at the last, evaluated by the
# plain recursion over the counts going on (every count, nothing left out) at 25 digits: Pa,
# E{#Stages}, the ASN with no curtailing and the ASN with every stage curtailed (for defective
# units acceptance and rejection, for defects rejection only; the curtailed terms from their
# closed forms, the tails summed term by term).
def plain_recursion(stages, stage_points, tails, accept_units, reject_units):
    """stage_points(i, x, before) -> list of the probabilities of counts 0, 1, ... added by stage
    i entered with count x after `before` units; tails(i, x, before, k) -> P(count added <= k);
    accept_units / reject_units(i, x, before, k) -> the expected units of curtailed inspection."""
    going = {0: mpf(1)}
    pa = stages_expected = asn = curtailed = mpf(0)
    before = 0
    for i, (n, a, r) in enumerate(stages):
        reach = sum(going.values())
        stages_expected += reach
        asn += n * reach
        after = {}
        for x, fx in going.items():
            if a >= x:
                accepted = tails(i, x, before, a - x)
                pa += fx * accepted
                curtailed += fx * accept_units(i, x, before, a - x)
            curtailed += fx * reject_units(i, x, before, r - x)
            if i + 1 < len(stages):
                for j, point in enumerate(stage_points(i, x, before)):
                    y = x + j
                    if a < y < r:
                        after[y] = after.get(y, 0) + fx * point
        if i + 1 < len(stages):
            curtailed += n * sum(after.values())
        going = after
        before += n
    return pa, asn, stages_expected, curtailed


LARGE = [(100, -1, 101)] * 999 + [(100, 100, 101)]


def binomial_row(n, p, length):
    q = 1 - p
    row = [q ** n]
    for j in range(min(n, length)):
        row.append(row[-1] * (n - j) / (j + 1) * p / q)
    return row


def defectives_any(p):
    p = mpf(p)
    row = binomial_row(100, p, 101)
    row1 = binomial_row(101, p, 102)

    def tails(i, x, before, k, r=row):
        return sum(r[:k + 1]) if k >= 0 else mpf(0)

    def accept_units(i, x, before, k):
        return (100 - k) / (1 - p) * tails(i, x, before, k, row1) if 0 <= k < 100 else 0

    def reject_units(i, x, before, j):
        return j / p * (1 - tails(i, x, before, j, row1))

    return plain_recursion(LARGE, lambda i, x, before: row, tails, accept_units, reject_units)


def hypergeometric_row(n, D, M, length):
    """h(j; n, D, M) for j = 0 ... min(n, D, length), n at most the M - D good units."""
    good = M - D
    row = [mpf(1)]
    for i in range(n):
        row[0] *= mpf(good - i) / (M - i)
    for j in range(min(n, D, length)):
        row.append(row[-1] * (D - j) * (n - j) / ((j + 1) * (good - n + j + 1)))
    return row


def defectives_given(D, N):
    cache = {}

    def row(n, Dx, M, length):
        key = (n, Dx, M)
        if key not in cache:
            cache[key] = hypergeometric_row(n, Dx, M, length)
        return cache[key]

    def points(i, x, before):
        return row(100, D - x, N - before, 101)

    def tails(i, x, before, k):
        return sum(row(100, D - x, N - before, 101)[:k + 1]) if k >= 0 else mpf(0)

    def accept_units(i, x, before, k):
        if not 0 <= k < 100:
            return 0
        M = N - before
        lower = sum(row(101, D - x, M + 1, 102)[:k + 1])
        return (M + 1) * mpf(100 - k) / (M - (D - x) + 1) * lower

    def reject_units(i, x, before, j):
        M = N - before
        lower = sum(row(101, D - x + 1, M + 1, 102)[:j + 1])
        return (M + 1) * mpf(j) / (D - x + 1) * (1 - lower)

    return plain_recursion(LARGE, points, tails, accept_units, reject_units)


def show_large(name, values):
    for label, value in zip(("Pa", "ASN", "E{#Stages}", "curtailed ASN"), values):
        show(f"{name}: {label}", value)


def poisson_row(mean, length):
    row = [exp(-mean)]
    for j in range(length):
        row.append(row[-1] * mean / (j + 1))
    return row


def defects_any(u):
    """Poisson counts: only rejection is ever curtailed."""
    u = mpf(u)
    row = poisson_row(100 * u, 101)

    def tails(i, x, before, k):
        return sum(row[:k + 1]) if k >= 0 else mpf(0)

    def reject_units(i, x, before, j):
        return j / u * (1 - tails(i, x, before, j))

    def accept_units(i, x, before, k):
        return 100 * tails(i, x, before, k)

    return plain_recursion(LARGE, lambda i, x, before: row, tails, accept_units, reject_units)


def defects_given(T, N):
    """Each of the T - x defects left is in the stage's 100 of the N - before units left with
    probability 100 / (N - before)."""
    cache = {}

    def row(t, before):
        key = (t, before)
        if key not in cache:
            cache[key] = binomial_row(t, mpf(100) / (N - before), 101)
        return cache[key]

    def tails(i, x, before, k):
        return sum(row(T - x, before)[:k + 1]) if k >= 0 else mpf(0)

    def reject_units(i, x, before, j):
        return j * mpf(N - before) / (T - x + 1) * (1 - sum(row(T - x + 1, before)[:j + 1]))

    def accept_units(i, x, before, k):
        return 100 * tails(i, x, before, k)

    return plain_recursion(LARGE, lambda i, x, before: row(T - x, before), tails, accept_units,
                           reject_units)


# The large plan goes on past stage i exactly when the count of its first 100 i units is at most
# 100, and accepts at the last stage exactly when the count of all 100,000 is: Pa is the
# cumulative P(S <= 100) of the whole sample, E{#Stages} the sum of P(S <= 100) over the first
# 0, 100, ..., 99,900 units and the ASN 100 times that, at 40 digits from the closed forms of the
# cumulatives (no recursion over the stages).
def binomial_cumulative(c, n, p):
    return mpf(1) if n <= c else betainc(n - c, c + 1, 0, 1 - p, regularized=True)


def poisson_cumulative(c, mean):
    return gammainc(c + 1, mean, inf, regularized=True)


def hypergeometric_cumulative(c, n, D, N):
    """The defectives among n of N units holding D, c < n <= N - D: the terms by their ratios
    from the first, P(X = 0) = C(N - D, n) / C(N, n)."""
    term = exp(loggamma(N - D + 1) + loggamma(N - n + 1) - loggamma(N - D - n + 1) -
               loggamma(N + 1))
    total = term
    for x in range(c):
        term *= mpf(D - x) * (n - x) / ((x + 1) * (N - D - n + x + 1))
        total += term
    return total


def cumulatives(kind, level):
    lot = 2147483646
    if kind == "defectives-any":
        p = mpf(level)
        cumulative = lambda units: binomial_cumulative(100, units, p)
    elif kind == "defectives-given":
        cumulative = lambda units: (mpf(1) if units <= 100 else
                                    hypergeometric_cumulative(100, units, int(level), lot))
    elif kind == "defects-any":
        u = mpf(level)
        cumulative = lambda units: poisson_cumulative(100, units * u)
    else:
        T = int(level)
        cumulative = lambda units: binomial_cumulative(100, T, mpf(units) / lot)
    pa = cumulative(100000)
    stages = sum(cumulative(100 * i) for i in range(1000))
    print(f"1000 x 100, {kind} {level}: Pa {nstr(pa, 20)}, 1 - Pa {nstr(1 - pa, 20)}, "
          f"ASN {nstr(100 * stages, 20)}, E{{#Stages}} {nstr(stages, 20)}")


# The seven-stage plan at 0.36500013 defects per unit goes on past stage 1 unless its 5495 units
# hold 2519 defects or more, rejects at stage 2 only where its 36,420 units hold 26,690 or more,
# and goes on past stage 3 only where its 52,508 units hold more than 23,948: 1 - Pa lies between
# the first of those Poisson tails and the sum of all three, the ASN within 87,073 times their sum
# of 52,508 and E{#Stages} within 7 times it of 3.
def far_tail():
    u = mpf("0.36500013")
    tail = lambda c, units: gammainc(c, 0, units * u, regularized=True)  # P(S >= c)
    first = tail(2519, 5495)
    print(f"7 stages, defects-any {u}: 1 - Pa from {nstr(first, 20)} "
          f"to {nstr(first + tail(26690, 36420) + tail(23949, 52508), 20)}")


# Stages of material that reject at c + 1 defects and accept only at the last, at c: they go on
# past stage i exactly when the count of their first A_i units is at most c, so that Pa is that
# cumulative of all their units, E{#Stages} the sum of those of the first 0, A_1, ... units and
# the ASN that of s_(i+1) times them; the counts Poisson at lambda a unit, or binomial of the T
# defects of a lot of 1000 units, each in the first A_i with probability A_i / 1000; every
# cumulative summed term by term from its count outward to 1e-60 of the sum.
def count_tail(term_at, ratio_down, ratio_up, c, lower):
    """P(X <= c) (lower) or P(X > c) from the points, each from its neighbour by its ratio."""
    j = c if lower else c + 1
    term, total = term_at(j), mpf(0)
    while term > mpf(10) ** -60 * total or total == 0:
        total += term
        term *= ratio_down(j) if lower else ratio_up(j)
        j += -1 if lower else 1
        if term == 0:
            break
    return total


def count_cumulative(points, c, mean):
    term_at, ratio_down, ratio_up = points
    if c < mean:
        return count_tail(term_at, ratio_down, ratio_up, c, True)
    return 1 - count_tail(term_at, ratio_down, ratio_up, c, False)


def poisson_points(mean):
    return (lambda j: exp(j * log(mean) - mean - loggamma(j + 1)),
            lambda j: j / mean, lambda j: mean / (j + 1))


def binomial_points(T, q):
    return (lambda j: exp(loggamma(T + 1) - loggamma(j + 1) - loggamma(T - j + 1) + j * log(q) +
                          (T - j) * log(1 - q)),
            lambda j: j * (1 - q) / ((T - j + 1) * q), lambda j: (T - j) * q / ((j + 1) * (1 - q)))


def late_acceptance():
    s = [mpf(1), mpf(200), mpf(1)]
    A = [sum(s[:i]) for i in range(len(s) + 1)]
    c = 8000
    levels = [("lambda", lam) for lam in ("36.5", "39", "39.6", "41")]
    levels += [("T", T) for T in (36500, 39600)]
    for kind, level in levels:
        if kind == "lambda":
            points = lambda units: poisson_points(units * mpf(level))
            means = [a * mpf(level) for a in A]
        else:
            points = lambda units: binomial_points(level, units / 1000)
            means = [a * level / 1000 for a in A]
        k = len(s)
        going = [mpf(1)] + [count_cumulative(points(A[i]), c, means[i]) for i in range(1, k + 1)]
        complement = count_tail(*points(A[k]), c, False)
        print(f"{k} stages, {kind} {level}: Pa {nstr(going[k], 20)}, "
              f"1 - Pa {nstr(complement, 20)}, "
              f"ASN {nstr(sum(s[i] * going[i] for i in range(k)), 20)}, "
              f"E{{#Stages}} {nstr(sum(going[:k]), 20)}")


if __name__ == "__main__":
    if len(sys.argv) == 1:
        small_plans()
    elif sys.argv[1] == "cumulatives":
        lot = 2147483646
        for p in ("0.0003", "0.0005", "0.001", "0.0015"):
            count = round(float(p) * lot)
            for kind, level in (("defectives-any", p), ("defectives-given", count),
                                ("defects-any", p), ("defects-given", count)):
                cumulatives(kind, level)
    elif sys.argv[1] == "far-tail":
        far_tail()
    elif sys.argv[1] == "late-acceptance":
        late_acceptance()
    else:
        mp.dps = 25
        kind, level = sys.argv[1], sys.argv[2]
        lot = 2147483646
        values = {"defectives-any": lambda: defectives_any(level),
                  "defectives-given": lambda: defectives_given(int(level), lot),
                  "defects-any": lambda: defects_any(level),
                  "defects-given": lambda: defects_given(int(level), lot)}[kind]()
        show_large(f"1000 x 100, {kind} {level}", values)
