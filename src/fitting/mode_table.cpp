#include "fitting/mode_table.h"

#include "base/fp_fault.h"
#include "fitting/mode_finder.h"
#include "fitting/mode_function.h"
#include "fitting/mode_sweep.h"

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
  std::vector<const MeasuredAngle*> probed;
  std::vector<long double> qs;
  for (const MeasuredAngle& a : angles) {
    if (a.angleDeg == 0) continue;
    probed.push_back(&a);
    qs.push_back(ScatteringWaveNumber(a.angleDeg, laserNm));
  }
  int terms = 0;
  const auto found = [&](std::size_t i, const std::vector<Mode>& modes) {
    const MeasuredAngle& a = *probed[i];
    for (std::size_t k = 0; k < kTableModes; ++k) {
      if (a.freqGHz[k] == 0) continue;
      table.rows.push_back(RowOf(a, k, modes, laserNm));
      const ModeTableRow& row = table.rows.back();
      if (!row.normalizedKnown) continue;
      table.chi2 += row.normalized * row.normalized;
      ++terms;
    }
  };
  if (!FindModesInTurn(stack, qs, found, cancelled)) return std::nullopt;
  table.dof = terms - fittedParameters;
  return table;
}

const char* MissingModeText() { return "missing (above vT of the substrate)"; }
