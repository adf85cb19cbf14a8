#include "form/certified_map_node.h"

#include "base/fp_fault.h"
#include "form/evaluate_detg.h"
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

std::optional<CertifiedNodeFigure> CertifiedMapNodeCorrelator(TForm1& form,
                                                              MeasuredPoints& points) {
  if (!form.parallelEvaluation) return std::nullopt;
  RefuseUnphysicalInputs(form);
  const long double zScale = form.fields.zScale->Number();
  if (!SameBits(zScale, form.records.map.start.zScale)) return std::nullopt;
  SimulationState& s = form.state;
  EnsureEvaluationUnits(form, s);
  points.Update(s);
  // The 80-bit correlator computes faulting wave numbers or velocities itself and meets the
  // fault where it always does.
  if (points.Faulted() || points.size() == 0) return std::nullopt;
  ReadStackFields(form, s);
  const StackInputs stack = StackOfState(s, 0);
  WavePoint waves[kMaxPoints];
  std::size_t n = 0;
  for (const MeasuredPoint& p : points) {
    s.qFill = p.q;
    s.vMeasR[p.angle] = p.vR;
    s.vMeasS1[p.angle] = s.scanV = p.vS1;
    waves[n++] = {p.q, p.vR};
    waves[n++] = {p.q, p.vS1};
  }
  CertifiedDetG det[kMaxPoints];
  GroupDecision decision;
  if (!form.prefetch.TakeCertified(stack, waves, n, det, decision)) return std::nullopt;
  // What reading the fields raised, the first evaluation's check would meet.
  CheckFloatingPoint();
  // Settled from these values, with this z-scale factor, ahead.
  return CertifiedNodeFigure{decision.figure, decision.yes};
}
