#pragma once
#include <string>

#include "fitting/fit_problem.h"

// The report of a fit as JSON: {"format": "fenlar-fit", "version": 1, "status", "parameters":
// [{"name", "start", "value", "sigma", "sigma_scaled"}], "correlation", "chi2", "dof",
// "chi2_per_dof", "iterations", "residuals": [{"angle_deg", "mode", "measured_GHz",
// "sigma_GHz", "model_GHz", "model_velocity", "normalized"}], "notes"}; parameters and
// correlation rows in the order of the fit. A number that is not finite is null.
std::string FitReportJson(const FitResult& result);
