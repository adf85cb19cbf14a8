#pragma once
#include <cstddef>
#include <optional>
#include <vector>

#include "fitting/mode_function.h"

// The number of modes below one velocity of a grid.
struct GridCount {
  std::size_t index = 0;
  int below = 0;
};

// Mode counts (ModesBelow at the velocities ModeFunction::InputsAt evaluates) at the grid's two
// ends and wherever a bisection of the grid needs them to enclose every mode in a cell of its
// own neighbouring velocities: about 14 counts per mode instead of a value at every velocity.
// Ascending; between two of them either the count does not change or they are neighbours.
// Nothing where a count is not trusted or the counts fall as the velocity rises.
std::optional<std::vector<GridCount>> CountsOnGrid(const ModeFunction& fn,
                                                   const StackInputs& stack, long double q,
                                                   const std::vector<long double>& grid);
