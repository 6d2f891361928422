# The expected figures of the validation statistics for the reference studies of the verification
# (ValidationData.cpp) and of the tests (tests/core/stats/tst_validation.cpp), derived once with R
# (Debian's r-base-core): lm() for the fits, bartlett.test(), shapiro.test(), pf(), qf() and
# qt(). Levene's test centred on the medians is the one-way analysis of variance of the absolute
# deviations from each level's median (Brown and Forsythe), Cochran's C and its critical value
# and Mandel's test are written out as their definitions. Run: Rscript validation_figures.R
#
# The fits are made on X and Y measured from their first values (exact for the data here), so
# that studies far from zero keep their digits in lm()'s decomposition; slopes, residuals and
# sums of squares do not depend on where zero is, and the intercepts are shifted back.
#
# Each figure is printed with 17 significant digits, named as the tests name it; a statistic that
# does not apply prints NA.

options(digits = 17)

show <- function(name, value) {
  cat(sprintf("    %-28s %s\n", name, if (is.na(value)) "NA" else format(value, digits = 17)))
}

# The X at which a line of slope m through (mx, my) gives y, every value measured from the
# study's first observation (x0, y0): data far from zero lose no digits to their offset.
read_back <- function(y, m, mx, my, x0) x0 + mx + (y - my) / m

validation <- function(name, reps, x, y) {
  cat(name, "\n")
  level <- factor(rep(seq_along(reps), reps))
  N <- length(x)
  k <- length(reps)
  x0 <- x[1]
  y0 <- y[1]
  xc <- x - x0
  yc <- y - y0
  fit <- lm(yc ~ xc)
  m <- unname(coef(fit)[2])

  for (i in seq_len(k)) {
    yi <- y[level == i]
    xi <- mean(x[level == i])
    my <- mean(yi)
    sd_y <- if (length(yi) > 1) sd(yi) else NA
    xr <- read_back(mean(yc[level == i]), m, mean(xc), mean(yc), x0)
    show(sprintf("nivel %d media Y", i), my)
    show(sprintf("nivel %d DE", i), sd_y)
    show(sprintf("nivel %d CV", i), 100 * sd_y / abs(my))
    show(sprintf("nivel %d X recalculada", i), xr)
    show(sprintf("nivel %d error relativo", i), if (xi != 0) 100 * (xr - xi) / xi else NA)
  }

  f <- y[x != 0] / x[x != 0]
  show("factor media", mean(f))
  show("factor DE", sd(f))
  show("factor CV", 100 * sd(f) / abs(mean(f)))

  counts <- as.vector(table(level))
  used <- levels(level)[counts >= 2]
  variances <- tapply(y, level, var)[used]
  if (length(used) >= 2 && all(variances > 0)) {
    keep <- level %in% used
    yu <- y[keep]
    lu <- droplevels(level[keep])
    b <- bartlett.test(yu, lu)
    show("Bartlett chi2", unname(b$statistic))
    show("Bartlett gl", unname(b$parameter))
    show("Bartlett p", b$p.value)
    z <- abs(yu - ave(yu, lu, FUN = median))
    # With two replicates both deviations from the median are equal: nothing varies within
    # the levels and the test does not apply.
    if (any(table(lu) > 2)) {
      a <- anova(lm(z ~ lu))
      show("Levene F", a[["F value"]][1])
      show("Levene p", a[["Pr(>F)"]][1])
    } else {
      show("Levene F", NA)
    }
    show("Cochran C", max(variances) / sum(variances))
    n <- counts[counts >= 2]
    if (all(n == n[1])) {
      ku <- length(used)
      Fq <- qf(1 - 0.05 / ku, n[1] - 1, (n[1] - 1) * (ku - 1))
      show("Cochran critico", 1 / (1 + (ku - 1) / Fq))
    }
  }

  if (N >= 4) {
    quadratic <- lm(yc ~ xc + I(xc^2))
    Fm <- (deviance(fit) - deviance(quadratic)) / (deviance(quadratic) / (N - 3))
    show("Mandel F", Fm)
    show("Mandel p", pf(Fm, 1, N - 3, lower.tail = FALSE))
  }

  s <- shapiro.test(residuals(fit))
  show("Shapiro-Wilk W", unname(s$statistic))
  show("Shapiro-Wilk p", s$p.value)

  Freg <- anova(fit)[["F value"]][1]
  show("F regresion", Freg)
  show("p exacta regresion", pf(Freg, 1, N - 2, lower.tail = FALSE))
  if (N > k) {
    SCPE <- sum((y - ave(y, level))^2)
    Flof <- ((deviance(fit) - SCPE) / (k - 2)) / (SCPE / (N - k))
    show("F falta de ajuste", Flof)
    show("p exacta falta de ajuste", pf(Flof, k - 2, N - k, lower.tail = FALSE))
  }

  weights <- list("1" = rep(1, N), "1/x" = 1 / x, "1/x^2" = 1 / x^2, "1/y" = 1 / y,
                  "1/y^2" = 1 / y^2)
  for (w in names(weights)) {
    needs <- if (w %in% c("1/x", "1/x^2")) x else if (w %in% c("1/y", "1/y^2")) y else 1
    if (any(needs <= 0)) next
    wf <- lm(yc ~ xc, weights = weights[[w]])
    mw <- unname(coef(wf)[2])
    mx <- weighted.mean(xc, weights[[w]])
    my <- weighted.mean(yc, weights[[w]])
    back <- read_back(yc[x != 0], mw, mx, my, x0)
    show(paste(w, "pendiente"), mw)
    show(paste(w, "ordenada"), unname(coef(wf)[1]) + y0 - mw * x0)
    show(paste(w, "suma"), sum(abs(100 * (back - x[x != 0]) / x[x != 0])))
  }

  r <- 100 * y[x != 0] / x[x != 0]
  half <- qt(0.975, length(r) - 1) * sd(r) / sqrt(length(r))
  show("recobro media", mean(r))
  show("recobro DE", sd(r))
  show("recobro CV", 100 * sd(r) / abs(mean(r)))
  show("recobro IC inferior", mean(r) - half)
  show("recobro IC superior", mean(r) + half)
  cat("\n")
}

validation("ejemplo trabajado", c(2, 2, 2), c(1, 1, 2, 2, 3, 3), c(1.0, 1.2, 2.1, 1.9, 3.2, 2.9))

validation("valoracion 80-120", c(3, 3, 3, 3, 3),
           rep(c(80, 90, 100, 110, 120), each = 3),
           c(798.4, 803.1, 801.2, 902.6, 897.9, 899.8, 1001.7, 998.2, 1004.3,
             1097.5, 1102.8, 1100.1, 1203.9, 1196.4, 1199.6))

validation("replicas desiguales", c(2, 3, 4, 3),
           c(2, 2, 4, 4, 4, 6, 6, 6, 6, 8, 8, 8),
           c(0.198, 0.205, 0.402, 0.395, 0.411, 0.597, 0.606, 0.589, 0.611, 0.806, 0.791, 0.799))

validation("una replica", c(1, 1, 1, 1, 1), c(2, 4, 6, 8, 10),
           c(0.101, 0.198, 0.307, 0.398, 0.502))

validation("blanco en X = 0", c(3, 3, 3, 3),
           rep(c(0, 5, 10, 15), each = 3),
           c(0.003, 0.001, 0.004, 0.251, 0.247, 0.255, 0.502, 0.497, 0.509, 0.748, 0.755, 0.751))

validation("pendiente negativa", c(2, 2, 2, 2), c(1, 1, 2, 2, 3, 3, 4, 4),
           c(9.8, 10.1, 7.9, 8.2, 6.1, 5.8, 4.0, 4.2))

validation("areas cerca de 1E8", c(2, 2, 2, 2, 2), rep(1:5, each = 2),
           c(100000001.25, 100000000.75, 100000003.5, 100000002.75, 100000005,
             100000004.75, 100000007.25, 100000006.5, 100000009, 100000008.75))

validation("curva", c(3, 3, 3, 3, 3), rep(1:5, each = 3),
           c(1.02, 0.98, 1.01, 3.95, 4.05, 4.01, 9.02, 8.97, 9.05, 16.1, 15.9, 16.0,
             25.1, 24.9, 25.0))

validation("recobro", c(3, 3, 3, 3, 3), rep(c(50, 75, 100, 125, 150), each = 3),
           c(49.6, 50.3, 49.4, 74.8, 75.6, 74.1, 99.2, 100.8, 100.3, 124.1, 125.9, 124.6,
             149.2, 150.9, 148.8))

validation("tres niveles de una replica", c(1, 1, 1), c(1, 2, 3), c(1.1, 1.9, 3.2))

validation("cuatro niveles de una replica", c(1, 1, 1, 1), c(1, 2, 3, 4), c(1.1, 1.9, 3.2, 3.9))

# Shapiro-Wilk on samples of each size the algorithm treats apart: 3 (exact), 4 and 5 (one
# corrected coefficient), 6 to 11, and 12 or more; the weights of 11 men of Shapiro and Wilk's
# paper (Biometrika 52, 1965, p. 604: W = 0.79).
samples <- list(
  "n3" = c(1, 2, 4),
  "n4" = c(2.1, 3.4, 1.9, 5.6),
  "n5" = c(0.5, 1.5, 1.6, 2.2, 9.0),
  "n11 Shapiro-Wilk 1965" = c(148, 154, 158, 160, 161, 162, 166, 170, 182, 195, 236),
  "n12" = c(10.2, 9.8, 10.1, 10.4, 9.9, 10.0, 10.3, 9.7, 10.6, 9.5, 10.2, 12.9),
  "n20" = c(3.1, 2.9, 3.4, 3.0, 2.8, 3.3, 3.2, 3.1, 2.7, 3.6, 3.0, 2.9, 3.5, 3.2, 3.1, 2.6,
            3.3, 3.0, 3.4, 2.8)
)
cat("Shapiro-Wilk\n")
for (name in names(samples)) {
  s <- shapiro.test(samples[[name]])
  cat(sprintf("    %-24s W %s p %s\n", name, format(unname(s$statistic), digits = 17),
              format(s$p.value, digits = 17)))
}
