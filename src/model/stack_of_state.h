#pragma once
#include "model/boundary_fill.h"
#include "model/simulation_state.h"

// The inputs of a fill at the state's scanV and wave number q: its densities, thicknesses,
// modified constants and GPa factor, as they stand.
StackInputs StackOfState(const SimulationState& s, long double q);
