#include "ui/evaluate_detg.h"

#include "model/fp_fault.h"
#include "ui/tform1.h"

const ComplexLD& EvaluateDetGAtFill(TForm1& form) {
  form.FillBoundaryMatrix();
  form.detG = ComplexDeterminant(form.BoundaryMatrix, kPivotThreshold, nullptr);
  CheckFloatingPoint();
  return form.detG;
}
