#include "fitting/mode_function.h"

#include <cmath>

#include "model/partial_wave.h"

namespace {

// |1 - x| below which a layer decay constant counts as vanished, and the relative step down
// that takes a velocity clear of it.
constexpr long double kVanishedSquare = 1e-12L;
constexpr long double kStepDown = 1e-9L;
constexpr int kMaxSteps = 8;
// A velocity this far from a bulk velocity vb, relative to vb, keeps |1 - (v / vb)^2| at least
// that far from 0: a thousand times kVanishedSquare, far beyond the roundings of either.
constexpr long double kClearOfBulk = 1e-9L;

// The squared velocity ratio exactly as the fill forms it.
long double RatioOf(const StackInputs& in, long double c, int k) {
  return in.density[k] * in.v * in.v / (c * in.G);
}

bool LayerConstantVanishes(const StackInputs& in) {
  for (int k = 1; k <= 3; ++k)
    for (long double c : {in.c11[k], in.c44[k]})
      if (fabsl(1 - RatioOf(in, c, k)) < kVanishedSquare) return true;
  return false;
}

}  // namespace

ModeFunction::ModeFunction(const StackInputs& stack, long double q) : stack_(stack) {
  stack_.q = q;
  int i = 0;
  for (int k = 1; k <= 3; ++k)
    for (long double c : {stack.c11[k], stack.c44[k]})
      layerBulk_[i++] = sqrtl(c * stack.G / stack.density[k]);
}

// Where a bulk velocity is not a finite positive number (a constant or density at or below 0),
// the comparison fails and the caller tests the decay constants themselves.
bool ModeFunction::ClearOfLayerBulkVelocities(long double v) const {
  for (long double bulk : layerBulk_)
    if (!(fabsl(fabsl(v) - bulk) > kClearOfBulk * bulk)) return false;
  return true;
}

StackInputs ModeFunction::InputsAt(long double v) const {
  StackInputs in = stack_;
  in.v = v;
  if (ClearOfLayerBulkVelocities(v)) return in;
  for (int step = 0; step < kMaxSteps && LayerConstantVanishes(in); ++step)
    in.v -= fabsl(in.v) * kStepDown;
  return in;
}

ComplexLD ModeFunction::Divided(const StackInputs& in, const ComplexLD& det) const {
  long double magnitude = 1;
  int propagating = 0;
  for (int k = 1; k <= 3; ++k)
    for (long double c : {in.c11[k], in.c44[k]}) {
      const WaveExponent e = ExponentOf(RatioOf(in, c, k), 1);
      magnitude *= e.mag;
      propagating += e.propagating ? 1 : 0;
    }
  if (magnitude == 0) return det;  // only at v = 0, where every medium is degenerate
  const ComplexLD turned = Turned(det, propagating);
  return {turned.re / magnitude, turned.im / magnitude};
}

// The same ratios and decisions as Divided: a constant propagates where 1 - x < 0, and its
// magnitude is sqrt |1 - x|.
ModeFunction::Scale ModeFunction::ScaleAt(const StackInputs& in) const {
  Scale scale{0, 1};
  for (int k = 1; k <= 3; ++k)
    for (long double c : {in.c11[k], in.c44[k]}) {
      const long double u = 1 - RatioOf(in, c, k);
      scale.squaredMagnitude *= fabsl(u);
      scale.turns += u < 0 ? 1 : 0;
    }
  if (scale.squaredMagnitude == 0) return {};
  return scale;
}

long double ModeFunction::SubstrateTransverseLimit() const {
  const long double rho = stack_.density[0], c44 = stack_.c44[0];
  if (!(rho > 0 && c44 > 0 && stack_.G > 0)) return 0;
  StackInputs in = stack_;
  in.v = sqrtl(c44 * stack_.G / rho);
  for (int step = 0; step < kMaxSteps && RatioOf(in, c44, 0) > 1; ++step)
    in.v = nextafterl(in.v, 0);
  return in.v;
}

ComplexLD Turned(const ComplexLD& z, int turns) {
  ComplexLD turned = z;
  // Dividing by i^m is multiplying by (-i)^m.
  for (int m = 0; m < turns % 4; ++m) turned = {turned.im, -turned.re};
  return turned;
}

RealProjection::RealProjection(const ComplexLD& reference) {
  const long double m = hypotl(reference.re, reference.im);
  cos_ = m > 0 ? reference.re / m : 1;
  sin_ = m > 0 ? reference.im / m : 0;
}

long double RealProjection::operator()(const ComplexLD& divided) const {
  return divided.re * cos_ + divided.im * sin_;
}
