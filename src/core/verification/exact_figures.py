#!/usr/bin/env python3
"""The expected figures of the worked example and of the offset data sets (WorkedExampleData.cpp,
OffsetData.cpp), computed exactly: the least-squares formulas in rational arithmetic on the data
as written (every offset value is a multiple of a power of two, so the doubles the program reads
are the written values), square roots to 60 digits. Run: python3 exact_figures.py"""
from decimal import Decimal, getcontext
from fractions import Fraction as F

getcontext().prec = 60


def dec(q):
    return Decimal(q.numerator) / Decimal(q.denominator)


def root(q):
    return dec(q).sqrt()


def figures(replicates, xs, ys, t=None):
    X = [F(x) for x in xs]
    Y = [F(y) for y in ys]
    n = len(X)
    mx, my = sum(X) / n, sum(Y) / n
    Sxx = sum((x - mx) ** 2 for x in X)
    Syy = sum((y - my) ** 2 for y in Y)
    Sxy = sum((x - mx) * (y - my) for x, y in zip(X, Y))
    m = Sxy / Sxx
    b = my - m * mx
    SCE, SCR = Syy - m * Sxy, m * Sxy
    CME = SCE / (n - 2)
    out = {"Slope": dec(m), "Intercept": dec(b)}
    if t is not None:  # the program's table value for n - 2 degrees of freedom
        sm = root(CME / Sxx)
        out["SlopeUpperLimit"] = dec(m) + Decimal(t) * sm
        out["SlopeLowerLimit"] = dec(m) - Decimal(t) * sm
    out["ResidualDeviation"] = root(CME)
    out["VariationCoefficient"] = root(CME) * 100 / dec(my)
    out["Determination"] = dec(SCR / Syy)
    out["RegressionSumOfSquares"] = dec(SCR)
    out["ResidualSumOfSquares"] = dec(SCE)
    out["RegressionF"] = dec(SCR / CME)
    k, SCPE = 0, F(0)
    for r in replicates:
        level = Y[k:k + r]
        mean = sum(level) / r
        SCPE += sum((y - mean) ** 2 for y in level)
        k += r
    out["PureErrorSumOfSquares"] = dec(SCPE)
    out["LackOfFitSumOfSquares"] = dec(SCE - SCPE)
    e = Y[0] - (m * X[0] + b)
    h = F(1, n) + (X[0] - mx) ** 2 / Sxx
    out["FirstStudentizedResidual"] = dec(e) / root(CME * (1 - h))
    return out


SETS = {
    "worked example": ([2, 2, 2], ["1", "1", "2", "2", "3", "3"],
                       ["1.0", "1.2", "2.1", "1.9", "3.2", "2.9"], "2.7764"),
    "areas near 1e8": ([2] * 5, ["1", "1", "2", "2", "3", "3", "4", "4", "5", "5"],
                       ["100000001.25", "100000000.75", "100000003.5", "100000002.75",
                        "100000005", "100000004.75", "100000007.25", "100000006.5",
                        "100000009", "100000008.75"], None),
    "amounts near 1e4": ([2, 2, 2],
                         ["10000.125", "10000.125", "10000.25", "10000.25", "10000.375",
                          "10000.375"],
                         ["1", "1.25", "2", "1.75", "3.25", "2.875"], None),
    "X and Y near 1e6": ([2, 2, 2],
                         ["1000001", "1000001", "1000002", "1000002", "1000003", "1000003"],
                         ["1000001", "1000001.25", "1000002", "1000001.75", "1000003.25",
                          "1000002.875"], None),
}

if __name__ == "__main__":
    for name, (replicates, xs, ys, t) in SETS.items():
        print(name)
        for figure, value in figures(replicates, xs, ys, t).items():
            print("  %-26s %s" % (figure, format(value, ".17g")))
