# Reference values of the plan selection tests: binomial and Poisson sums at 40 digits.
# python3 selection_references.py
from mpmath import mp, binomial, exp, factorial, mpf, nstr

mp.dps = 40


def b(x, n, p):
    return binomial(n, x) * p**x * (1 - p) ** (n - x)


def B(c, n, p):
    return sum(b(x, n, p) for x in range(c + 1))


def P(c, m):
    return sum(exp(-m) * m**x / factorial(x) for x in range(c + 1))


def double_pa(p, n1, a1, r1, n2, a2):
    return B(a1, n1, p) + sum(b(d, n1, p) * B(a2 - d, n2, p) for d in range(a1 + 1, r1))


def double_asn(p, n1, a1, r1, n2, a2):
    return n1 + n2 * sum(b(d, n1, p) for d in range(a1 + 1, r1))


def show(name, value):
    print(f"{name:34} {nstr(value, 17)}")


show("B(3;132,0.01)", B(3, 132, mpf("0.01")))
show("B(3;132,0.05)", B(3, 132, mpf("0.05")))
show("B(3;131,0.05)", B(3, 131, mpf("0.05")))
show("P(3;1.34)", P(3, mpf("1.34")))
show("P(3;6.7)", P(3, mpf("6.7")))
show("P(3;6.65)", P(3, mpf("6.65")))
show("B(3;130,0.0098)", B(3, 130, mpf("0.0098")))
show("B(3;130,0.051)", B(3, 130, mpf("0.051")))
show("B(3;129,0.051)", B(3, 129, mpf("0.051")))
show("B(3;153,0.01)", B(3, 153, mpf("0.01")))
show("B(3;153,0.05)", B(3, 153, mpf("0.05")))
show("B(3;152,0.05)", B(3, 152, mpf("0.05")))
plan = (60, 0, 4, 82, 3)
show("double Pa(0.01)", double_pa(mpf("0.01"), *plan))
show("double Pa(0.05)", double_pa(mpf("0.05"), *plan))
show("double ASN(0.01)", double_asn(mpf("0.01"), *plan))
