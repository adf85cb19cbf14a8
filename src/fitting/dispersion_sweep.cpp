#include "fitting/dispersion_sweep.h"

#include <cmath>

#include "base/fp_fault.h"
#include "base/number_text.h"

long double ThetaStepRad(long double degrees) { return degrees * (1.0L / 180.0L) * kSweepPi; }

long double SweepVelocityCount(long double vMin, long double vMax, long double vStep) {
  if (!(vMin < vMax)) return 0;
  return ceill((vMax - vMin) / vStep);
}

void RefuseOversizedSweep(long double vMin, long double vMax, long double vStep,
                          long double thetaStepRad) {
  if (!(thetaStepRad > 0)) throw RefusedInput("The angle step theta_step must be greater than 0");
  const long double angles = ceill((kThetaEndRad - kThetaStartRad) / thetaStepRad);
  if (angles > kMaxSweepAngles)
    throw RefusedInput("The angle step theta_step is too small: the sweep would take more than "
                       "a million angles");
  const long double evaluations = 3 * angles * SweepVelocityCount(vMin, vMax, vStep);
  if (evaluations > kMaxSweepEvaluations)
    throw RefusedInput("The dispersion sweep would take " +
                       FormatSignificant(evaluations, DigitsPrecise) +
                       " det_g evaluations (at most 20000000): increase v_step (Edit179) or "
                       "theta_step (Edit188)");
}
