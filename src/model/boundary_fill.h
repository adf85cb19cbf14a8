#pragma once
#include "model/complex_matrix.h"

// Everything one fill of the boundary-condition matrix reads, as plain numbers.
struct StackInputs {
  long double v = 0;               // phase velocity, m/s
  long double q = 0;               // wave number, 1/m
  long double G = 0;               // GPa to Pa factor (1e9)
  long double density[4] = {};     // kg/m3, substrate first
  long double thicknessM[3] = {};  // layer thicknesses, m
  long double c11[4] = {}, c12[4] = {}, c44[4] = {};  // modified constants, GPa
};

// Interface heights d1, d1 + d2, (d1 + d2) + d3 in metres.
void DepthsFromThicknesses(const long double thicknessM[3], long double depthM[3]);

// Writes rows and columns 1..14 of the 1-based matrix (at least 15 x 15): the 96 elements
// of the stack's boundary conditions and zeros elsewhere. Row 0 and column 0 are untouched.
// A zero c11 or c44 (division by zero) or an overflowing exponential raises
// FloatingPointFault.
// SharedPhases evaluates each propagating phase once for both waves of a -/+ pair; AsWritten
// evaluates it for every wave. Both give the same matrix, bit for bit.
// With a memo, the blocks of media whose inputs it holds from earlier fills are copied from it
// (the same bits), and the blocks of a complete fill are kept in it.
enum class FillVariant { AsWritten, SharedPhases };
class MediumBlockMemo;
void FillBoundaryElements(const StackInputs& in, ComplexMatrix& matrix,
                          FillVariant variant = FillVariant::SharedPhases,
                          MediumBlockMemo* memo = nullptr);

// The numerics of an evaluation: the fill as written with the full elimination, or the shared
// phases with the banded elimination. Both give the same bits.
enum class DetGNumerics { Reference, Fast };

FillVariant FillOf(DetGNumerics numerics);
// The determinant of a filled matrix with the pivot threshold 1e-36.
ComplexLD DeterminantOf(ComplexMatrix& matrix, DetGNumerics numerics);

// One evaluation of det_g: fill, then the determinant, then the fault check.
ComplexLD EvaluateDetG(const StackInputs& in, ComplexMatrix& matrix,
                       DetGNumerics numerics = DetGNumerics::Fast, MediumBlockMemo* memo = nullptr);
