#include "fitting/dispersion_sweep.h"

#include <cmath>

#include "base/fp_fault.h"

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
  if (3 * angles * SweepVelocityCount(vMin, vMax, vStep) > kMaxSweepEvaluations)
    throw RefusedInput("The dispersion sweep would take more than 5 million det_g evaluations: "
                       "increase v_step or theta_step");
}
