#pragma once

// The angle grid of the dispersion sweep converts degrees with this pi, not with the factor of
// the typed measurement angles.
inline constexpr long double kSweepPi = 3.141592654L;
inline constexpr long double kThetaStartRad = 0.08726646261111111L;  // 5 degrees
inline constexpr long double kThetaEndRad = 1.4835298643888888L;     // 85 degrees

// theta_step in degrees to radians: (degrees x (1/180)) x 3.141592654.
long double ThetaStepRad(long double degrees);

// More det_g evaluations than this would keep the window busy for minutes.
inline constexpr long double kMaxSweepEvaluations = 2e7L;
inline constexpr long double kMaxSweepAngles = 1e6L;

// Number of velocities vMin, vMin + vStep, ... below vMax (0 for an empty range).
long double SweepVelocityCount(long double vMin, long double vMax, long double vStep);

// Refuses (RefusedInput) a theta step that is not positive, an angle grid of more than
// kMaxSweepAngles angles, or a sweep of more than kMaxSweepEvaluations evaluations (three per
// velocity step). The velocity step itself is checked by the velocity-grid refusal.
void RefuseOversizedSweep(long double vMin, long double vMax, long double vStep,
                          long double thetaStepRad);
