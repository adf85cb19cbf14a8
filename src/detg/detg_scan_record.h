#pragma once

// One velocity of a det_g scan, kept for the export.
struct DetgScanPoint {
  long double v = 0;  // phase velocity, m/s
  long double re = 0, im = 0, modulus = 0;
};
