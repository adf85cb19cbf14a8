#include "model/boundary_fill.h"

#include "model/fast_determinant.h"
#include "base/fp_fault.h"
#include "model/medium_block_memo.h"
#include "model/partial_wave.h"

void DepthsFromThicknesses(const long double thicknessM[3], long double depthM[3]) {
  depthM[0] = thicknessM[0];
  depthM[1] = thicknessM[0] + thicknessM[1];
  depthM[2] = (thicknessM[0] + thicknessM[1]) + thicknessM[2];
}

namespace {

constexpr int kOrder = 14;

// Squared velocity ratios rho v^2 / c of the four media.
struct VelocityRatios {
  long double xL[4], xT[4];
};

VelocityRatios RatiosOf(const StackInputs& in) {
  VelocityRatios r;
  for (int k = 0; k < 4; ++k) {
    r.xL[k] = in.density[k] * in.v * in.v / (in.c11[k] * in.G);
    r.xT[k] = in.density[k] * in.v * in.v / (in.c44[k] * in.G);
  }
  return r;
}

void ZeroRange(ComplexMatrix& m, int rowFirst, int rowLast, int colFirst, int colLast) {
  for (int r = rowFirst; r <= rowLast; ++r)
    for (int c = colFirst; c <= colLast; ++c) m[r][c] = ComplexLD{};
}

// The elements that no partial wave reaches: each condition row only sees the media on
// both sides of its interface.
void WriteZeros(ComplexMatrix& m) {
  ZeroRange(m, 1, 4, 7, 14);
  ZeroRange(m, 5, 8, 1, 2);
  ZeroRange(m, 5, 8, 11, 14);
  ZeroRange(m, 9, 12, 1, 6);
  ZeroRange(m, 13, 14, 1, 10);
}

// One partial wave: its medium, its kind and the sign of its exponent.
struct Column {
  int index;
  int medium;
  bool transverse;
  long double sign;
};

// Columns 3..14 are Layer k's T(-), L(-), T(+), L(+) from 4k - 1 on; 1 and 2 the substrate.
Column ColumnAt(int index) {
  if (index <= 2) return {index, 0, index == 1, 1};
  const int offset = (index - 3) % 4;
  return {index, (index - 3) / 4 + 1, offset % 2 == 0, offset < 2 ? -1.0L : 1.0L};
}

// Writes sign * component c of the wave times its phase into rows firstRow..firstRow+3.
void WriteInterfaceRows(ComplexMatrix& m, const Column& col, int firstRow, long double sign,
                        const AxisValue comps[4], const ComplexLD& phase, bool oscillating) {
  for (int c = 0; c < 4; ++c) {
    const AxisValue value{sign * comps[c].k, comps[c].imaginary};
    m[firstRow + c][col.index] = TimesPhase(value, phase, oscillating);
  }
}

class BoundaryWriter {
 public:
  BoundaryWriter(const StackInputs& in, const VelocityRatios& ratios, ComplexMatrix& m,
                 FillVariant variant)
      : in_(in), ratios_(ratios), m_(m), phases_(variant == FillVariant::SharedPhases) {
    DepthsFromThicknesses(in.thicknessM, depth_);
  }

  void Write(const Column& col) {
    const int k = col.medium;
    const long double x = col.transverse ? ratios_.xT[k] : ratios_.xL[k];
    const WaveExponent e = ExponentOf(x, col.sign);
    const MediumConstants mc{in_.c11[k], in_.c12[k], in_.c44[k]};
    AxisValue comps[4];
    if (col.transverse)
      TransverseComponents(mc, e, in_.G, in_.q, comps);
    else
      LongitudinalComponents(mc, e, in_.G, in_.q, comps);
    if (k == 0) {
      WriteInterfaceRows(m_, col, 1, 1, comps, ComplexLD{1, 0}, false);
      return;
    }
    WriteLowerFace(col, e, comps);
    WriteUpperFace(col, e, comps);
  }

 private:
  // The phase slot of a layer's face (0 lower, 1 upper) and the kind of the column's wave.
  static int PhaseSlot(const Column& col, int face) {
    return ((col.medium - 1) * 2 + (col.transverse ? 0 : 1)) * 2 + face;
  }

  // The layer lies above the interface at z_(k-1): its waves enter with a minus sign.
  void WriteLowerFace(const Column& col, const WaveExponent& e, const AxisValue comps[4]) {
    const int k = col.medium;
    if (k == 1) {
      WriteInterfaceRows(m_, col, 1, -1, comps, ComplexLD{1, 0}, false);
      return;
    }
    const ComplexLD phase = phases_.Phase(e, in_.q, depth_[k - 2], PhaseSlot(col, 0));
    WriteInterfaceRows(m_, col, 4 * (k - 1) + 1, -1, comps, phase, e.propagating);
  }

  void WriteUpperFace(const Column& col, const WaveExponent& e, const AxisValue comps[4]) {
    const int k = col.medium;
    const ComplexLD phase = phases_.Phase(e, in_.q, depth_[k - 1], PhaseSlot(col, 1));
    if (k < 3) {
      WriteInterfaceRows(m_, col, 4 * k + 1, 1, comps, phase, e.propagating);
      return;
    }
    const AxisValue shear =
        col.transverse ? ScaledShearTransverse(e, in_.q) : ScaledShearLongitudinal(e, in_.q);
    m_[13][col.index] = TimesPhase(shear, phase, e.propagating);
    m_[14][col.index] = TimesPhase(comps[3], phase, e.propagating);
  }

  const StackInputs& in_;
  const VelocityRatios& ratios_;
  ComplexMatrix& m_;
  PhaseMemo phases_;
  long double depth_[3];
};

bool HoldsOrder14(const ComplexMatrix& m) {
  if (m.size() < kOrder + 1) return false;
  for (const ComplexRow& row : m)
    if (row.size() < kOrder + 1) return false;
  return true;
}

}  // namespace

void FillBoundaryElements(const StackInputs& in, ComplexMatrix& matrix, FillVariant variant,
                          MediumBlockMemo* memo) {
  if (!HoldsOrder14(matrix)) ResizeMatrix(matrix, kOrder, kOrder);
  const VelocityRatios ratios = RatiosOf(in);
  CheckFloatingPoint();
  WriteZeros(matrix);
  long double depth[3];
  DepthsFromThicknesses(in.thicknessM, depth);
  bool restored[4] = {};
  if (memo)
    for (int k = 0; k < 4; ++k) restored[k] = memo->Restore(in, depth, k, matrix);
  BoundaryWriter writer(in, ratios, matrix, variant);
  for (int c : {3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 1, 2}) {
    const Column col = ColumnAt(c);
    if (!restored[col.medium]) writer.Write(col);
  }
  CheckFloatingPoint();
  if (memo)
    for (int k = 0; k < 4; ++k)
      if (!restored[k]) memo->Keep(in, depth, k, matrix);
}

FillVariant FillOf(DetGNumerics numerics) {
  return numerics == DetGNumerics::Fast ? FillVariant::SharedPhases : FillVariant::AsWritten;
}

ComplexLD DeterminantOf(ComplexMatrix& matrix, DetGNumerics numerics) {
  if (numerics == DetGNumerics::Fast) return ComplexDeterminantFast(matrix, kPivotThreshold, nullptr);
  return ComplexDeterminant(matrix, kPivotThreshold, nullptr);
}

ComplexLD EvaluateDetG(const StackInputs& in, ComplexMatrix& matrix, DetGNumerics numerics,
                       MediumBlockMemo* memo) {
  FillBoundaryElements(in, matrix, FillOf(numerics), memo);
  const ComplexLD det = DeterminantOf(matrix, numerics);
  CheckFloatingPoint();
  return det;
}
