#pragma once
#include <string>

#include "fitting/fit_problem.h"

// Why the problem cannot be fitted (no parameter, more parameters than data points, a point
// without a positive uncertainty or frequency, a starting stack that is not physical), or ""
// when it can. The names were checked by CheckFitParameters.
std::string RefusalOf(const FitProblem& problem);

// Weighted least squares of the measured frequencies over the parameters, from their values
// in the problem's stack: assigns the model's modes to the data with one full mode search per
// angle, follows them while the solver runs, and confirms them at the solution. A refused or
// unassignable problem gives a result that is not solved, with the reason as its status.
FitResult RunFit(const FitProblem& problem, const FitOptions& options = {});
