#include "model/complex_matrix.h"

#include <algorithm>
#include <cstddef>

#include "model/gauss_elimination.h"

void ResizeMatrix(ComplexMatrix& matrix, int r, int c) {
  const std::size_t rows = static_cast<std::size_t>(std::max(r + 1, 0));
  const std::size_t cols = static_cast<std::size_t>(std::max(c + 1, 0));
  matrix.resize(rows, ComplexRow(cols));
  for (ComplexRow& row : matrix) row.resize(cols);
}

ComplexLD ComplexDeterminant(ComplexMatrix& matrix, double pivotThreshold,
                             DeterminantProgress* progress) {
  RowReduction plain;
  return DeterminantWith(matrix, pivotThreshold, progress, plain);
}
