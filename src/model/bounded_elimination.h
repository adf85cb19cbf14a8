#pragma once
#include "model/bounded_fill.h"
#include "model/certified_detg.h"

// The determinant of the bounded matrix by the 80-bit path's elimination (partial pivoting on
// modulus, pivot threshold 1e-36), certified when every pivot provably is the one the 80-bit
// path takes and stays well clear of its bound. Where the 80-bit path may take either of two
// rows (their moduli tie within the bounds), both sequences are followed and the bound covers
// both, up to a few such choices. Works in place.
CertifiedDetG BoundedDeterminant(BoundedMatrix& m);
