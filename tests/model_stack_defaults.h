#pragma once
#include <cmath>

#include "model/boundary_fill.h"

// The default stack of the window at 60 degrees, 532 nm, for the given phase velocity.
inline StackInputs DefaultStack(long double v) {
  StackInputs in;
  in.v = v;
  in.q = 12.566368L * sinl(60 * 0.01745277777777778L) / (532 * 1e-9L);
  in.G = 1e9L;
  const long double density[4] = {3970, 10280, 8900, 19300};
  const long double thickness[3] = {20, 31, 8};
  const long double c11[4] = {496, 440, 255.7L, 183.8L};
  const long double c12[4] = {168, 221, 142.6L, 144.2L};
  for (int k = 0; k < 4; ++k) {
    in.density[k] = density[k];
    in.c11[k] = c11[k];
    in.c12[k] = c12[k];
    in.c44[k] = (c11[k] - c12[k]) * 0.5L;
  }
  for (int k = 0; k < 3; ++k) in.thicknessM[k] = thickness[k] * 1e-9L;
  return in;
}
