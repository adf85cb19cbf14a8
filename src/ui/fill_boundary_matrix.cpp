#include "ui/fill_boundary_matrix.h"

#include "model/boundary_fill.h"
#include "ui/tform1.h"

namespace {
const char* const kDensityFields[4] = {"Edit1", "Edit5", "Edit137", "Edit139"};
const char* const kThicknessFields[3] = {"Edit6", "Edit138", "Edit140"};
}  // namespace

void ReadStackFields(const TForm1& form, SimulationState& s) {
  for (int k = 0; k < 4; ++k) s.density[k] = form.Number(kDensityFields[k]);
  for (int i = 0; i < 3; ++i) s.thicknessM[i] = form.Number(kThicknessFields[i]) * 1e-9L;
  DepthsFromThicknesses(s.thicknessM, s.depthM);
}

StackInputs StackOfState(const SimulationState& s, long double q) {
  StackInputs in;
  in.v = s.scanV;
  in.q = q;
  in.G = s.gpaToPa;
  for (int k = 0; k < 4; ++k) {
    in.density[k] = s.density[k];
    in.c11[k] = s.c11Mod[k];
    in.c12[k] = s.c12Mod[k];
    in.c44[k] = s.c44Mod[k];
  }
  for (int i = 0; i < 3; ++i) in.thicknessM[i] = s.thicknessM[i];
  return in;
}

StackInputs ReadStackInputs(TForm1& form, long double q) {
  ReadStackFields(form, form.state);
  return StackOfState(form.state, q);
}

void FillBoundaryMatrixAt(TForm1& form, long double q) {
  FillBoundaryElements(ReadStackInputs(form, q), form.BoundaryMatrix, FillOf(form.numerics));
}

void TForm1::FillBoundaryMatrix() { FillBoundaryMatrixAt(*this, state.qFill); }
