#pragma once

#include "model/simulation_state.h"

// One of the eight Handy Mode constants (c11 or c12 of a medium) with its controls.
struct HandyConstant {
  const char* slider;
  const char* holdBox;
  const char* startField;
  const char* modifiedField;
  const char* maxField;
  const char* minField;
  const char* c44ModifiedField;  // the material's modified c44, refreshed with the constant
  int material;                   // 0 substrate, 1..3 Layer 1..3
  bool isC11;                     // c11, otherwise c12
};

// c11 substrate, c12 substrate, c11 Layer 1, c12 Layer 1, ..., c12 Layer 3.
extern const HandyConstant kHandyConstants[8];

// The field showing the starting c44 of each material: the typed substrate value, then the
// derived c44 of Layers 1..3.
extern const char* const kC44StartFields[4];

long double& StartingValue(SimulationState& state, const HandyConstant& constant);
long double& ModifiedValue(SimulationState& state, const HandyConstant& constant);

// The constant at slider position p (-750 top .. +750 bottom): start x (1 + fraction) at the
// top, start x (1 - fraction) at the bottom, evaluated as start - ((start x fraction) x (1/750)) x p.
long double SliderValue(long double start, long double fraction, int position);
