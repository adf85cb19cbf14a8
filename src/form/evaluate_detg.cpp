#include "form/evaluate_detg.h"

#include "base/fp_fault.h"
#include "form/field_names.h"
#include "form/fill_boundary_matrix.h"
#include "form/tform1.h"

const ComplexLD& EvaluateDetGAtFill(TForm1& form) {
  const StackInputs in = ReadStackInputs(form, form.state.qFill);
  if (const ComplexLD* prepared = form.prefetch.Take(in)) {
    // The fill raised nothing for these inputs; what reading the fields raised, its first
    // check would have met.
    CheckFloatingPoint();
    form.detG = *prepared;
    return form.detG;
  }
  form.detG = EvaluateDetG(in, form.BoundaryMatrix, form.numerics);
  return form.detG;
}

void EnsureEvaluationUnits(const TForm1& form, SimulationState& s) {
  if (s.laserM != 0 && s.gpaToPa != 0) return;
  s.laserM = form.Number(kLaserField) * 1e-9L;
  s.gpaToPa = 1e9L;
}
