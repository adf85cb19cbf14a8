#pragma once
#include <optional>

#include "fitting/zero_test.h"

class TForm1;

// The zero test's stencil at v from certified values prepared ahead (only when the window
// evaluates in parallel; the reference evaluates in 80 bits), when they settle the
// rule's decision: fills the stencil's velocities, moduli and real parts and detG with them,
// leaves scanV at the third velocity and returns the decision. Nothing, and nothing changed
// but the fields' stack in the state, when the 80-bit values must decide.
std::optional<bool> CertifiedStencilDecision(TForm1& form, long double v, ZeroRule rule,
                                             ZeroStencil& stencil);
