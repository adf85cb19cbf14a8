#include <gtest/gtest.h>

#include <sstream>

#include "io/json_document.h"
#include "runner/headless.h"
#include "temp_dir.h"

namespace {

int RunSteps(TForm1& form, const std::vector<std::string>& steps, std::string* err = nullptr) {
  std::ostringstream out;
  const int code = RunHeadless(form, steps, out, {});
  if (err) *err = out.str();
  return code;
}

// The default measurements: a fit that changes no field, its report, and then its values
// taken as the starting data.
TEST(HeadlessFit, FitsReportsAndAppliesTheDefaultData) {
  ScopedTempDir dir;
  TForm1 form;
  ASSERT_EQ(RunSteps(form, {"--fit", "c11_S,c44L2", "--export-fit", dir.File("fit.json")}), 0);
  EXPECT_EQ(form.Text("Edit174"), "496");
  const JsonParseResult report = ParseJson(ReadWholeFile(dir.File("fit.json")));
  ASSERT_TRUE(report.ok) << report.error;
  const Json& r = report.value;
  EXPECT_EQ(r["format"], "fenlar-fit");
  EXPECT_EQ(r["version"], 1);
  ASSERT_EQ(r["parameters"].size(), 2u);
  EXPECT_EQ(r["parameters"][0]["name"], "c11_S");
  EXPECT_EQ(r["parameters"][1]["name"], "c44L2");
  EXPECT_EQ(r["dof"], 16);
  EXPECT_EQ(r["residuals"].size(), 18u);
  EXPECT_EQ(r["residuals"][1]["mode"], "S_1");
  EXPECT_EQ(r["correlation"][0][0], 1.0);
  const double c11 = r["parameters"][0]["value"];

  TForm1 applied;
  ASSERT_EQ(
      RunSteps(applied, {"--position", "ScrollBar5=100", "--fit", "c11_S,c44L2", "--apply-fit"}),
            0);
  EXPECT_NEAR(std::stod(applied.Text("Edit174")), c11, 1e-5 * c11);
  EXPECT_EQ(applied.Position("ScrollBar5"), 0);
  EXPECT_NEAR(static_cast<double>(applied.state.c11Mod[0]), c11, 1e-5 * c11);
}

TEST(HeadlessFit, RefusesBadParametersAndPointsWithoutUncertainty) {
  TForm1 form;
  std::string err;
  EXPECT_EQ(RunSteps(form, {"--fit", "c11L1,c12L1,c44L1"}, &err), 2);
  EXPECT_NE(err.find("c44"), std::string::npos) << err;
  EXPECT_EQ(RunSteps(form, {"--fit", "c11_X"}, &err), 2);

  TForm1 noError;
  ASSERT_EQ(RunSteps(noError, {"--set", "Edit31=", "--fit", "c44L1"}, &err), 0);
  EXPECT_NE(err.find("Edit31"), std::string::npos) << err;
  EXPECT_FALSE(noError.lastFit);
  EXPECT_EQ(RunSteps(noError, {"--apply-fit"}, &err), 2);
}

}  // namespace
