#!/usr/bin/env python3
"""Reference values of the Z1.9 plan tests, with mpmath at 40 digits from the definitions:
- SD known, one limit: Pa = Phi(sqrt(n) (z_p - k)), z_p = -Phi^-1(p).
- SD unknown, one limit: Pa = P(T >= k sqrt(n)), T noncentral t with n - 1 degrees of freedom
  and noncentrality sqrt(n) z_p, integrated over the chi distribution of s / sigma.
- Form 2 (M percent) as the k of the same acceptance: SD known k = -Phi^-1(M / 100) / v,
  v = sqrt(n / (n - 1)); SD unknown k = (1 - 2x)(n - 1) / sqrt(n), I_x(n/2 - 1, n/2 - 1) = M / 100.
- Switching: the regimes' shares from the chain of switching_chain.py.

Run:  python3 z19_plan_values.py
"""
from mpmath import betainc, exp, findroot, gamma, inf, log, mp, mpf, ncdf, nstr, quad, sqrt

from switching_chain import shares

mp.dps = 40


def z_of(fraction):
    return findroot(lambda z: ncdf(z) - fraction, 0)


def known_pa(p, n, k):
    return ncdf(sqrt(n) * (-z_of(mpf(p) / 100) - k))


def unknown_pa(p, n, k):
    nu = mpf(n - 1)
    delta = sqrt(n) * -z_of(mpf(p) / 100)
    t = k * sqrt(n)
    # s / sigma = sqrt(V / nu), V chi-square with nu degrees of freedom.
    log_c = log(2) + (nu / 2) * log(nu / 2) - log(gamma(nu / 2))

    def density(s):
        return exp(log_c + (nu - 1) * log(s) - nu / 2 * s * s)

    return quad(lambda s: ncdf(delta - t * s) * density(s), [0, 0.5, 1, 1.5, 2, inf])


def known_k(n, M):
    return -z_of(mpf(M) / 100) / sqrt(mpf(n) / (n - 1))


def unknown_k(n, M):
    a = mpf(n) / 2 - 1
    x = findroot(lambda x: betainc(a, a, 0, x, regularized=True) - mpf(M) / 100, (0, 0.5),
                 solver="illinois")
    return (1 - 2 * x) * (n - 1) / sqrt(n)


def switching(p, plans, pa, full):
    """Pa, ASN and the upper envelope of a switching option; plans: normal, tightened, reduced
    as (n, M)."""
    normal, tightened, reduced = (pa(p, n, k) for n, k in plans)
    sR, sN, sT = shares(reduced if full else 0, normal, tightened, 10, 1 if full else 0)
    ns = [n for n, _ in plans]
    result = sR * reduced + sN * normal + sT * tightened
    asn = sR * ns[2] + sN * ns[0] + sT * ns[1]
    if full and reduced >= normal and reduced >= tightened:
        upper = reduced * reduced + normal * (1 - reduced)
    else:
        upper = max(normal, tightened) if not full else max(normal, tightened, reduced)
    return result, asn, upper


def show(label, *values):
    print(label + ": " + ", ".join(nstr(v, 17) for v in values))


if __name__ == "__main__":
    show("type 0, n 12, k 1.88, p 1 and 2", known_pa(1, 12, mpf("1.88")),
         known_pa(2, 12, mpf("1.88")))
    show("type 3, n 35, k 1.89, p 1 and 2", unknown_pa(1, 35, mpf("1.89")),
         unknown_pa(2, 35, mpf("1.89")))
    show("type 1, n 12, M 2.49, p 1", known_pa(1, 12, known_k(12, "2.49")))
    known = [(12, known_k(12, "2.49")), (11, known_k(11, "1.73")), (6, known_k(6, "3.77"))]
    show("type 1, option 3, p 1: Pa, ASN, upper envelope", *switching(1, known, known_pa, True))
    show("type 1, option 4, p 1: Pa, ASN", *switching(1, known, known_pa, False)[:2])
    unknown = [(35, unknown_k(35, "2.66")), (35, unknown_k(35, "1.87")), (15, unknown_k(15, "4.32"))]
    show("type 4, option 3, p 1: Pa", switching(1, unknown, unknown_pa, True)[0])
    # The derived k of table 0, AQL 0.65, letter J, from its Form 2 partner (35, 1.87).
    show("unknown SD k of (35, 1.87)", unknown_k(35, "1.87"))
