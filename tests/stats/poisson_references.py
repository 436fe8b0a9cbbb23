#!/usr/bin/env python3
"""The coefficients of the uniform expansion of the incomplete gamma function in
stats/GammaUniformExpansion.cpp, and the reference values of its test (python3 with mpmath).

  python3 poisson_references.py coefficients    the table d[k][n]
  python3 poisson_references.py references      both Poisson tails over the test's grid

The coefficients are exact rationals from the expansion's recursion (DLMF 8.12.9-8.12.12):
z / a - 1 = mu(eta) from eta^2 / 2 = mu - ln(1 + mu), c_0 = 1/mu - 1/eta, and
c_k = c_(k-1)'(eta) / eta + (-1)^k g_k / mu with g_k the coefficients of Stirling's series of
Gamma. The references are P(X <= c) and P(X > c) for X Poisson, summed from their definition
term by term at 40 digits.
"""
import sys
from fractions import Fraction

import mpmath

mpmath.mp.dps = 40
ORDERS = 9  # k = 0 ... 8
POWERS = 21  # n = 0 ... 20


def product(a, b, n):
    out = [Fraction(0)] * n
    for i, x in enumerate(a[:n]):
        if x:
            for j, y in enumerate(b[: n - i]):
                out[i + j] += x * y
    return out


def coefficients():
    length = POWERS + 2 * ORDERS + 4
    # mu = sum alpha_n eta^n: alpha_n is the only unknown in the eta^(n+1) coefficient of
    # mu - ln(1 + mu) - eta^2 / 2, where it stands with the factor 1.
    mu = [Fraction(0), Fraction(1)] + [Fraction(0)] * length
    for n in range(2, length):
        power = product(mu, mu, n + 2)
        excess = Fraction(0)
        j = 2
        while any(power):
            excess += Fraction((-1) ** j, j) * power[n + 1]
            power = product(power, mu, n + 2)
            j += 1
        mu[n] = -excess
    # 1/mu = (1/eta) sum b_n eta^n
    b = [Fraction(1)] + [Fraction(0)] * (length - 2)
    for n in range(1, length - 1):
        b[n] = -sum(mu[i + 1] * b[n - i] for i in range(1, n + 1))
    # Stirling's series: Gamma(z) ~ e^-z z^z sqrt(2 pi / z) sum g_k z^-k, the exponential of
    # sum B_2j / (2j (2j - 1)) z^(1 - 2j).
    logarithm = [Fraction(0)] * (ORDERS + 1)
    for j in range(1, ORDERS // 2 + 2):
        if 2 * j - 1 <= ORDERS:
            p, q = mpmath.bernfrac(2 * j)
            logarithm[2 * j - 1] = Fraction(int(p), int(q)) / (2 * j * (2 * j - 1))
    g = [Fraction(1)] + [Fraction(0)] * ORDERS
    term = list(g)
    for m in range(1, ORDERS + 1):
        term = [t / m for t in product(term, logarithm, ORDERS + 1)]
        g = [x + y for x, y in zip(g, term)]
    d = [[b[n + 1] for n in range(length - 2)]]
    for k in range(1, ORDERS):
        before = d[-1]
        # The poles at eta = 0 of the two parts of c_k cancel.
        assert before[1] == -((-1) ** k) * g[k]
        d.append([(n + 2) * before[n + 2] + (-1) ** k * g[k] * b[n + 1]
                  for n in range(len(before) - 2)])
    return [row[:POWERS] for row in d]


def print_coefficients():
    for row in coefficients():
        values = [mpmath.nstr(mpmath.mpf(x.numerator) / x.denominator, 20) for x in row]
        print("    {" + ", ".join(values) + "},")


# The grid of the test: counts c and means lambda = c + 1 + y sqrt(2 (c + 1)), y the
# expansion's variable to first order, both sides of the range it is used in.
COUNTS = [98, 99, 150, 1000, 12345, 100000, 3000000, 1000000000]
OFFSETS = [-7.0, -5.0, -4.9, -2.0, -0.3, 0.0, 0.3, 2.0, 4.9, 5.0, 7.0]


def grid():
    for c in COUNTS:
        for y in OFFSETS:
            mean = float(c + 1 + y * (2.0 * (c + 1)) ** 0.5)
            yield c, mean


def smaller_tail(c, lam):
    """The smaller of P(X <= c) and P(X > c), summed term by term from c (or c + 1) outward,
    and whether it is the lower one."""
    lower = lam > c
    k = c if lower else c + 1
    term = mpmath.exp(k * mpmath.log(lam) - lam - mpmath.loggamma(k + 1))
    total = mpmath.mpf(0)
    while term > total * mpmath.mpf(10) ** -45:
        total += term
        if lower:
            if k == 0:
                break
            term = term * k / lam
            k -= 1
        else:
            k += 1
            term = term * lam / k
    return total, lower


def print_references():
    for c, mean in grid():
        tail, lower = smaller_tail(c, mpmath.mpf(mean))
        values = (tail, 1 - tail) if lower else (1 - tail, tail)
        print("        {%d, %s, %sL, %sL}," % (c, repr(mean), mpmath.nstr(values[0], 22),
                                                mpmath.nstr(values[1], 22)))


if __name__ == "__main__":
    {"coefficients": print_coefficients, "references": print_references}[sys.argv[1]]()
