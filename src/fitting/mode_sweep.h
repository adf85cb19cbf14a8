#pragma once
#include <cstddef>
#include <functional>
#include <vector>

#include "fitting/mode_finder.h"

// FindModes at every wave number of qs, several of them at a time on every core. found(i, modes)
// is called on the calling thread for i = 0, 1, ... in order; what it throws ends the sweep.
// A floating-point fault is raised on the calling thread, by the search at the first wave
// number in order whose search faults, once found has had every wave number before it.
// `cancelled` is asked on the calling thread only; once it says so the result is false and
// found is called no more.
bool FindModesInTurn(const StackInputs& stack, const std::vector<long double>& qs,
                     const std::function<void(std::size_t, const std::vector<Mode>&)>& found,
                     const std::function<bool()>& cancelled = {});
