#include "fitting/mode_table.h"

#include "base/fp_fault.h"
#include "fitting/mode_finder.h"
#include "fitting/mode_function.h"

namespace {

ModeTableRow RowOf(const MeasuredAngle& a, std::size_t k, const std::vector<Mode>& modes,
                   long double laserNm) {
  ModeTableRow row;
  row.angleDeg = a.angleDeg;
  row.mode = ModeLabel(k);
  row.measuredGHz = a.freqGHz[k];
  row.sigmaGHz = a.sigmaGHz[k];
  row.missing = k >= modes.size();
  if (row.missing) return row;
  row.modelVelocity = modes[k].velocity;
  row.modelGHz = ModeFrequencyGHz(row.modelVelocity, a.angleDeg, laserNm);
  row.residualGHz = row.measuredGHz - row.modelGHz;
  row.normalizedKnown = row.sigmaGHz > 0;
  if (row.normalizedKnown) row.normalized = row.residualGHz / row.sigmaGHz;
  return row;
}

}  // namespace

std::optional<ModeTable> BuildModeTable(const StackInputs& stack, long double laserNm,
                                        const std::vector<MeasuredAngle>& angles,
                                        int fittedParameters,
                                        const std::function<bool()>& cancelled) {
  if (!(laserNm > 0)) throw RefusedInput("The mode table needs a positive laser line.");
  ModeTable table;
  table.substrateVT = ModeFunction(stack, 0).SubstrateTransverseLimit();
  int terms = 0;
  for (const MeasuredAngle& a : angles) {
    if (a.angleDeg == 0) continue;
    const long double q = ScatteringWaveNumber(a.angleDeg, laserNm);
    const std::optional<std::vector<Mode>> modes = FindModes(stack, q, cancelled);
    if (!modes) return std::nullopt;
    for (std::size_t k = 0; k < kTableModes; ++k) {
      if (a.freqGHz[k] == 0) continue;
      table.rows.push_back(RowOf(a, k, *modes, laserNm));
      const ModeTableRow& row = table.rows.back();
      if (!row.normalizedKnown) continue;
      table.chi2 += row.normalized * row.normalized;
      ++terms;
    }
  }
  table.dof = terms - fittedParameters;
  return table;
}

const char* MissingModeText() { return "missing (above vT of the substrate)"; }
