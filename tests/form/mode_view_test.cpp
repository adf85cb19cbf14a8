#include <gtest/gtest.h>

#include <sstream>

#include "form/mode_view.h"
#include "runner/headless.h"
#include "temp_dir.h"

namespace {

std::string FirstLine(const std::string& text) { return text.substr(0, text.find('\n')); }

int CountBranchPixels(const TForm1& form, std::size_t branches) {
  int n = 0;
  for (int y = 0; y < Canvas::kHeight; ++y)
    for (int x = 0; x < Canvas::kWidth; ++x)
      for (std::size_t k = 0; k < branches; ++k) n += form.canvas.Pixel(x, y) == BranchColor(k);
  return n;
}

}  // namespace

// The mode finder is slow: one headless run draws and exports the branches and the table at
// the defaults, and the checks share it.
TEST(ModeView, DefaultTableAndBranchesThroughTheHeadlessSteps) {
  const ScopedTempDir dir;
  TForm1 form;
  std::ostringstream err;
  ASSERT_EQ(RunHeadless(form,
                        {"--set", "Edit100=20", "--set", "Edit101=0.5",  // S_3 at 60 degrees
                         "--modes", dir.File("modes.csv"), "--branches", "on",
                         "--export-branches", dir.File("branches.csv")},
                        err, {}),
            0)
      << err.str();

  const std::optional<ModeTable> table = ComputeModeTable(form);
  ASSERT_TRUE(table && !table->rows.empty());
  long double chi2 = 0;
  int terms = 0, missing = 0;
  for (const ModeTableRow& r : table->rows) {
    if (r.missing) {
      ++missing;
      EXPECT_EQ(r.mode, "S_3");
      continue;
    }
    EXPECT_LT(r.modelVelocity, table->substrateVT);
    if (r.normalizedKnown) chi2 += r.normalized * r.normalized, ++terms;
  }
  EXPECT_EQ(table->dof, terms);
  EXPECT_NEAR(double(table->chi2), double(chi2), 1e-12 * double(chi2));
  const std::string modes = ReadWholeFile(dir.File("modes.csv"));
  EXPECT_EQ(std::count(modes.begin(), modes.end(), '\n'), long(table->rows.size()) + 1);
  EXPECT_EQ(missing, 1);
  EXPECT_NE(modes.find("\n60,S_3,20,0.5,,,,\n"), std::string::npos) << modes;

  const std::vector<ModeBranch>& branches = form.records.branches;
  ASSERT_GE(branches.size(), 2u);
  EXPECT_EQ(branches[0].mode, "R");
  for (const ModeBranch& b : branches)
    for (const BranchPoint& p : b.points) EXPECT_LT(p.velocity, table->substrateVT) << b.mode;
  EXPECT_GE(branches[0].points.size(), 100u);
  EXPECT_GE(branches[1].points.size(), 100u);
  EXPECT_EQ(FirstLine(ReadWholeFile(dir.File("branches.csv"))),
            "mode,angle_deg,qd,velocity,frequency_GHz");

  EXPECT_GT(CountBranchPixels(form, branches.size()), 200);
  form.Repaint();
  EXPECT_EQ(CountBranchPixels(form, branches.size()), 0);
}

TEST(ModeView, BranchesStepTakesOnOrOff) {
  TForm1 form;
  std::ostringstream err;
  EXPECT_EQ(RunHeadless(form, {"--branches", "yes"}, err, {}), 2);
  EXPECT_NE(err.str().find("on or off"), std::string::npos);
  EXPECT_FALSE(form.showModeBranches);
}
