#include <gtest/gtest.h>

#include <cmath>

#include "model/boundary_fill.h"
#include "base/fp_fault.h"
#include "model_stack_defaults.h"

namespace {

ComplexMatrix Filled(const StackInputs& in) {
  ComplexMatrix m;
  ResizeMatrix(m, 14, 14);
  ClearFloatingPointFlags();
  FillBoundaryElements(in, m);
  return m;
}

void ExpectElement(const ComplexMatrix& m, int r, int c, double re, double im) {
  SCOPED_TRACE(testing::Message() << "element (" << r << ", " << c << ")");
  const double scale = std::fmax(std::fabs(re), std::fabs(im));
  EXPECT_NEAR(static_cast<double>(m[r][c].re), re, 1e-5 * scale);
  EXPECT_NEAR(static_cast<double>(m[r][c].im), im, 1e-5 * scale);
}

// Columns that are structurally non-zero in each row.
bool InBand(int r, int c) {
  if (r <= 4) return c <= 6;
  if (r <= 8) return c >= 3 && c <= 10;
  if (r <= 12) return c >= 7;
  return c >= 11;
}

}  // namespace

TEST(ModelFill, DepthsAreCumulative) {
  const long double t[3] = {20e-9L, 31e-9L, 8e-9L};
  long double d[3];
  DepthsFromThicknesses(t, d);
  EXPECT_EQ(d[0], t[0]);
  EXPECT_EQ(d[1], t[0] + t[1]);
  EXPECT_EQ(d[2], (t[0] + t[1]) + t[2]);
}

TEST(ModelFill, DefaultStackElementsAt3000) {
  const StackInputs in = DefaultStack(3000);
  EXPECT_NEAR(static_cast<double>(in.q), 2.0456015e7, 1e0);
  const ComplexMatrix m = Filled(in);
  ExpectElement(m, 1, 1, 0, 0.884383);
  ExpectElement(m, 2, 2, 0, -0.963309);
  ExpectElement(m, 3, 1, 5.97868e18, 0);
  ExpectElement(m, 5, 3, 0, -0.335192);
  ExpectElement(m, 13, 11, 1.35106e8, -3.06682e7);
}

TEST(ModelFill, ZerosOutsideTheBandsAndRowMagnitudes) {
  ComplexMatrix m;
  ResizeMatrix(m, 14, 14);
  for (ComplexRow& row : m)
    for (ComplexLD& e : row) e = {7, 7};  // stale values must be overwritten
  ClearFloatingPointFlags();
  FillBoundaryElements(DefaultStack(3000), m);
  for (int r = 1; r <= 14; ++r) {
    for (int c = 1; c <= 14; ++c) {
      SCOPED_TRACE(testing::Message() << "(" << r << ", " << c << ")");
      const long double mod = Modulus(m[r][c]);
      if (!InBand(r, c)) {
        EXPECT_EQ(mod, 0.0L);
        continue;
      }
      const bool stress = r == 3 || r == 4 || r == 7 || r == 8 || r == 11 || r == 12 || r == 14;
      const long double order = stress ? 1e18L : (r == 13 ? 1e8L : 1.0L);
      EXPECT_GT(mod, order * 1e-3L);
      EXPECT_LT(mod, order * 1e2L);
    }
  }
  EXPECT_EQ(m[0][0].re, 7.0L);  // row and column 0 untouched
  EXPECT_EQ(m[0][5].re, 7.0L);
  EXPECT_EQ(m[5][0].re, 7.0L);
}

TEST(ModelFill, AtABulkVelocityTheTwoColumnsOfTheLayerCoincide) {
  StackInputs in = DefaultStack(0);
  in.v = sqrtl(in.c44[1] * in.G / in.density[1]);  // transverse bulk velocity of Layer 1
  const ComplexMatrix m = Filled(in);
  for (int r = 1; r <= 8; ++r) {
    EXPECT_NEAR(static_cast<double>(m[r][3].re), static_cast<double>(m[r][5].re),
                1e-9 * static_cast<double>(Modulus(m[r][3]) + 1));
    EXPECT_NEAR(static_cast<double>(m[r][3].im), static_cast<double>(m[r][5].im),
                1e-9 * static_cast<double>(Modulus(m[r][3]) + 1));
  }
}

TEST(ModelFill, ZeroShearModulusIsADivisionByZero) {
  StackInputs in = DefaultStack(3000);
  in.c44[2] = 0;
  ComplexMatrix m;
  ResizeMatrix(m, 14, 14);
  ClearFloatingPointFlags();
  try {
    FillBoundaryElements(in, m);
    FAIL() << "no fault raised";
  } catch (const FloatingPointFault& f) {
    EXPECT_EQ(f.kind(), FloatingPointFault::Kind::DivisionByZero);
  }
}

TEST(ModelFill, OverflowingExponentialIsAFault) {
  StackInputs in = DefaultStack(3000);
  in.thicknessM[2] = 1e-3L;  // a millimetre of Layer 3: q a z far above 11356
  in.v = 100;
  ComplexMatrix m;
  ResizeMatrix(m, 14, 14);
  ClearFloatingPointFlags();
  EXPECT_THROW(FillBoundaryElements(in, m), FloatingPointFault);
}

TEST(ModelFill, ZeroThicknessLayerStillFills) {
  StackInputs in = DefaultStack(3000);
  in.thicknessM[1] = 0;
  ClearFloatingPointFlags();
  ComplexMatrix m;
  ResizeMatrix(m, 14, 14);
  const ComplexLD d = EvaluateDetG(in, m);
  EXPECT_TRUE(std::isfinite(static_cast<double>(d.re)));
}

TEST(ModelDetG, ChangesSignAtTheRayleighAndSezawaModes) {
  ComplexMatrix m;
  ResizeMatrix(m, 14, 14);
  ClearFloatingPointFlags();
  const auto re = [&m](long double v) { return EvaluateDetG(DefaultStack(v), m).re; };
  EXPECT_LT(re(3689) * re(3691), 0.0L);
  EXPECT_LT(re(4541) * re(4543), 0.0L);
  EXPECT_GT(re(3600) * re(3689), 0.0L);
  EXPECT_GT(re(4543) * re(4700), 0.0L);
}

TEST(ModelDetG, RealBetweenLayerOneShearAndLayerTwoLongitudinal) {
  ComplexMatrix m;
  ResizeMatrix(m, 14, 14);
  ClearFloatingPointFlags();
  for (long double v = 3270; v < 5355; v += 37) {
    SCOPED_TRACE(testing::Message() << "v = " << static_cast<double>(v));
    const ComplexLD d = EvaluateDetG(DefaultStack(v), m);
    EXPECT_LT(fabsl(d.im), 1e-9L * fabsl(d.re));
  }
}

TEST(ModelDetG, RealOrImaginaryBelowTheSubstrateShearVelocity) {
  ComplexMatrix m;
  ResizeMatrix(m, 14, 14);
  ClearFloatingPointFlags();
  struct Band {
    long double v;
    bool real;
  };
  const Band bands[] = {{900, true}, {2000, false}, {2800, true}, {3200, false},
                        {4000, true}, {6000, false}};
  for (const Band& b : bands) {
    SCOPED_TRACE(testing::Message() << "v = " << static_cast<double>(b.v));
    const ComplexLD d = EvaluateDetG(DefaultStack(b.v), m);
    const long double small = b.real ? fabsl(d.im) : fabsl(d.re);
    const long double large = b.real ? fabsl(d.re) : fabsl(d.im);
    EXPECT_LT(small, 1e-9L * large);
  }
}
