#include "model/stack_of_state.h"

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
