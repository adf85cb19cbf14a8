#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "model/complex_matrix.h"
#include "base/fp_fault.h"
#include "base/komunikat.h"
#include "recording_sink.h"
#include "model/numerics_errors.h"

namespace {

class ModelDeterminant : public ::testing::Test {
 protected:
  void SetUp() override { SetMessageSink(&sink); }
  void TearDown() override { SetMessageSink(nullptr); }
  RecordingSink sink;
};

ComplexMatrix Identity(int n) {
  ComplexMatrix m;
  ResizeMatrix(m, n, n);
  for (int i = 1; i <= n; ++i) m[i][i] = {1, 0};
  return m;
}

// A 1-based matrix from rows of real numbers.
ComplexMatrix RealMatrix(const std::vector<std::vector<long double>>& rows) {
  const int n = static_cast<int>(rows.size());
  ComplexMatrix m;
  ResizeMatrix(m, n, n);
  for (int i = 0; i < n; ++i)
    for (int j = 0; j < n; ++j) m[i + 1][j + 1] = {rows[i][j], 0};
  return m;
}

class CountingProgress : public DeterminantProgress {
 public:
  void setMinimum(int v) override { calls.push_back("min" + std::to_string(v)); }
  void setMaximum(int v) override { calls.push_back("max" + std::to_string(v)); }
  void setPosition(int v) override { calls.push_back("pos" + std::to_string(v)); }
  std::vector<std::string> calls;
};

}  // namespace

TEST(ModelComplex, SmithReciprocalInvertsBothBranches) {
  const ComplexLD w1 = SmithReciprocal({3, 4});  // |a| <= |b|
  EXPECT_NEAR(static_cast<double>(w1.re), 0.12, 1e-15);
  EXPECT_NEAR(static_cast<double>(w1.im), -0.16, 1e-15);
  const ComplexLD w2 = SmithReciprocal({4, -3});  // |a| > |b|
  EXPECT_NEAR(static_cast<double>(w2.re), 0.16, 1e-15);
  EXPECT_NEAR(static_cast<double>(w2.im), 0.12, 1e-15);
  const ComplexLD w3 = SmithReciprocal({2, 0});
  EXPECT_EQ(w3.re, 0.5L);
  EXPECT_EQ(w3.im, 0.0L);
  // No overflow where the naive a^2 + b^2 would leave the range.
  const ComplexLD w4 = SmithReciprocal({1e4000L, 1e4000L});
  EXPECT_NEAR(static_cast<double>(w4.re * 1e4000L), 0.5, 1e-15);
}

TEST(ModelMatrix, ResizeKeepsOverlapAndPadsWithZeros) {
  ComplexMatrix m;
  ResizeMatrix(m, 2, 3);
  ASSERT_EQ(m.size(), 3u);
  for (const ComplexRow& row : m) ASSERT_EQ(row.size(), 4u);
  m[2][3] = {5, 6};
  m[1][1] = {7, 8};
  ResizeMatrix(m, 14, 14);
  ASSERT_EQ(m.size(), 15u);
  for (const ComplexRow& row : m) ASSERT_EQ(row.size(), 15u);
  EXPECT_EQ(m[2][3].re, 5.0L);
  EXPECT_EQ(m[2][3].im, 6.0L);
  EXPECT_EQ(m[14][14].re, 0.0L);
  ResizeMatrix(m, 1, 1);
  ASSERT_EQ(m.size(), 2u);
  ASSERT_EQ(m[1].size(), 2u);
  EXPECT_EQ(m[1][1].re, 7.0L);
}

TEST_F(ModelDeterminant, IdentityAndRowExchanges) {
  ComplexMatrix id = Identity(14);
  ComplexLD d = ComplexDeterminant(id, kPivotThreshold);
  EXPECT_EQ(d.re, 1.0L);
  EXPECT_EQ(d.im, 0.0L);

  ComplexMatrix swapped = Identity(14);
  std::swap(swapped[1], swapped[2]);
  d = ComplexDeterminant(swapped, kPivotThreshold);
  EXPECT_EQ(d.re, -1.0L);
  EXPECT_EQ(d.im, 0.0L);

  // A cyclic permutation of three rows needs two exchanges: the sign stays.
  ComplexMatrix cyclic = RealMatrix({{0, 1, 0}, {0, 0, 1}, {1, 0, 0}});
  d = ComplexDeterminant(cyclic, kPivotThreshold);
  EXPECT_EQ(d.re, 1.0L);
  EXPECT_TRUE(sink.shown.empty());
}

TEST_F(ModelDeterminant, ComplexEntriesGiveTheProduct) {
  // det [[1+i, 2], [3i, 4-i]] = (1+i)(4-i) - 6i = 5 - 3i.
  ComplexMatrix m;
  ResizeMatrix(m, 2, 2);
  m[1][1] = {1, 1};
  m[1][2] = {2, 0};
  m[2][1] = {0, 3};
  m[2][2] = {4, -1};
  const ComplexLD d = ComplexDeterminant(m, kPivotThreshold);
  EXPECT_NEAR(static_cast<double>(d.re), 5.0, 1e-15);
  EXPECT_NEAR(static_cast<double>(d.im), -3.0, 1e-15);
}

TEST_F(ModelDeterminant, TiesKeepTheUpperRow) {
  // |3| ties with |-3|: row 1 stays the pivot, no exchange. Row 3 (modulus 3i) ties too.
  ComplexMatrix m = RealMatrix({{3, 1, 0}, {-3, 2, 1}, {0, 1, 5}});
  m[3][1] = {0, 3};
  ComplexMatrix copy = m;
  const ComplexLD d = ComplexDeterminant(m, kPivotThreshold);
  EXPECT_EQ(m[1][2].re, copy[1][2].re);  // first row not exchanged
  // 3*(2*5 - 1*1) - 1*(-3*5 - 1*3i) = 27 + 15 + 3i = 42 + 3i.
  EXPECT_NEAR(static_cast<double>(d.re), 42.0, 1e-13);
  EXPECT_NEAR(static_cast<double>(d.im), 3.0, 1e-13);
}

TEST_F(ModelDeterminant, LargerPivotBelowIsExchangedOnce) {
  ComplexMatrix m = RealMatrix({{1, 2}, {3, 4}});
  const ComplexLD d = ComplexDeterminant(m, kPivotThreshold);
  EXPECT_NEAR(static_cast<double>(d.re), -2.0, 1e-15);
  EXPECT_EQ(m[1][1].re, 3.0L);  // row 2 moved up
}

TEST_F(ModelDeterminant, ColumnBelowThresholdGivesExactZero) {
  // Column 1 holds only moduli below 1e-36; later columns would be regular.
  ComplexMatrix m = RealMatrix({{1e-37L, 1, 0}, {-5e-37L, 0, 1}, {0, 1, 1}});
  ComplexLD d = ComplexDeterminant(m, kPivotThreshold);
  EXPECT_EQ(d.re, 0.0L);
  EXPECT_EQ(d.im, 0.0L);
  // Exactly at the threshold the pivot is used.
  ComplexMatrix at = RealMatrix({{static_cast<long double>(kPivotThreshold)}});
  d = ComplexDeterminant(at, kPivotThreshold);
  EXPECT_EQ(d.re, static_cast<long double>(kPivotThreshold));
  // A not-a-number pivot is not usable either.
  ComplexMatrix nan = RealMatrix({{NAN, 1}, {NAN, 2}});
  d = ComplexDeterminant(nan, kPivotThreshold);
  ClearFloatingPointFlags();  // comparing with NaN raises the invalid flag
  EXPECT_EQ(d.re, 0.0L);
  EXPECT_EQ(d.im, 0.0L);
}

TEST_F(ModelDeterminant, OrderZeroIsOne) {
  ComplexMatrix m;
  ResizeMatrix(m, 0, 0);
  const ComplexLD d = ComplexDeterminant(m, kPivotThreshold);
  EXPECT_EQ(d.re, 1.0L);
  EXPECT_EQ(d.im, 0.0L);
}

TEST_F(ModelDeterminant, NonSquareIsReportedAndGivesZero) {
  ComplexMatrix m = Identity(14);
  m[14].pop_back();
  const ComplexMatrix before = m;
  const ComplexLD d = ComplexDeterminant(m, kPivotThreshold);
  EXPECT_EQ(d.re, 0.0L);
  EXPECT_EQ(d.im, 0.0L);
  ASSERT_EQ(sink.shown.size(), 1u);
  EXPECT_EQ(sink.shown[0].first, "Przy obliczaniu wyznacznika macierz musi by kwadratowa ");
  EXPECT_EQ(sink.shown[0].second, "Bład w module AlgeLin");
  EXPECT_EQ(m[1][1].re, before[1][1].re);
}

TEST_F(ModelDeterminant, ShortInnerRowIsRefusedInsteadOfReadPastItsEnd) {
  ComplexMatrix m = Identity(4);
  m[2].resize(2);
  const ComplexLD d = ComplexDeterminant(m, kPivotThreshold);
  EXPECT_EQ(d.re, 0.0L);
  EXPECT_EQ(sink.shown.size(), 1u);
  ComplexMatrix empty;
  ComplexDeterminant(empty, kPivotThreshold);
  EXPECT_EQ(sink.shown.size(), 2u);
}

TEST_F(ModelDeterminant, ProgressSeesEveryColumn) {
  ComplexMatrix m = Identity(3);
  CountingProgress progress;
  ComplexDeterminant(m, kPivotThreshold, &progress);
  const std::vector<std::string> expected = {"min0", "max3", "pos0", "pos1", "pos2", "pos3"};
  EXPECT_EQ(progress.calls, expected);
}

TEST(ModelNumericsErrors, OnlyCodeOneHasAText) {
  EXPECT_EQ(NumericsErrorText(1), "Przy obliczaniu wyznacznika macierz musi by kwadratowa ");
  EXPECT_TRUE(NumericsErrorText(0).empty());
  EXPECT_TRUE(NumericsErrorText(2).empty());
}
