#!/usr/bin/env python3
"""Reference values of StagedPlansTest: double and multiple plans evaluated with mpmath at 40
digits, the average sample numbers under curtailed inspection by walking every state of the
inspection unit by unit (which needs none of the closed forms)."""
from mpmath import mp, mpf, binomial, exp

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
