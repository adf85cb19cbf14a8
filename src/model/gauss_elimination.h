#pragma once
#include "model/complex_matrix.h"

// Subtracts f times the pivot row k from every row j > k in columns k + 1..n, where f is
// M[j][k] times the pivot's reciprocal w. Column k itself is left stale.
using EliminationStep = void (*)(ComplexMatrix& m, int k, int n, const ComplexLD& w);

// Every element update in full, row by row and column by column.
void EliminateBelow(ComplexMatrix& m, int k, int n, const ComplexLD& w);

// The determinant by partial pivoting on modulus with the given row reduction; the pivot
// search, row exchanges, reciprocal, diagonal product and sign are shared by every variant.
ComplexLD DeterminantWith(ComplexMatrix& matrix, double pivotThreshold,
                          DeterminantProgress* progress, EliminationStep step);
