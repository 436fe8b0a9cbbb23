#!/usr/bin/env python3
"""Coefficients of the rational approximations of Mills' ratio R(x) = Q(x) / phi(x) of the
standard normal in stats/MillsRatio.cpp, fitted with mpmath (python3 with mpmath 1.3) at 60
digits, and the test values of tests/stats/SpecialFunctionsTest.cpp.

  python3 mills_ratio_coefficients.py           the coefficients and the fits' relative errors
  python3 mills_ratio_coefficients.py x ...     R(x) at 30 digits

For 0 <= x <= 4, R(x) = P(x) / Q(x) with P and Q of degree 8; for x >= 4, x R(x) = P(z) / Q(z)
with z = 1 / x^2 and P and Q of degree 6 (x R(x) tends to 1 as z tends to 0). Each is fitted by
least squares in the relative error, linearised as P - f (Q - 1) = f and reweighted by 1 / (f Q)
of the last round (Loeb's iteration), on 300 Chebyshev points; the relative error is then
measured on 2001 points of the interval.
"""
import sys

import mpmath as mp

mp.mp.dps = 60
SPLIT = mp.mpf(4)


def mills(x):
    x = mp.mpf(x)
    return mp.erfc(x / mp.sqrt(2)) / 2 / mp.npdf(x)


def scaled(z):
    """x R(x) at x = 1 / sqrt(z)."""
    return mp.mpf(1) if z == 0 else mills(1 / mp.sqrt(z)) / mp.sqrt(z)


def fit(f, a, b, degree, rounds=12, count=300):
    points = [(a + b) / 2 + (b - a) / 2 * mp.cos(mp.pi * (k + mp.mpf(1) / 2) / count)
              for k in range(count)]
    values = [f(v) for v in points]
    weights = [1 / abs(value) for value in values]
    for _ in range(rounds):
        rows = [[w * v ** i for i in range(degree + 1)] +
                [-w * value * v ** j for j in range(1, degree + 1)]
                for v, value, w in zip(points, values, weights)]
        solution, _ = mp.qr_solve(mp.matrix(rows),
                                  mp.matrix([w * value for value, w in zip(values, weights)]))
        p = [solution[i] for i in range(degree + 1)]
        q = [mp.mpf(1)] + [solution[degree + j] for j in range(1, degree + 1)]
        weights = [1 / abs(value * mp.polyval(q[::-1], v)) for v, value in zip(points, values)]
    error = max(abs(mp.polyval(p[::-1], v) / mp.polyval(q[::-1], v) / f(v) - 1)
                for v in (a + (b - a) * mp.mpf(k) / 2000 for k in range(2001)))
    return p, q, error


def main():
    if len(sys.argv) > 1:
        for x in sys.argv[1:]:
            print(x, mp.nstr(mills(mp.mpf(x)), 30))
        return
    for name, (p, q, error) in (('below', fit(mills, mp.mpf(0), SPLIT, 8)),
                                ('above', fit(scaled, mp.mpf(0), 1 / SPLIT ** 2, 6))):
        print(f'{name}: relative error {mp.nstr(error, 3)}')
        for label, c in (('numerator', p), ('denominator', q)):
            print(f'  {label}: ' + ', '.join(mp.nstr(v, 20) for v in c))


if __name__ == '__main__':
    main()
