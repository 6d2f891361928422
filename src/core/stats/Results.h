#pragma once

#include <vector>

namespace linealidad {

// The fit and inference of a study. Each caller owns its record; the engine writes the fields
// in the order of its steps and leaves the others as they were.
struct ResultadosRegresion {
    double Pendiente = 0;       // slope m
    double Ordenada = 0;        // intercept b
    double LimSupPendiente = 0; // upper 95 % confidence limit of the slope
    double LimInfPendiente = 0;
    double TcalPendiente = 0; // t statistic of the slope
    double LimSupOrdenada = 0;
    double LimInfOrdenada = 0;
    double TcalOrdenada = 0;
    double DesvRegresion = 0; // standard deviation of regression, Sy/x
    double CoefVariacion = 0; // coefficient of variation of regression, percent
    double TTabla = 0;        // Student's t used for the limits
    double R2 = 0;            // coefficient of determination
};

// The analysis of variance. Degrees of freedom are held as doubles. The lack-of-fit and
// pure-error fields (but GLErrorPuro) are written only when the study has pure error.
struct ResultadosAnova {
    double SCRegresion = 0;
    double MCRegresion = 0;
    double FRegresion = 0;
    double PRegresion = 0;
    double GLError = 0;
    double SCError = 0;
    double MCError = 0;
    double GLFaltaAjuste = 0;
    double SCFaltaAjuste = 0;
    double MCFaltaAjuste = 0;
    double FFaltaAjuste = 0;
    double PFaltaAjuste = 0;
    double GLErrorPuro = 0;
    double SCErrorPuro = 0;
    double MCErrorPuro = 0;
};

// The residual analysis, one element per observation (element j - 1 is observation j). The
// arrays grow to the study's size when written and keep their contents between calls.
struct Residuals {
    std::vector<int> Observacion;
    std::vector<double> Pronostico;    // predicted Y
    std::vector<double> Residual;      // Y minus predicted Y
    std::vector<double> Estudentizado; // studentized residual
};

} // namespace linealidad
