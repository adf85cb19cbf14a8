#pragma once

// The velocity filter of a plotted zero z: vMin < z < vMax, and |z - b| > bulkSep for each of
// the eight bulk velocities b (substrate, then layers 1..3; transverse before longitudinal).
// All strict; a NaN fails.
bool PassesZeroFilter(long double z, long double vMin, long double vMax,
                      const long double bulkVT[4], const long double bulkVL[4],
                      long double bulkSep);
