#pragma once
#include "model/boundary_fill.h"

// det_g of one stack at one wave number as a function of the phase velocity, divided by the six
// layer decay constants aT_k, aL_k. Below the substrate's transverse bulk velocity the quotient
// is smooth across the layer bulk velocities (det_g is odd in each of them: the -a and +a
// columns trade places), so its zeros are exactly the modes; det_g's own zeros at the layer
// bulk velocities are gone.
class ModeFunction {
 public:
  ModeFunction(const StackInputs& stack, long double q);

  // The inputs of det_g at v, moved a few micrometres per second down where a layer decay
  // constant would vanish (the quotient is 0 / 0 there).
  StackInputs InputsAt(long double v) const;
  // det_g at in.v divided by the layer decay constants: a decaying constant is a real a,
  // a propagating one i b.
  ComplexLD Divided(const StackInputs& in, const ComplexLD& det) const;

  // The quotient without the divisions and roots: Divided(in, det) is Turned(det, turns)
  // divided by a positive magnitude, whose square is about squaredMagnitude (within a few
  // roundings of 80 bits).
  struct Scale {
    int turns = 0;
    long double squaredMagnitude = 1;
  };
  Scale ScaleAt(const StackInputs& in) const;

  // The highest velocity at which the substrate's transverse wave still decays, as the fill
  // decides it; 0 when the substrate has no positive transverse bulk velocity.
  long double SubstrateTransverseLimit() const;

 private:
  bool ClearOfLayerBulkVelocities(long double v) const;

  StackInputs stack_;
  long double layerBulk_[6];  // c11 and c44 of layers 1 to 3
};

// z times (-i)^turns.
ComplexLD Turned(const ComplexLD& z, int turns);

// The quotient turned by a fixed phase so that it is real: its sign changes are the modes.
// The phase is taken from a value of large modulus, where rounding does not blur it.
class RealProjection {
 public:
  explicit RealProjection(const ComplexLD& reference);
  long double operator()(const ComplexLD& divided) const;

 private:
  long double cos_, sin_;
};
