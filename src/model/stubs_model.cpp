// Placeholder definitions until the real ones land; delete this file then.
#include "model/boundary_fill.h"
#include "model/numerics_errors.h"

ComplexLD SmithReciprocal(const ComplexLD&) { return {}; }
void ResizeMatrix(ComplexMatrix&, int, int) {}
ComplexLD ComplexDeterminant(ComplexMatrix&, double, DeterminantProgress*) { return {}; }
std::string NumericsErrorText(int) { return {}; }
void ReportNumericsError(int) {}
void DepthsFromThicknesses(const long double[3], long double[3]) {}
void FillBoundaryElements(const StackInputs&, ComplexMatrix&) {}
ComplexLD EvaluateDetG(const StackInputs&, ComplexMatrix&) { return {}; }
