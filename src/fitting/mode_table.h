#pragma once
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "model/boundary_fill.h"

// The modes measured at one angle of incidence: frequency and uncertainty (GHz) of R, S_1 ..
// S_4. A frequency that is 0 (or an empty field) is no measurement.
inline constexpr int kTableModes = 5;
struct MeasuredAngle {
  long double angleDeg = 0;
  long double freqGHz[kTableModes] = {};
  long double sigmaGHz[kTableModes] = {};
};

// One measured mode beside the model's mode of the same rank at that angle: the lowest model
// mode for R, the next for S_1, and so on. Without a model mode of that rank (it would lie
// above the substrate's transverse velocity and leak into the substrate) the row is missing.
struct ModeTableRow {
  long double angleDeg = 0;
  std::string mode;  // "R", "S_1", ...
  long double measuredGHz = 0, sigmaGHz = 0;
  bool missing = false;
  long double modelGHz = 0, modelVelocity = 0;  // GHz, m/s
  long double residualGHz = 0;                  // measured - model
  bool normalizedKnown = false;                 // false when the uncertainty is not positive
  long double normalized = 0;                   // residual / uncertainty
};

// chi2 sums the squared normalized residuals; dof is the number of its terms less the fitted
// parameters.
struct ModeTable {
  std::vector<ModeTableRow> rows;
  long double substrateVT = 0;  // m/s, where the modes end
  long double chi2 = 0;
  int dof = 0;
};

// The table of the stack (its v and q are ignored; G must be set) at the laser line (nm).
// Angles of 0 are skipped; a laser line that is not positive is refused (RefusedInput).
// Nothing once `cancelled` says so.
std::optional<ModeTable> BuildModeTable(const StackInputs& stack, long double laserNm,
                                        const std::vector<MeasuredAngle>& angles,
                                        int fittedParameters = 0,
                                        const std::function<bool()>& cancelled = {});

// "missing (above vT of the substrate)" for a missing row.
const char* MissingModeText();
