#include "fitting/measured_points.h"

#include <algorithm>

#include "base/fp_fault.h"
#include "detg/measured_velocity.h"
#include "model/complex_ld.h"

namespace {
bool SameArray(const long double (&a)[14], const long double (&b)[14]) {
  for (int i = 0; i < 14; ++i)
    if (!SameBits(a[i], b[i])) return false;
  return true;
}
}  // namespace

bool MeasuredPoints::SameSource(const SimulationState& s) const {
  return valid_ && SameBits(laserNm_, s.laserNm) && SameBits(laserM_, s.laserM) &&
         SameArray(angleRad_, s.angleRad) && SameArray(freqR_, s.freqR) &&
         SameArray(freqS1_, s.freqS1);
}

void MeasuredPoints::Update(const SimulationState& s) {
  if (SameSource(s)) return;
  const FloatingPointFlagsKept kept;
  ClearFloatingPointFlags();
  count_ = 0;
  for (int i = 0; i < 14; ++i) {
    if (s.angleRad[i] == 0) continue;
    MeasuredPoint& p = points_[count_++];
    p.angle = i;
    p.q = ScanWaveNumber(s.angleRad[i], s.laserM);
    p.vR = MeasuredPhaseVelocity(s.laserNm, s.freqR[i], s.angleRad[i]);
    p.vS1 = MeasuredPhaseVelocity(s.laserNm, s.freqS1[i], s.angleRad[i]);
  }
  faulted_ = FloatingPointFaultRaised();
  laserNm_ = s.laserNm;
  laserM_ = s.laserM;
  std::copy(s.angleRad, s.angleRad + 14, angleRad_);
  std::copy(s.freqR, s.freqR + 14, freqR_);
  std::copy(s.freqS1, s.freqS1 + 14, freqS1_);
  valid_ = true;
}
