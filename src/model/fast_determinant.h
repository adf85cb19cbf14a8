#pragma once
#include "model/complex_matrix.h"

// ComplexDeterminant with the same result bit for bit, faster on sparse matrices such as the
// banded boundary-condition matrix: element updates whose product is an exact signed zero
// and cannot change the element are skipped; every other operation is the same, in the same
// order.
ComplexLD ComplexDeterminantFast(ComplexMatrix& matrix, double pivotThreshold,
                                 DeterminantProgress* progress = nullptr);
