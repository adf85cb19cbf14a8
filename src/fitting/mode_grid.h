#pragma once
#include <functional>
#include <optional>
#include <vector>

#include "fitting/mode_function.h"
#include "model/certified_detg.h"

// How the grid of a mode scan is evaluated: certified double precision, with the 80-bit
// evaluation wherever a sign or the choice of the projection's phase is not proven, or every
// point in 80 bits. Both give the same signs and the same exact values where they are used.
enum class GridNumerics { Certified, Extended };

// The projected mode function at one grid velocity.
struct GridValue {
  long double v = 0;      // the velocity evaluated (as ModeFunction::InputsAt moved it)
  long double value = 0;  // the 80-bit projection when exact, else a value of the proven sign
  bool exact = false;
};

struct ProjectedScan {
  RealProjection projection{{1, 0}};
  std::vector<GridValue> values;
};

// The mode function at every velocity of the grid, projected on `given` or else on the phase of
// its 80-bit value of largest modulus (the first of them in grid order), evaluated on the
// calling thread and the kept threads of `threads` cores (RunSlices). An 80-bit evaluation that
// fails away from the caller's thread is repeated on it, so that its fault is raised there, at
// the first such velocity in grid order. Into scan, whose storage serves again; false once
// `cancelled` says so.
bool ProjectedGrid(const ModeFunction& fn, const std::vector<long double>& grid,
                   GridNumerics numerics, unsigned threads, const std::function<bool()>& cancelled,
                   ProjectedScan& scan,
                   const std::optional<RealProjection>& given = std::nullopt);

// The sign of the 80-bit projection p of det_g, decided from a certified det_g turned as its
// quotient is (Turned by ModeFunction::ScaleAt's turns): the quotient is that over a positive
// magnitude, so the sign is proven where |real(turned)| exceeds the bound of its difference
// from p times that magnitude (the certificate's, the roundings of the division and of the
// phase rotation): +1 or -1; 0 when it cannot be decided that way. May raise floating-point
// flags: the caller keeps its own.
int ProvenSign(const RealProjection& real, const CertifiedDetG& det, const ComplexLD& turned);
