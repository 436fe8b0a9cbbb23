"""Reference values of the variables plan tests, computed with mpmath (python3 with mpmath 1.3).

  python3 variables_references.py nct t df delta      both tails of the noncentral t
  python3 variables_references.py centred1 p n k      centred bound, Form 1
  python3 variables_references.py centred2 p n M      centred bound, Form 2
  python3 variables_references.py known2 p n k Cp     Pa, SD known, two limits
  python3 variables_references.py aoql form n c lo hi  AOQL, SD unknown, two limits (form 1 or 2,
                                                       c = k or M), over lo <= p <= hi

Each is computed from its definition by quadrature at 30 digits, independently of the program's
series, solvers and rules.
"""
import sys

import mpmath as mp

mp.mp.dps = 30
HALF = mp.mpf(1) / 2


def ratio_log_density(nu):
    """ln of the density of S = sqrt(V / nu), V chi-square with nu degrees of freedom."""
    m = mp.mpf(nu) / 2
    c = mp.log(2) + m * mp.log(m) - mp.loggamma(m)
    return lambda s: c + (nu - 1) * mp.log(s) - m * s * s


def golden_peak(f, a, b, width):
    """Golden section for the peak of f on [a, b] until the bracket is at most width wide: the
    bracket and the larger value inside it."""
    ratio = (mp.sqrt(5) - 1) / 2
    x1, x2 = b - ratio * (b - a), a + ratio * (b - a)
    f1, f2 = f(x1), f(x2)
    while b - a > width:
        if f1 < f2:
            a, x1, f1 = x1, x2, f2
            x2 = a + ratio * (b - a)
            f2 = f(x2)
        else:
            b, x2, f2 = x2, x1, f1
            x1 = b - ratio * (b - a)
            f1 = f(x1)
    return a, b, max(f1, f2)


def nct_tail(t, nu, delta, upper):
    """E[Q(t S - delta)] (upper) or E[Phi(t S - delta)] (lower), integrated over u = ln S from
    the peak outward until the integrand is e^-130 of it."""
    t, delta, nu = mp.mpf(t), mp.mpf(delta), mp.mpf(nu)
    log_density = ratio_log_density(nu)

    def g(u):
        s = mp.e ** u
        x = delta - t * s if upper else t * s - delta
        return log_density(s) + u + mp.log(mp.ncdf(x))

    a, b, _ = golden_peak(g, mp.mpf(-800), mp.mpf(10), mp.mpf(10) ** -12)
    mode = (a + b) / 2
    peak = g(mode)
    h = mp.mpf(10) ** -6
    curvature = -(g(mode + h) - 2 * peak + g(mode - h)) / h ** 2
    step = (1 / mp.sqrt(curvature) if curvature > 0 else mp.mpf(1)) / 2
    points = [mode]
    while g(points[0]) > peak - 130:
        points.insert(0, points[0] - step)
    while g(points[-1]) > peak - 130:
        points.append(points[-1] + step)
    return mp.quad(lambda u: mp.e ** (g(u) - peak), points) * mp.e ** peak


def nct(t, nu, delta):
    lower, upper = nct_tail(t, nu, delta, False), nct_tail(t, nu, delta, True)
    return (lower, 1 - lower) if lower < upper else (1 - upper, upper)


def quantile(p):
    p = mp.mpf(p)
    return mp.findroot(lambda x: mp.ncdf(x) - p, mp.sqrt(2) * mp.erfinv(2 * p - 1))


def incomplete_beta(x, a):
    return mp.mpf(0) if x <= 0 else mp.mpf(1) if x >= 1 else mp.betainc(a, a, 0, x, regularized=True)


def inverse_beta(q, a):
    return mp.findroot(lambda x: incomplete_beta(x, a) - q, (mp.mpf(0), HALF), solver='illinois')


def ratio_points(nu, lo, hi):
    sd = 1 / mp.sqrt(2 * mp.mpf(nu))
    return sorted({lo, hi} | {1 + k * sd / 2 for k in range(-24, 25) if lo < 1 + k * sd / 2 < hi})


def centred_below(n, zh, k, bound):
    """The centred process's Pa over s / sigma = r <= bound: E[2 Phi(sqrt n (zh - k r)) - 1]."""
    nu, root = n - 1, mp.sqrt(n)
    density = ratio_log_density(nu)
    return mp.quad(lambda r: mp.e ** density(r) * mp.erf(root * (zh - k * r) / mp.sqrt(2)),
                   ratio_points(nu, mp.mpf(0), bound))


def centred1(p, n, k):
    n, k = mp.mpf(n), mp.mpf(k)
    zh, nu, root, a = -quantile(mp.mpf(p) / 2), n - 1, mp.sqrt(n), n / 2 - 1
    if k < 0:
        return 1 - 2 * nct(root * k, nu, root * zh)[0]
    if k == 0:
        return mp.erf(root * zh / mp.sqrt(2))
    bound = zh / k
    if n > 2 and HALF - HALF * k * root / nu > 0:
        percent = incomplete_beta(HALF - HALF * k * root / nu, a)
        bound = min(bound, zh * root / ((1 - 2 * inverse_beta(percent / 2, a)) * nu))
    return centred_below(n, zh, k, bound)


def centred2(p, n, M):
    """Given r = s / sigma the two estimates' points are y -+ e, y = 1/2 - K / r; the lot is
    accepted for the e where I(y - e) + I(y + e) <= P, found here by bisection at each r."""
    n = mp.mpf(n)
    zh, nu, a, P = -quantile(mp.mpf(p) / 2), n - 1, n / 2 - 1, mp.mpf(M) / 100
    xP, T = inverse_beta(P, a), inverse_beta(P / 2, a)
    K = zh * mp.sqrt(n) / (2 * nu)
    closed = T if a < 1 else xP / 2
    pa = centred_below(n, zh, (1 - 2 * xP) * nu / mp.sqrt(n), K / (HALF - closed))
    if a == 1:
        return pa
    other = xP / 2 if a < 1 else T
    density = ratio_log_density(nu)

    def edge(y):
        estimate = lambda e: incomplete_beta(y - e, a) + incomplete_beta(y + e, a) - P
        lo, hi, at_lo = mp.mpf(0), y, estimate(mp.mpf(0))
        for _ in range(80):
            middle = (lo + hi) / 2
            if (estimate(middle) < 0) == (at_lo < 0):
                lo = middle
            else:
                hi = middle
        return (lo + hi) / 2

    def accepted(r):
        y, c = HALF - K / r, 2 * nu * r
        e = edge(y)
        return mp.erf(c * e / mp.sqrt(2)) if a > 1 else 2 * (mp.ncdf(c * (xP - y)) - mp.ncdf(c * e))

    r1, r2 = sorted([K / (HALF - closed), K / (HALF - other)])
    return pa + mp.quad(lambda r: mp.e ** density(r) * accepted(r), ratio_points(nu, r1, r2))


def known2(p, n, k, Cp):
    d, root = 6 * mp.mpf(Cp), mp.sqrt(n)
    z = mp.findroot(lambda z: mp.ncdf(z) + mp.ncdf(-(z + d)) - mp.mpf(p), (-d / 2 - 40, -d / 2),
                    solver='illinois')
    return mp.ncdf(root * (d + z - k)) - mp.ncdf(root * (z + k))


def one_sided(p, n, k):
    root = mp.sqrt(n)
    return nct_tail(root * k, n - 1, -quantile(p) * root, True)


def aoql(form, n, c, lo, hi):
    """The largest p Pa(p), Pa the median of the centred bound, the one-sided bound and 1/2, on
    [lo, hi]: the AOQ on 40 levels spaced evenly in ln p, then every bend between two of them
    (where a bound crosses 1/2 or the other bound) solved for, and every peak among them narrowed
    by golden section."""
    n, c, lo, hi = mp.mpf(n), mp.mpf(c), mp.mpf(lo), mp.mpf(hi)
    k = c if form == 1 else (1 - 2 * inverse_beta(c / 100, n / 2 - 1)) * (n - 1) / mp.sqrt(n)
    bounds = lambda p: ((centred1 if form == 1 else centred2)(p, n, c), one_sided(p, n, k))
    aoq = lambda p: p * sorted(bounds(p) + (HALF,))[1]
    levels = [lo * (hi / lo) ** (mp.mpf(i) / 39) for i in range(40)]
    values = [bounds(p) for p in levels]
    grid = [p * sorted(v + (HALF,))[1] for p, v in zip(levels, values)]
    best = max(grid)
    for i in range(39):
        for bend in (lambda v: v[0] - HALF, lambda v: v[1] - HALF, lambda v: v[0] - v[1]):
            if bend(values[i]) * bend(values[i + 1]) < 0:
                p = mp.findroot(lambda p: bend(bounds(p)), (levels[i], levels[i + 1]),
                                solver='illinois')
                best = max(best, aoq(p))
    for i in range(1, 39):
        if grid[i] >= max(grid[i - 1], grid[i + 1]):
            peak = golden_peak(aoq, levels[i - 1], levels[i + 1], mp.mpf(10) ** -10 * levels[i])
            best = max(best, peak[2])
    return best


if __name__ == '__main__':
    function = {'nct': nct, 'centred1': centred1, 'centred2': centred2, 'known2': known2,
                'aoql': lambda form, *rest: aoql(int(form), *rest)}[sys.argv[1]]
    print(mp.nstr(function(*[float(x) for x in sys.argv[2:]]), 20))
