#include "form/certified_map_node.h"

#include "base/fp_fault.h"
#include "detg/measured_velocity.h"
#include "form/evaluate_detg.h"
#include "form/field_names.h"
#include "form/fill_boundary_matrix.h"
#include "form/input_checks.h"
#include "form/tform1.h"

namespace {
constexpr std::size_t kMaxPoints = 28;

std::size_t UsedAngles(const SimulationState& s) {
  std::size_t used = 0;
  for (int i = 0; i < 14; ++i) used += s.angleRad[i] != 0;
  return used;
}
}  // namespace

CertifiedGroups MapNodeGroupsOf(const TForm1& form) {
  return MapNodeGroups(2 * UsedAngles(form.state), form.records.map.start.zScale);
}

std::optional<CertifiedNodeFigure> CertifiedMapNodeCorrelator(TForm1& form) {
  if (!form.parallelEvaluation) return std::nullopt;
  RefuseUnphysicalInputs(form);
  const long double zScale = form.Number(kZScaleField);
  if (!SameBits(zScale, form.records.map.start.zScale)) return std::nullopt;
  SimulationState& s = form.state;
  EnsureEvaluationUnits(form, s);
  StackInputs in[kMaxPoints];
  std::size_t n = 0;
  for (int i = 0; i < 14; ++i) {
    if (s.angleRad[i] == 0) continue;
    s.qFill = ScanWaveNumber(s.angleRad[i], s.laserM);
    CheckFloatingPoint();
    s.vMeasR[i] = MeasuredPhaseVelocity(s.laserNm, s.freqR[i], s.angleRad[i]);
    s.scanV = s.vMeasR[i];
    in[n++] = ReadStackInputs(form, s.qFill);
    s.vMeasS1[i] = MeasuredPhaseVelocity(s.laserNm, s.freqS1[i], s.angleRad[i]);
    s.scanV = s.vMeasS1[i];
    in[n++] = ReadStackInputs(form, s.qFill);
  }
  CertifiedDetG det[kMaxPoints];
  if (n == 0 || !form.prefetch.TakeCertified(in, n, det)) return std::nullopt;
  // What the velocities and reading the fields raised, the first evaluation's check would meet.
  CheckFloatingPoint();
  return MapNodeCorrelatorFrom(det, n, zScale);
}
