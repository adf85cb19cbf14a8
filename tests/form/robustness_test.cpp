#include <string>

#include "base/fp_fault.h"
#include "fitting_window_fixture.h"
#include "form/mode_view.h"

namespace {

// Faults, refusals and cancels midway through the long computations, and the inputs the
// window refuses before computing.
class Robustness : public FittingWindow {
 protected:
  // The g correlator of the current state, through "det_g".
  std::string Correlator() {
    Click("Button7");
    return form.Text("MaskEdit41");
  }
  // Cancels at the given progress point of the next computation.
  void CancelAtProgress(int point) {
    progressCalls_ = 0;
    form.onProgress = [this, point](double) { form.cancelRequested = ++progressCalls_ >= point; };
    form.onStatus = [this](const std::string& text) { status_ = text; };
  }
  void NoCancel() { form.onProgress = nullptr; }
  int progressCalls_ = 0;
  std::string status_;
};

TEST_F(Robustness, AMapThatFaultsMidwayLeavesTheModelAsItWas) {
  const std::string normal = Correlator();
  const long double c11 = form.state.c11Mod[1], c44 = form.state.c44Mod[1];
  // c11 of Layer 1 from -420 to 420 GPa: the column at 0 faults, halfway through the map.
  form.SetText("MaskEdit17", "-420");
  form.SetText("MaskEdit15", "420");
  Select("RadioGroup1", 2);
  Select("RadioGroup2", 3);
  sink.shown.clear();
  Click("Button6");
  ASSERT_EQ(sink.shown.size(), 1u) << Messages();
  EXPECT_GT(form.records.map.nodes.size(), 100u) << "the fault comes after many nodes";
  EXPECT_EQ(form.state.c11Mod[1], c11);
  EXPECT_EQ(form.state.c44Mod[1], c44);
  EXPECT_EQ(form.Text("MaskEdit41"), normal);
  EXPECT_EQ(Correlator(), normal);
}

TEST_F(Robustness, AScanOrSweepThatFaultsMidwayIsFollowedByNormalOnes) {
  Click("Button4");
  const auto sweep = form.records.dispersion;
  const std::string normal = Correlator();
  const std::size_t scanPoints = form.records.detgScan.size();
  const std::string lastDet = form.Text("MaskEdit48");
  // A fault at the first progress point, after thousands of evaluations.
  form.onProgress = [](double) {
    throw FloatingPointFault(FloatingPointFault::Kind::DivisionByZero);
  };
  form.SetText("Edit179", "1");
  Click("Button7");
  form.SetText("Edit179", "20");
  Click("Button4");
  EXPECT_EQ(sink.shown.size(), 2u) << Messages();
  form.onProgress = nullptr;
  Click("Button4");
  EXPECT_EQ(form.records.dispersion, sweep);
  EXPECT_EQ(Correlator(), normal);
  EXPECT_EQ(form.records.detgScan.size(), scanPoints);
  EXPECT_EQ(form.Text("MaskEdit48"), lastDet);
}

TEST_F(Robustness, ACancelEndsTheComputationWithAStatusAndRestoresTheState) {
  const std::string normal = Correlator();
  const SimulationState before = form.state;
  Select("RadioGroup2", 3);
  Select("RadioGroup5", 2);  // "M": a map of several batches
  sink.shown.clear();
  struct Run { const char* button; int cancelAt; };
  for (const Run run : {Run{"Button6", 2}, Run{"Button4", 2}, Run{"Button7", 1}}) {
    if (run.button == std::string("Button7")) form.SetText("Edit179", "1");  // 3000 points
    CancelAtProgress(run.cancelAt);
    status_.clear();
    Click(run.button);
    EXPECT_EQ(status_, "Cancelled: the computation was stopped") << run.button;
    EXPECT_FALSE(form.cancelRequested);
    EXPECT_EQ(form.state.c11Mod[1], before.c11Mod[1]) << run.button;
    EXPECT_EQ(form.Text("MaskEdit41"), normal) << run.button;
  }
  EXPECT_TRUE(sink.shown.empty()) << Messages();
  NoCancel();
  form.SetText("Edit179", "20");
  EXPECT_EQ(Correlator(), normal);
}

TEST_F(Robustness, ACancelStopsTheModeBranches) {
  CancelAtProgress(3);
  form.RunHandler([&] { SetModeBranches(form, true); });
  EXPECT_EQ(status_, "Cancelled: the computation was stopped");
  EXPECT_EQ(progressCalls_, 3);
  EXPECT_TRUE(form.records.branches.empty());
  EXPECT_FALSE(form.cancelRequested);
}

TEST_F(Robustness, ComputationsTooLargeToWaitForAreRefusedWithTheirSize) {
  form.SetText("Edit179", "0.01");  // 300000 points, 3.6e7 sweep evaluations
  Click("Button7");
  Click("Button4");
  ASSERT_EQ(sink.shown.size(), 2u) << Messages();
  EXPECT_NE(sink.shown[0].first.find("300000 points"), std::string::npos) << Messages();
  EXPECT_NE(sink.shown[0].first.find("Edit179"), std::string::npos);
  EXPECT_NE(sink.shown[1].first.find("36000000 det_g evaluations"), std::string::npos)
      << Messages();
  EXPECT_TRUE(form.records.detgScan.empty());
}

TEST_F(Robustness, InputsWithoutPhysicalMeaningAreRefusedNamingTheField) {
  struct Case { const char* field; const char* text; const char* named; };
  const Case cases[] = {{"Edit231", "1e4000", "Edit231"}, {"Edit231", "-10", "Edit231"},
                        {"Edit4", "-532", "Edit4"},       {"Edit138", "-31", "Edit138"},
                        {"Edit15", "95", "Edit15"},       {"Edit27", "-5", "Edit27"}};
  for (const Case& c : cases) {
    const std::string kept = form.Text(c.field);
    form.SetText(c.field, c.text);
    sink.shown.clear();
    form.records.detgScan.clear();
    Click("Button7");
    ASSERT_EQ(sink.shown.size(), 1u) << c.field;
    EXPECT_NE(sink.shown[0].first.find(c.named), std::string::npos) << sink.shown[0].first;
    EXPECT_TRUE(form.records.detgScan.empty()) << c.field;
    form.SetText(c.field, kept);
  }
  // A slider that would make c44 of Layer 3 negative: c12 above c11 (183.8 x 0.6 < 144.2).
  sink.shown.clear();
  Move("ScrollBar13", 750);
  ASSERT_EQ(sink.shown.size(), 1u);
  EXPECT_NE(sink.shown[0].first.find("MaskEdit10"), std::string::npos) << Messages();
  // An empty angle still means "no measurement".
  form.SetText("Edit15", "");
  Move("ScrollBar13", 0);
  EXPECT_EQ(sink.shown.size(), 1u) << Messages();
}

}  // namespace
