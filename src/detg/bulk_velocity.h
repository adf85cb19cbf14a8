#pragma once
#include <optional>

// Bulk sound velocity sqrt(c x 1e9 / rho) in m/s of a constant c (GPa) and a density rho
// (kg/m3). A zero density raises FloatingPointFault (division by zero, or invalid for 0/0).
// A negative ratio has no real velocity: no value, and no flag left raised.
std::optional<long double> BulkVelocity(long double constantGPa, long double density);
