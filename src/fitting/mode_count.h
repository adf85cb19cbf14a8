#pragma once
#include <optional>

#include "model/boundary_fill.h"

// The number of modes of the stack at wave number q with a phase velocity below v, for
// 0 < v below the substrate's transverse bulk velocity: the negative eigenvalues of the
// stack's dynamic stiffness (Wittrick and Williams), counted by eliminating its interfaces
// from the free surface down. Each layer is cut into sublayers thin enough that none has a
// resonance with both faces held below (q v)^2 (their lowest lies above
// c44 (q^2 + (pi / h)^2) / rho when c11 > c44 > 0), so the count needs no correction for them.
// Nothing where the count is not safe: a medium that is not stable (rho, c44 or c11 - c44 not
// positive) or not isotropic (c12 = c11 - 2 c44), a pivot too close to singular for its
// rounding, too many sublayers.
std::optional<int> ModesBelow(const StackInputs& stack, long double q, long double v);

// Whether ModesBelow can count this stack at all.
bool CountableStack(const StackInputs& stack);
