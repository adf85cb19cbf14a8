#pragma once
#include "model/certified_detg.h"

// Where the modulus of the 80-bit det_g lies, as the 80-bit path computes it (the squares,
// their sum and the root each rounded), given the certified value of det_g.
struct ModulusInterval {
  long double low = 0, high = 0;
};
ModulusInterval CertifiedModulus(const CertifiedDetG& d);
// Where the square of that modulus lies: the interval above squared, without taking the root.
ModulusInterval CertifiedSquaredModulus(const CertifiedDetG& d);
