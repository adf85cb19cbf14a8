#pragma once
#include "model/bounded_fill.h"
#include "model/certified_detg.h"

// The determinant of the bounded matrix by the 80-bit path's elimination (partial pivoting on
// modulus, pivot threshold 1e-36), certified when every pivot provably is the one the 80-bit
// path takes and stays well clear of its bound. Works in place.
CertifiedDetG BoundedDeterminant(BoundedMatrix& m);
