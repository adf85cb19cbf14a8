#include "detg/measured_velocity.h"

#include <cmath>

long double MeasuredPhaseVelocity(long double laserNm, long double freqGHz, long double angleRad) {
  return laserNm * freqGHz / (2 * sinl(angleRad));
}

long double MeasuredQd100(long double angleRad, long double totalDepthNm, long double laserNm) {
  const long double fourPi = kFourPiApprox;
  return ((sinl(angleRad) * (fourPi * totalDepthNm)) * 100) / laserNm;
}

long double ScanWaveNumber(long double angleRad, long double laserM) {
  const long double fourPi = kFourPiApprox;
  return fourPi * sinl(angleRad) / laserM;
}
