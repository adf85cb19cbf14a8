#pragma once
#include <vector>

#include "fitting/mode_finder.h"
#include "fitting/mode_function.h"
#include "fitting/mode_grid.h"

// The modes bracketed by neighbouring grid values, refined in 80 bits, in the order given.
class ModeCollector {
 public:
  ModeCollector(const ModeFunction& fn, const RealProjection& real) : fn_(fn), real_(real) {}

  void Add(long double v) { modes.push_back({ModeLabel(modes.size()), v}); }

  // A mode at current when its value is 0, else one between the two where their signs differ.
  void Bracket(const GridValue& previous, const GridValue& current) {
    if (current.value == 0)
      Add(current.v);
    else if (previous.value != 0 && (current.value < 0) != (previous.value < 0))
      Add(Refined(previous, current));
  }

  std::vector<Mode> modes;

 private:
  // The zero between two values of opposite signs, to 1e-6 m/s in 80 bits.
  long double Refined(const GridValue& low, const GridValue& high);

  const ModeFunction& fn_;
  RealProjection real_;
  ComplexMatrix matrix_;
};

