#pragma once
#include <string>
#include <vector>

#include "fitting/fit_problem.h"

class TForm1;

// The fit as the window runs it, and the last one it ran.
struct WindowFit {
  FitProblem problem;
  FitResult result;
};

// The problem of the window as it stands: the stack from the modified constants, the density
// and thickness fields and the laser line; every measured frequency typed in the measured-data
// table (R, S_1 .. S_4 of each column with an angle), weighted by its +/- value. The reason
// it cannot be fitted, naming the field, or "" with the problem filled.
std::string WindowFitProblem(TForm1& form, const std::vector<std::string>& names,
                             FitProblem& problem);

// Runs the fit and keeps it as the form's last fit; changes no field. A refusal is shown
// through the message sink and returns false.
bool RunWindowFit(TForm1& form, const std::vector<std::string>& names, const FitOptions& options);

// Writes the last fit's values into the starting and thickness fields with 6 significant
// digits, returns every Handy Mode slider to 0 and takes the starting data, then recomputes
// as "det_g" does. False, with a message, when there is no solved fit.
bool ApplyWindowFit(TForm1& form);

// The last fit's JSON report, written safely over path; false with a message when it fails.
bool ExportWindowFit(const TForm1& form, const std::string& path);
