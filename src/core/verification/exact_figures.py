#!/usr/bin/env python3
"""The expected figures of the worked example and of the offset data sets (WorkedExampleData.cpp,
OffsetData.cpp), computed exactly: the least-squares formulas in rational arithmetic on the data
as written (every offset value is a multiple of a power of two, so the doubles the program reads
are the written values), square roots and powers to 60 digits. The probabilities of the F ratios
are the program's own approximation (ProbabilidadF: Paulson's cube roots with the exponents
0.333 and 0.666, the small-d2 correction and the normal tail of formula 26.2.18), evaluated on
the exact F ratios. Run: python3 exact_figures.py"""
from decimal import Decimal, getcontext
from fractions import Fraction as F

getcontext().prec = 60


def dec(q):
    return Decimal(q.numerator) / Decimal(q.denominator)


def root(q):
    return dec(q).sqrt()


def upper_tail(x, d1, d2):
    """The program's upper tail of F for x >= 1, in 60 digits."""
    a1, a2 = Decimal(2) / 9 / d1, Decimal(2) / 9 / d2
    numerator = abs((1 - a2) * x ** Decimal("0.333") - 1 + a1)
    z = numerator / (a2 * x ** Decimal("0.666") + a1).sqrt()
    if d2 < 4:
        z = z * (1 + Decimal("0.08") * z ** 4 / Decimal(d2) ** 3)
    polynomial = 1 + z * (Decimal("0.196854") + z * (Decimal("0.115194") +
                                                     z * (Decimal("0.000344") +
                                                          z * Decimal("0.019527"))))
    return Decimal("0.5") / polynomial ** 4


def probability(f, d1, d2):
    """ProbabilidadF(f, d1, d2) of the program, on an exact ratio f."""
    if f <= 0:
        return Decimal(1)
    if f < 1:
        return 1 - upper_tail(dec(1 / f), d2, d1)
    return upper_tail(dec(f), d1, d2)


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
    sm = root(CME / Sxx)
    sb = root(CME * (F(1, n) + mx ** 2 / Sxx))
    out["SlopeT"] = dec(m) / sm
    out["InterceptT"] = dec(b) / sb
    if t is not None:  # the program's table value for n - 2 degrees of freedom
        out["SlopeUpperLimit"] = dec(m) + Decimal(t) * sm
        out["SlopeLowerLimit"] = dec(m) - Decimal(t) * sm
        out["InterceptUpperLimit"] = dec(b) + Decimal(t) * sb
        out["InterceptLowerLimit"] = dec(b) - Decimal(t) * sb
    out["ResidualDeviation"] = root(CME)
    out["VariationCoefficient"] = root(CME) * 100 / dec(my)
    out["Determination"] = dec(SCR / Syy)
    out["RegressionSumOfSquares"] = dec(SCR)
    out["ResidualSumOfSquares"] = dec(SCE)
    out["RegressionF"] = dec(SCR / CME)
    out["RegressionProbability"] = probability(SCR / CME, 1, n - 2)
    k, SCPE = 0, F(0)
    for r in replicates:
        level = Y[k:k + r]
        mean = sum(level) / r
        SCPE += sum((y - mean) ** 2 for y in level)
        k += r
    out["PureErrorSumOfSquares"] = dec(SCPE)
    out["LackOfFitSumOfSquares"] = dec(SCE - SCPE)
    levels = len(replicates)
    lack_df, pure_df = levels - 2, n - levels
    out["LackOfFitProbability"] = probability((SCE - SCPE) / lack_df / (SCPE / pure_df), lack_df,
                                              pure_df)
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
