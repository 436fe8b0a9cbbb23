#!/usr/bin/env python3
"""Long-run shares of lots under reduced, normal and tightened inspection: the switching rules
run lot by lot as a Markov chain, solved exactly with mpmath (40 digits). States:
- normal (c, h): c lots accepted in a row, h whether a lot of this normal period was not
  accepted. A lot not accepted within 4 lots of the previous one goes to tightened; the K-th
  accepted lot in a row goes to reduced with probability G, otherwise the count goes on from 7.
- tightened t: t lots accepted in a row; the 5th returns to normal.
- reduced: stays with probability A, otherwise returns to normal.

Run:  python3 switching_chain.py
"""
from mpmath import lu_solve, matrix, mp, mpf, nstr

mp.dps = 40


def shares(A, P, T, K, G):
    A, P, T, G = mpf(A), mpf(P), mpf(T), mpf(G)
    states = [("N", c, h) for c in range(K) for h in (0, 1)]
    states += [("T", t) for t in range(5)] + [("R",)]
    index = {s: i for i, s in enumerate(states)}
    size = len(states)
    step = [[mpf(0)] * size for _ in range(size)]

    def go(a, b, probability):
        step[index[a]][index[b]] += probability

    for s in states:
        if s[0] == "N":
            _, c, h = s
            if c + 1 == K:
                go(s, ("R",), P * G)
                go(s, ("N", 7, h), P * (1 - G))
            else:
                go(s, ("N", c + 1, h), P)
            go(s, ("T", 0) if h and c <= 3 else ("N", 0, 1), 1 - P)
        elif s[0] == "T":
            go(s, ("N", 0, 0) if s[1] == 4 else ("T", s[1] + 1), T)
            go(s, ("T", 0), 1 - T)
        else:
            go(s, ("R",), A)
            go(s, ("N", 0, 0), 1 - A)
    # The stationary distribution: pi = pi x step, with the last equation replaced by sum pi = 1.
    system = matrix(size, size)
    right = matrix(size, 1)
    for j in range(size):
        for i in range(size):
            system[j, i] = step[i][j] - (1 if i == j else 0)
    for i in range(size):
        system[size - 1, i] = 1
    right[size - 1] = 1
    pi = lu_solve(system, right)

    def share(regime):
        return sum(pi[index[s]] for s in states if s[0] == regime)

    return share("R"), share("N"), share("T")


CASES = [
    (0.95, 0.9, 0.8, 10, 1),
    (0.95, 0.9, 0.8, 10, 0),
    (0.95, 0.9, 0.8, 16, 0.5),
    # Near perfect quality: the shares must keep their digits as P nears 1.
    (0.999, 1 - 2.0 ** -30, 0.95, 13, 0.25),
]

if __name__ == "__main__":
    for case in CASES:
        values = ", ".join(nstr(x if abs(x) > mpf(10) ** -30 else 0, 17) for x in shares(*case))
        print("%r: %s" % (case, values))
