#pragma once

// The g correlator from the 28 moduli of det_g at the measured velocities: the square root of
// the running sum of squares, absDetR[0..13] then absDetS1[0..13], divided by zScale x 1e138.
// A zScale of 0 divides by zero (the caller checks the flags).
long double CorrelatorFromModuli(const long double absDetR[14], const long double absDetS1[14],
                                 long double zScale);
