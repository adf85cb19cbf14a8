#pragma once
#include <memory>

#include "model/detg_prefetch.h"
#include "model/simulation_state.h"

// The evaluations of the dispersion sweep, from the sweep settings and the stack in the state:
// every angle of the grid, at each the stencil v, v + zeroSens, v + 2 zeroSens of every
// velocity step, with the sweep's own arithmetic.
std::unique_ptr<DetGInputSource> SweepSource(const SimulationState& state);
