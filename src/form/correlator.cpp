#include <cmath>

#include "detg/measured_velocity.h"
#include "fitting/correlator_sum.h"
#include "base/fp_fault.h"
#include "form/evaluate_detg.h"
#include "form/field_names.h"
#include "form/input_checks.h"
#include "base/number_text.h"
#include "form/tform1.h"

namespace {
// |det_g| at the velocity of a measured frequency of angle i.
long double ModulusAtMeasured(TForm1& form, long double freqGHz, long double& vMeas, int i) {
  SimulationState& s = form.state;
  vMeas = MeasuredPhaseVelocity(s.laserNm, freqGHz, s.angleRad[i]);
  s.scanV = vMeas;
  return Modulus(EvaluateDetGAtFill(form));
}
}  // namespace

void TForm1::EvaluateCorrelator() {
  RefuseUnphysicalInputs(*this);
  ResizeMatrix(BoundaryMatrix, 14, 14);
  EnsureEvaluationUnits(*this, state);
  for (int i = 0; i < 14; ++i) {
    if (state.angleRad[i] == 0) {
      // An angle set back to 0 no longer counts: its old moduli are dropped.
      state.absDetR[i] = 0;
      state.absDetS1[i] = 0;
      continue;
    }
    state.qFill = ScanWaveNumber(state.angleRad[i], state.laserM);
    CheckFloatingPoint();
    state.absDetR[i] = ModulusAtMeasured(*this, state.freqR[i], state.vMeasR[i], i);
    state.absDetS1[i] = ModulusAtMeasured(*this, state.freqS1[i], state.vMeasS1[i], i);
  }
  const long double g = CorrelatorFromModuli(state.absDetR, state.absDetS1, Number(kZScaleField));
  CheckFloatingPoint();
  state.gCorrelator = g;
  SetText(kCorrelatorField, FormatSignificant(g, DigitsCorrelator));
}
