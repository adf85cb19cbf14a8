#pragma once
#include <functional>

// A zero of f inside [low, high], where f(low) and f(high) have opposite signs (the values are
// given), narrowed by regula falsi with the Illinois weighting and a bisection whenever the
// bracket fails to halve in two steps, until it is at most `width` wide. Returns the end with
// the smaller |f|, or a point where f is exactly 0. Stops after a bounded number of steps.
long double RefineSignChange(const std::function<long double(long double)>& f, long double low,
                             long double fLow, long double high, long double fHigh,
                             long double width);
