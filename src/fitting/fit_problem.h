#pragma once
#include <functional>
#include <string>
#include <vector>

#include "fitting/fit_parameters.h"
#include "model/boundary_fill.h"

// One measured frequency: the mode'th lowest model mode (0 R, 1 S_1, ...) at the angle.
struct FitMeasurement {
  long double angleDeg = 0;
  int mode = 0;
  long double frequencyGHz = 0, sigmaGHz = 0;
};

// What a fit starts from: the stack as the window models it (the modified constants), the
// laser line, the parameters to vary and the data.
struct FitProblem {
  StackInputs stack;
  long double laserNm = 0;
  std::vector<FitParameter> parameters;
  std::vector<FitMeasurement> measurements;
};

struct FitResidual {
  double angleDeg = 0;
  int mode = 0;
  double measuredGHz = 0, sigmaGHz = 0, modelGHz = 0, modelVelocity = 0;
  double normalized = 0;  // (model - measured) / sigma
};

struct FitResult {
  bool solved = false;     // values, uncertainties and residuals below are meaningful
  std::string status;      // how the fit ended, in words
  std::vector<std::string> names;
  std::vector<double> start, value, sigma, sigmaScaled;  // NaN where not determined
  std::vector<std::vector<double>> correlation;
  double chi2 = 0;
  int dof = 0, iterations = 0;
  std::vector<FitResidual> residuals;
  std::vector<std::string> notes;  // bounds reached, parameters the data cannot separate
};

struct FitOptions {
  int maxIterations = 50;
  // One full mode search per angle at the solution checks that every followed mode is still
  // the one the data name.
  bool confirmAtSolution = true;
  // The velocities of the data's modes at the start, per distinct angle in the order the data
  // first name it and per mode number ascending, when an earlier search of the same start
  // found them; empty: one full mode search per angle assigns them.
  std::vector<std::vector<long double>> startVelocities;
  std::function<bool()> cancelled;
  std::function<void(int iteration)> progress;
};
