#!/usr/bin/env python3
"""Reference values of the binomial test at large n (python3 with mpmath): both tails
P(X <= c) and P(X > c) for X binomial(n, p), the smaller one summed term by term from c (or
c + 1) outward at 40 digits, the other one as 1 minus it.

The grid runs n from 1e4 to 1e9 and c over the centre and both sides of where the uniform
expansion of the incomplete beta function takes over from its continued fraction (about 7.07
standard deviations from the mean), with the smaller parameter near the expansion's least (500)
and far above it.
"""
import mpmath

mpmath.mp.dps = 40

# (n, p): the spread of p keeps the sums short enough for mpmath.
CASES = [(10**4, 0.0502), (10**4, 0.5), (10**6, 0.5), (10**9, 1e-6), (10**9, 1e-3)]
OFFSETS = [-9.0, -7.2, -7.0, -0.4, 0.0, 0.4, 7.0, 7.2, 9.0]


def smaller_tail(c, n, p):
    """The smaller of P(X <= c) and P(X > c), and whether it is the lower one."""
    p = mpmath.mpf(p)
    q = 1 - p
    lower = c < n * p
    k = c if lower else c + 1
    term = mpmath.exp(mpmath.loggamma(n + 1) - mpmath.loggamma(k + 1) -
                      mpmath.loggamma(n - k + 1) + k * mpmath.log(p) + (n - k) * mpmath.log(q))
    total = mpmath.mpf(0)
    while term > total * mpmath.mpf(10) ** -42:
        total += term
        if lower:
            if k == 0:
                break
            term = term * k / (n - k + 1) * q / p
            k -= 1
        else:
            if k == n:
                break
            term = term * (n - k) / (k + 1) * p / q
            k += 1
    return total, lower


def main():
    """Prints a row of the test's table for each (n, p): the counts, then P(X <= c) at the counts
    up to the middle one (at the mean) and P(X > c) at those beyond it, to 17 digits."""
    for n, p in CASES:
        sd = (n * p * (1 - p)) ** 0.5
        counts = [int(n * p + y * sd) for y in OFFSETS]
        tails = []
        for i, c in enumerate(counts):
            tail, lower = smaller_tail(c, n, p)
            tails.append(tail if lower == (i <= len(counts) // 2) else 1 - tail)
        print("{%d, %r, {%s}, {%s}}," % (n, p, ", ".join(map(str, counts)),
                                        ", ".join(mpmath.nstr(t, 17) + "L" for t in tails)))


if __name__ == "__main__":
    main()
