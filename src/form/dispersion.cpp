#include <cmath>
#include <optional>
#include <vector>

#include "detg/measured_velocity.h"
#include "detg/velocity_grid.h"
#include "fitting/certified_zero_test.h"
#include "fitting/dispersion_sweep.h"
#include "base/fp_fault.h"
#include "form/dispersion_scale.h"
#include "form/field_names.h"
#include "form/input_checks.h"
#include "form/prefetch_sources.h"
#include "form/state_restore.h"
#include "form/tform1.h"

namespace {
// Refuses steps that would never end the sweep or keep the window busy for many minutes,
// before anything is computed or drawn.
void RefuseUnusableSweep(const TForm1& form) {
  RefuseUnphysicalInputs(form);
  const VelocityRange range = DispersionVelocityRange(form);
  const long double vStep = form.Number(kVStepField);
  RefuseEndlessVelocityGrid(range.min, range.max, vStep);
  RefuseOversizedSweep(range.min, range.max, vStep, ThetaStepRad(form.Number(kThetaStepField)));
}

void ReadSweepSettings(TForm1& form) {
  SimulationState& s = form.state;
  s.zeroSens = form.Number(kZeroSensField);
  s.bulkSep = form.Number(kVStepField) * form.Number(kBulkSeparField);
  s.thetaStepRad = ThetaStepRad(form.Number(kThetaStepField));
  s.thetaStartRad = kThetaStartRad;
  s.thetaEndRad = kThetaEndRad;
  s.laserM = form.Number(kLaserField) * 1e-9L;
}

// The same zero is drawn again at every velocity step until the next one is found; it is
// recorded once.
void RecordPoint(std::vector<DispersionPoint>& points, const DispersionPoint& p) {
  if (points.empty() || !(points.back() == p)) points.push_back(p);
}

// The latest zero as a 2 x 2 red square at the abscissa of the current angle, when it passes
// the velocity filter and the abscissa lies strictly inside the qd window of the fields.
// sinTheta is sinl(thetaRad), taken once per angle.
void PlotLastZero(TForm1& form, const PlotScale& scale, long double sinTheta) {
  SimulationState& s = form.state;
  const long double fourPi = kFourPiApprox;
  s.qdScaled = 100 * fourPi * sinTheta * s.depthNm[2] / s.laserNm;
  CheckFloatingPoint();
  const std::optional<Pixel> p = scale.ToPixel(s.qdScaled, s.lastZeroV);
  if (!p) return;
  s.pixelX = p->x;
  s.pixelY = p->y;
  if (form.AcceptZero(s.lastZeroV) && form.Number(kQdMinField) * 100 < s.qdScaled &&
      s.qdScaled < form.Number(kQdMaxField) * 100) {
    form.canvas.FillRect(s.pixelX, s.pixelY, s.pixelX + 2, s.pixelY + 2);
    RecordPoint(form.records.dispersion, {s.thetaRad * 180 / kSweepPi, s.qdScaled / 100, s.lastZeroV});
  }
}
}  // namespace

void TForm1::TraceDispersion() {
  RefuseUnusableSweep(*this);
  StateRestore restore(*this);
  state.gpaToPa = 1e9L;
  state.vStep = Number(kVStepField);
  const VelocityRange range = DispersionVelocityRange(*this);
  state.vMin = range.min;
  state.vMax = range.max;
  ResizeMatrix(BoundaryMatrix, 14, 14);
  const PlotScale scale = DispersionCurveScale(*this);
  ReadSweepSettings(*this);
  canvas.penColor = colors::Red;
  canvas.brushColor = colors::Red;
  records.dispersion.clear();
  const PrefetchScope prefetch(*this, [this] { return SweepSource(*this); },
                               StencilGroups(ZeroRuleOfItem(ItemIndex(kDetgAxisGroup))));

  for (state.thetaRad = state.thetaStartRad; state.thetaRad < state.thetaEndRad;
       state.thetaRad += state.thetaStepRad) {
    state.qFill = ScanWaveNumber(state.thetaRad, state.laserM);
    CheckFloatingPoint();
    // The wave number took the same sine: whatever it could raise was met just now.
    const long double sinTheta = sinl(state.thetaRad);
    for (state.scanV = state.vMin; state.scanV < state.vMax;) {
      TestForZero(state.scanV);
      state.scanV += state.vStep;
      PlotLastZero(*this, scale, sinTheta);
    }
  }
  restore.Commit();
}
