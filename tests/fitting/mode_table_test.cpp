#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "base/fp_fault.h"
#include "fitting/mode_finder.h"
#include "fitting/mode_table.h"
#include "io/mode_csv.h"
#include "model_stack_defaults.h"

namespace {

// At 60 degrees the default stack has R at 3689.9359 m/s and S_1 at 4542.0505 m/s, nothing
// else below vT_0.
MeasuredAngle SixtyDegrees() {
  MeasuredAngle a;
  a.angleDeg = 60;
  a.freqGHz[0] = 12.0L;
  a.sigmaGHz[0] = 0.2L;
  a.freqGHz[1] = 14.9L;
  a.sigmaGHz[1] = 0;  // no uncertainty: no normalized residual
  a.freqGHz[2] = 17.0L;
  a.sigmaGHz[2] = 0.5L;
  a.freqGHz[3] = 0;  // no measurement
  a.sigmaGHz[3] = 0.5L;
  return a;
}

}  // namespace

TEST(ModeTable, MatchesModesByRankAndLeavesMissingOnesUnmatched) {
  MeasuredAngle unused;  // angle 0: skipped
  unused.freqGHz[0] = 10;
  const ModeTable t = *BuildModeTable(DefaultStack(0), 532, {SixtyDegrees(), unused}, 1);
  ASSERT_EQ(t.rows.size(), 3u);

  const ModeTableRow& r = t.rows[0];
  EXPECT_EQ(r.mode, "R");
  EXPECT_FALSE(r.missing);
  EXPECT_NEAR(double(r.modelVelocity), 3689.9359, 0.01);
  const long double f = 2 * r.modelVelocity * sinl(60 * 0.01745277777777778L) / 532;
  EXPECT_NEAR(double(r.modelGHz), double(f), 1e-12);
  EXPECT_NEAR(double(r.residualGHz), double(12.0L - f), 1e-12);
  EXPECT_NEAR(double(r.normalized), double((12.0L - f) / 0.2L), 1e-9);

  EXPECT_EQ(t.rows[1].mode, "S_1");
  EXPECT_NEAR(double(t.rows[1].modelVelocity), 4542.0505, 0.01);
  EXPECT_FALSE(t.rows[1].normalizedKnown);

  EXPECT_EQ(t.rows[2].mode, "S_2");
  EXPECT_TRUE(t.rows[2].missing);  // not matched to R or S_1

  EXPECT_NEAR(double(t.chi2), double(r.normalized * r.normalized), 1e-9);
  EXPECT_EQ(t.dof, 0);  // one term less one fitted parameter
  EXPECT_NEAR(double(t.substrateVT), std::sqrt(164e9 / 3970), 0.01);
}

TEST(ModeTable, CsvRowsAndRefusedLaserLine) {
  const ModeTable t = *BuildModeTable(DefaultStack(0), 532, {SixtyDegrees()});
  const std::string csv = ModeTableCsv(t);
  EXPECT_EQ(csv.substr(0, csv.find('\n')),
            "angle_deg,mode,measured_GHz,sigma_GHz,model_GHz,model_velocity,residual_GHz,"
            "normalized");
  EXPECT_NE(csv.find("\n60,S_1,14.9,0,"), std::string::npos) << csv;
  EXPECT_NE(csv.find("\n60,S_2,17,0.5,,,,\n"), std::string::npos) << csv;
  const std::string rRow = csv.substr(csv.find("\n60,R,") + 1);
  EXPECT_EQ(std::count(rRow.begin(), rRow.begin() + rRow.find('\n'), ','), 7);

  EXPECT_THROW(BuildModeTable(DefaultStack(0), 0, {SixtyDegrees()}), RefusedInput);
}
