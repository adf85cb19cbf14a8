#pragma once
#include <functional>
#include <optional>
#include <vector>

#include "fitting/mode_finder.h"
#include "fitting/mode_function.h"

// FindModes on the grid's velocities where its modes were counted (CountsOnGrid) instead of on
// all of them; the modes as the whole grid brackets them.
// Nothing where the counts are not available or disagree with the signs: between two counted
// velocities the sign must change exactly when the count changes by an odd number, and no value
// may be exactly 0 (the whole grid's rules for it are kept there).
std::optional<std::vector<Mode>> CountedSearch(const ModeFunction& fn, const StackInputs& stack,
                                               long double q, const std::vector<long double>& grid,
                                               const RealProjection& real, unsigned threads,
                                               const std::function<bool()>& cancelled);
