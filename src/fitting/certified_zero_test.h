#pragma once
#include <optional>

#include "fitting/zero_test.h"
#include "model/certified_detg.h"
#include "model/detg_prefetch.h"

// The decision of the three-point test at velocities v[0..2], taken from certified det_g at
// them when no values within their bounds could change it (and the 80-bit arithmetic of the
// test could not either); nothing when only the 80-bit values can decide. The "Real" rule's
// sign of a real part is used only where the real part is larger than its bound.
std::optional<bool> CertifiedZeroAtMiddle(ZeroRule rule, const long double v[3],
                                          const CertifiedDetG det[3]);

// The sweep's stencils as groups of three evaluations ahead: a stencil whose certified values
// settle the rule's decision is not evaluated in 80 bits; that decision is yes for a zero.
CertifiedGroups StencilGroups(ZeroRule rule);
