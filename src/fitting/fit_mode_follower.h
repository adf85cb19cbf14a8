#pragma once
#include <optional>

#include "model/boundary_fill.h"

// Finds again, after a small change of the stack, the mode that lay at velocity `last` at
// wave number q: probes outward from `last`, below and above in turn, with steps that double
// from a few hundredths of a m/s, until the real projection of det_g over the layer decay
// constants changes sign, then refines that bracket to `width`. Probes stay between the
// lowest mode bound and the substrate's transverse limit. Nothing when no sign change lies
// within `reach` of `last`. A floating-point fault propagates as FloatingPointFault.
std::optional<long double> FollowMode(const StackInputs& stack, long double q, long double last,
                                      long double reach, long double width);
