#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

#include "model/boundary_fill.h"
#include "model/fast_determinant.h"
#include "base/fp_fault.h"
#include "model/medium_block_memo.h"

namespace {

bool SameBits(long double a, long double b) {
  if (std::isnan(a) || std::isnan(b)) return std::isnan(a) && std::isnan(b);
  return a == b && std::signbit(a) == std::signbit(b);
}

bool SameBits(const ComplexLD& a, const ComplexLD& b) {
  return SameBits(a.re, b.re) && SameBits(a.im, b.im);
}

// Runs both determinants on copies and requires identical results and identical matrices.
void ExpectIdentical(const ComplexMatrix& m) {
  ComplexMatrix plain = m;
  ComplexMatrix fast = m;
  const ComplexLD a = ComplexDeterminant(plain, kPivotThreshold);
  const ComplexLD b = ComplexDeterminantFast(fast, kPivotThreshold);
  ASSERT_TRUE(SameBits(a, b)) << static_cast<double>(a.re) << " " << static_cast<double>(b.re);
  for (std::size_t r = 0; r < m.size(); ++r)
    for (std::size_t c = 0; c < m[r].size(); ++c)
      ASSERT_TRUE(SameBits(plain[r][c], fast[r][c])) << "element " << r << ", " << c;
}

// A 1-based matrix of order n, element by element, row by row.
template <typename Element>
ComplexMatrix SquareMatrixOf(int n, Element element) {
  ComplexMatrix m;
  ResizeMatrix(m, n, n);
  for (int r = 1; r <= n; ++r)
    for (int c = 1; c <= n; ++c) m[r][c] = element();
  return m;
}

class RandomStacks {
 public:
  explicit RandomStacks(unsigned seed) : gen_(seed) {}

  StackInputs Next() {
    StackInputs in;
    in.G = 1e9L;
    const long double theta = Uniform(5, 85) * 0.01745277777777778L;
    in.q = 12.566368L * sinl(theta) / (Uniform(400, 700) * 1e-9L);
    for (int k = 0; k < 4; ++k) {
      in.density[k] = Uniform(1000, 25000);
      in.c11[k] = Uniform(50, 600);
      in.c12[k] = in.c11[k] * Uniform(0.05L, 0.9L);
      in.c44[k] = (in.c11[k] - in.c12[k]) * 0.5L;
    }
    for (int k = 0; k < 3; ++k) in.thicknessM[k] = Pick(4) == 0 ? 0 : Uniform(0, 100) * 1e-9L;
    in.v = NearBulkVelocity(in);
    return in;
  }

  long double Uniform(long double lo, long double hi) {
    return lo + (hi - lo) * static_cast<long double>(std::uniform_real_distribution<double>(0, 1)(gen_));
  }
  int Pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(gen_); }

 private:
  // A velocity at or close to one of the eight bulk velocities, where columns degenerate.
  long double NearBulkVelocity(const StackInputs& in) {
    const int k = Pick(4);
    const long double c = Pick(2) == 0 ? in.c44[k] : in.c11[k];
    const long double bulk = sqrtl(c * in.G / in.density[k]);
    switch (Pick(3)) {
      case 0: return bulk;
      case 1: return bulk * (1 + Uniform(-1e-6L, 1e-6L));
      default: return bulk * Uniform(0.5L, 1.5L);
    }
  }

  std::mt19937_64 gen_;
};

}  // namespace

TEST(ModelFastDeterminant, IdenticalOnRandomStackMatrices) {
  RandomStacks stacks(20240611);
  ComplexMatrix m;
  ResizeMatrix(m, 14, 14);
  for (int trial = 0; trial < 4000; ++trial) {
    SCOPED_TRACE(trial);
    ClearFloatingPointFlags();
    FillBoundaryElements(stacks.Next(), m);
    ExpectIdentical(m);
  }
}

TEST(ModelFastDeterminant, IdenticalOnSparseMatricesWithSignedZeros) {
  RandomStacks random(7);
  const long double parts[] = {0.0L, -0.0L, 1.0L, -2.5L};
  for (int trial = 0; trial < 3000; ++trial) {
    SCOPED_TRACE(trial);
    ExpectIdentical(SquareMatrixOf(1 + random.Pick(8), [&] {
      const int kind = random.Pick(6);
      return ComplexLD{kind < 4 ? parts[kind] : random.Uniform(-1, 1),
                       random.Pick(2) == 0 ? parts[random.Pick(2)] : random.Uniform(-1, 1)};
    }));
  }
}

// Infinite and undefined elements make products of zeros that are not zero: the rows they
// reach need every update in full, and the zeros they leave behind are no longer known.
TEST(ModelFastDeterminant, IdenticalWithInfiniteAndUndefinedElements) {
  RandomStacks random(31);
  const long double inf = std::numeric_limits<long double>::infinity();
  const long double parts[] = {0.0L, -0.0L, 0.0L, 3.0L, inf, -inf, std::nanl("")};
  for (int trial = 0; trial < 3000; ++trial) {
    SCOPED_TRACE(trial);
    const int n = 2 + random.Pick(12);
    ComplexMatrix m = SquareMatrixOf(n, [&] {
      const bool rare = random.Pick(12) == 0;
      return ComplexLD{rare ? parts[random.Pick(7)] : parts[random.Pick(3)],
                       random.Pick(3) == 0 ? random.Uniform(-1, 1) : parts[random.Pick(3)]};
    });
    for (int r = 1; r <= n; ++r) m[r][1 + random.Pick(n)].re = random.Uniform(-2, 2);
    ClearFloatingPointFlags();
    ExpectIdentical(m);
  }
}

// Beyond the order the row bookkeeping covers, the plain elimination runs.
TEST(ModelFastDeterminant, IdenticalOnALargeMatrix) {
  RandomStacks random(5);
  const int n = 70;
  ComplexMatrix m;
  ResizeMatrix(m, n, n);
  for (int r = 1; r <= n; ++r)
    for (int c = 1; c <= n; ++c)
      if (random.Pick(4) == 0 || r == c) m[r][c] = {random.Uniform(-1, 1), random.Uniform(-1, 1)};
  ExpectIdentical(m);
}

TEST(ModelSharedPhases, FillAndDetGIdenticalToTheFillAsWritten) {
  RandomStacks stacks(99173);
  ComplexMatrix asWritten, shared;
  ResizeMatrix(asWritten, 14, 14);
  ResizeMatrix(shared, 14, 14);
  for (int trial = 0; trial < 4000; ++trial) {
    SCOPED_TRACE(trial);
    StackInputs in = stacks.Next();
    if (stacks.Pick(5) == 0) in.q = -in.q;  // a negative angle typed into the fields
    ClearFloatingPointFlags();
    FillBoundaryElements(in, asWritten, FillVariant::AsWritten);
    FillBoundaryElements(in, shared, FillVariant::SharedPhases);
    for (int r = 1; r <= 14; ++r)
      for (int c = 1; c <= 14; ++c)
        ASSERT_TRUE(SameBits(asWritten[r][c], shared[r][c])) << "element " << r << ", " << c;
    const ComplexLD reference = ComplexDeterminant(asWritten, kPivotThreshold);
    ASSERT_TRUE(SameBits(reference, EvaluateDetG(in, shared)));
  }
}

TEST(ModelMediumBlocks, FillsFromKeptBlocksEqualFreshFills) {
  RandomStacks stacks(4711);
  MediumBlockMemo memo;
  ComplexMatrix fresh, kept;
  ResizeMatrix(fresh, 14, 14);
  ResizeMatrix(kept, 14, 14);
  StackInputs in = stacks.Next();
  for (int trial = 0; trial < 3000; ++trial) {
    SCOPED_TRACE(trial);
    // As across the nodes of a map: one or two constants change, or a velocity seen before
    // comes back, or a thickness moves the faces of the layers above it.
    switch (stacks.Pick(4)) {
      case 0: in.c11[stacks.Pick(4)] *= 1 + stacks.Uniform(-0.01L, 0.01L); break;
      case 1: in.c12[stacks.Pick(4)] *= 1 + stacks.Uniform(-0.01L, 0.01L); break;
      case 2: in.thicknessM[stacks.Pick(3)] = stacks.Uniform(0, 100) * 1e-9L; break;
      default: in = stacks.Next(); break;
    }
    ClearFloatingPointFlags();
    FillBoundaryElements(in, fresh, FillVariant::AsWritten);
    FillBoundaryElements(in, kept, FillVariant::SharedPhases, &memo);
    for (int r = 1; r <= 14; ++r)
      for (int c = 1; c <= 14; ++c)
        ASSERT_TRUE(SameBits(fresh[r][c], kept[r][c])) << "element " << r << ", " << c;
  }
}
