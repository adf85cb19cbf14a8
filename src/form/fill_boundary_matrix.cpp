#include "form/fill_boundary_matrix.h"

#include "model/boundary_fill.h"
#include "form/tform1.h"

void ReadStackFields(const TForm1& form, SimulationState& s) {
  for (int k = 0; k < 4; ++k) s.density[k] = form.fields.density[k]->Number();
  for (int i = 0; i < 3; ++i) s.thicknessM[i] = form.fields.thickness[i]->Number() * 1e-9L;
  DepthsFromThicknesses(s.thicknessM, s.depthM);
}

StackInputs ReadStackInputs(TForm1& form, long double q) {
  ReadStackFields(form, form.state);
  return StackOfState(form.state, q);
}

StackInputs CurrentModelStack(TForm1& form) {
  StackInputs stack = ReadStackInputs(form, 0);
  stack.G = 1e9L;
  return stack;
}

void FillBoundaryMatrixAt(TForm1& form, long double q) {
  FillBoundaryElements(ReadStackInputs(form, q), form.BoundaryMatrix, FillOf(form.numerics));
}

void TForm1::FillBoundaryMatrix() { FillBoundaryMatrixAt(*this, state.qFill); }
