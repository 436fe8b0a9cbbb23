#!/usr/bin/env python3
"""Long-run shares of lots under reduced, normal and tightened inspection: the switching rules
run lot by lot as a Markov chain, solved exactly with mpmath (40 digits).

shares(A, P, T, K, G), the rules with the limit-number condition as a probability. States:
- normal (c, h): c lots accepted in a row, h whether a lot of this normal period was not
  accepted. A lot not accepted within 4 lots of the previous one goes to tightened; the K-th
  accepted lot in a row goes to reduced with probability G, otherwise the count goes on from 7.
- tightened t: t lots accepted in a row; the 5th returns to normal.
- reduced: stays with probability A, otherwise returns to normal.

clean_run_shares(A, P0, P, T, K), the rules where reduced inspection asks for K lots in a row
accepted without a nonconforming unit (each with probability P0; lots are accepted with
probability P). Normal states (c, r): c such lots in a row, r the lots since the last lot not
accepted, 0 to 3, or 4 when none of the last 4 was. A lot accepted with a nonconforming unit
starts c again; a lot not accepted goes to tightened when r < 4, otherwise to (0, 0). Tightened
and reduced as above.

Run:  python3 switching_chain.py
"""
from mpmath import lu_solve, matrix, mp, mpf, nstr

mp.dps = 40


def stationary_shares(normal_states, fresh, step_normal, A, T):
    """The shares of the chain whose normal states step by step_normal(state, go); tightened and
    reduced return to the normal state fresh."""
    states = normal_states + [("T", t) for t in range(5)] + [("R",)]
    index = {s: i for i, s in enumerate(states)}
    size = len(states)
    step = [[mpf(0)] * size for _ in range(size)]

    def go(a, b, probability):
        step[index[a]][index[b]] += probability

    for s in states:
        if s[0] == "N":
            step_normal(s, go)
        elif s[0] == "T":
            go(s, fresh if s[1] == 4 else ("T", s[1] + 1), T)
            go(s, ("T", 0), 1 - T)
        else:
            go(s, ("R",), A)
            go(s, fresh, 1 - A)
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


def shares(A, P, T, K, G):
    A, P, T, G = mpf(A), mpf(P), mpf(T), mpf(G)

    def step(s, go):
        _, c, h = s
        if c + 1 == K:
            go(s, ("R",), P * G)
            go(s, ("N", 7, h), P * (1 - G))
        else:
            go(s, ("N", c + 1, h), P)
        go(s, ("T", 0) if h and c <= 3 else ("N", 0, 1), 1 - P)
    states = [("N", c, h) for c in range(K) for h in (0, 1)]
    return stationary_shares(states, ("N", 0, 0), step, A, T)


def clean_run_shares(A, P0, P, T, K):
    A, P0, P, T = mpf(A), mpf(P0), mpf(P), mpf(T)

    def step(s, go):
        _, c, r = s
        later = min(r + 1, 4)
        go(s, ("R",) if c + 1 == K else ("N", c + 1, later), P0)
        go(s, ("N", 0, later), P - P0)
        go(s, ("T", 0) if r < 4 else ("N", 0, 0), 1 - P)
    states = [("N", c, r) for r in range(5) for c in range(K) if r == 4 or c <= r]
    return stationary_shares(states, ("N", 0, 4), step, A, T)


CASES = [
    (0.95, 0.9, 0.8, 10, 1),
    (0.95, 0.9, 0.8, 10, 0),
    (0.95, 0.9, 0.8, 16, 0.5),
    # Near perfect quality: the shares must keep their digits as P nears 1.
    (0.999, 1 - 2.0 ** -30, 0.95, 13, 0.25),
]
CLEAN_RUN_CASES = [
    (0.95, 0.8, 0.9, 0.8, 10),
    (0.7, 0.3, 0.6, 0.5, 16),
    (0.999, 1 - 2.0 ** -20, 1 - 2.0 ** -30, 0.95, 13),
]

if __name__ == "__main__":
    for function, cases in ((shares, CASES), (clean_run_shares, CLEAN_RUN_CASES)):
        for case in cases:
            values = ", ".join(nstr(x if abs(x) > mpf(10) ** -30 else 0, 17)
                               for x in function(*case))
            print("%s%r: %s" % (function.__name__, case, values))
