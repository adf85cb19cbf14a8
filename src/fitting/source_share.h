#pragma once

// The share of a computation passed, clamped to 0..1; 0 while the whole is not positive.
inline double Share(long double passed, long double whole) {
  const long double f = whole > 0 ? passed / whole : 0;
  return f < 0 ? 0.0 : f > 1 ? 1.0 : static_cast<double>(f);
}
