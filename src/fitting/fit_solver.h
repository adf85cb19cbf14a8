#pragma once
#include <string>

#include "fitting/fit_problem.h"

// Why the problem cannot be fitted (no data, more parameters than data points, an uncertainty
// that is not positive, a parameter list that CheckFitParameters refuses was already refused
// by the caller), or "" when it can.
std::string RefusalOf(const FitProblem& problem);

// Weighted least squares of the measured frequencies over the parameters, from their values
// in the problem's stack: assigns the model's modes to the data with one full mode search per
// angle, follows them while the solver runs, and confirms them at the solution. A refused or
// unassignable problem gives a result that is not solved, with the reason as its status.
FitResult RunFit(const FitProblem& problem, const FitOptions& options = {});
