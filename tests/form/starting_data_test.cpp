#include <gtest/gtest.h>

#include "form/handy_constants.h"
#include "form/tform1.h"

namespace {

class StartingData : public ::testing::Test {
 protected:
  TForm1 form_;
  SimulationState& s_ = form_.state;

  // Places a slider without running its handler.
  void Displace(const char* slider, int position) { form_.controls[slider].position = position; }
  void Hold(const char* box) { form_.controls[box].checked = true; }
  // Replaces every slider handler by a counter of its runs.
  void CountSliderRuns(int& runs) {
    for (const HandyConstant& c : kHandyConstants) form_.controls[c.slider].onChange = [&runs] { ++runs; };
  }
};

}  // namespace

TEST(HandySliderRule, EndsAndCentre) {
  EXPECT_EQ(SliderValue(496, 0.4, 0), 496.0L);
  EXPECT_NEAR(static_cast<double>(SliderValue(496, 0.4, -750)), 694.4, 1e-12);
  EXPECT_NEAR(static_cast<double>(SliderValue(496, 0.4, 750)), 297.6, 1e-12);
  const long double c = 496, f = 0.4;
  EXPECT_EQ(SliderValue(c, f, 375), c - ((c * f) * (1.0L / 750)) * 375.0L);
}

TEST_F(StartingData, DefaultsAfterIntake) {
  form_.TakeStartingData();
  EXPECT_EQ(s_.c44Start[0], 148.0L);
  EXPECT_EQ(form_.Text("MaskEdit23"), "109.5");
  EXPECT_EQ(form_.Text("MaskEdit24"), "56.55");
  EXPECT_EQ(form_.Text("MaskEdit25"), "19.8");
  EXPECT_EQ(form_.Text("MaskEdit13"), "694.4");
  EXPECT_EQ(form_.Text("MaskEdit30"), "297.6");
  EXPECT_EQ(form_.Text("Edit189"), "496");
  EXPECT_EQ(form_.Text("Edit193"), "164");
  EXPECT_EQ(form_.Text("MaskEdit4"), "109.5");
  EXPECT_EQ(s_.rangeFraction, static_cast<long double>(0.4));
  EXPECT_EQ(s_.laserNm, 532.0L);
  EXPECT_EQ(s_.depthNm[0], 20.0L);
  EXPECT_EQ(s_.depthNm[1], 51.0L);
  EXPECT_EQ(s_.depthNm[2], 59.0L);
  // The modified members stay for ApplyHandySliders.
  EXPECT_EQ(s_.c11Mod[0], 0.0L);
  // The frames are drawn first.
  EXPECT_EQ(form_.canvas.Pixel(42, 401), colors::Black);
}

TEST_F(StartingData, MeasuredColumns) {
  form_.SetText("Edit152", "30");  // A14 angle with empty frequency fields
  form_.SetText("Edit63", "99");   // A10 frequency without an angle
  form_.TakeStartingData();
  EXPECT_EQ(s_.angleRad[0], 40.0L * 0.01745277777777778);
  EXPECT_EQ(s_.angleRad[8], 77.0L * 0.01745277777777778);
  EXPECT_EQ(s_.freqR[4], static_cast<long double>(11.9));
  EXPECT_EQ(s_.errR[4], static_cast<long double>(0.3));
  EXPECT_EQ(s_.freqS1[8], static_cast<long double>(15.8));
  EXPECT_EQ(s_.errS1[7], static_cast<long double>(0.4));
  EXPECT_EQ(s_.angleRad[9], 0.0L);
  EXPECT_EQ(s_.freqS1[9], 99.0L);
  EXPECT_EQ(s_.angleRad[13], 30.0L * 0.01745277777777778);
  EXPECT_EQ(s_.freqR[13], 0.0L);
}

TEST_F(StartingData, LayerC44DigitsDifferBetweenIntakeAndTransfer) {
  form_.SetText("Edit165", "100.125");
  form_.SetText("Edit166", "50");
  form_.TakeStartingData();
  form_.ApplyHandySliders();
  EXPECT_EQ(form_.Text("MaskEdit23"), "25.0625");
  form_.ModifiedToStarting();
  EXPECT_EQ(form_.Text("MaskEdit23"), "25.06");
  EXPECT_EQ(form_.Text("Edit165"), "100.1");
}

TEST_F(StartingData, SliderAtTopWithHoldBox) {
  form_.TakeStartingData();
  Hold("CheckBox23");
  Displace("ScrollBar5", -750);
  form_.ApplyHandySliders();
  EXPECT_NEAR(static_cast<double>(s_.c11Mod[0]), 694.4, 1e-12);
  EXPECT_EQ(form_.Text("Edit189"), "694.4");
  EXPECT_EQ(form_.Text("Edit193"), "263.2");  // (694.4 - 168) / 2
  EXPECT_EQ(form_.Position("ScrollBar5"), -750);
}

TEST_F(StartingData, HeldSlidersKeepTheirOffsetAcrossIntake) {
  int runs = 0;
  CountSliderRuns(runs);
  for (const HandyConstant& c : kHandyConstants) {
    Hold(c.holdBox);
    Displace(c.slider, 375);
  }
  form_.TakeStartingData();
  form_.ApplyHandySliders();
  form_.SetText("Edit165", "500");
  form_.TakeStartingData();
  form_.ApplyHandySliders();
  EXPECT_EQ(runs, 0);
  EXPECT_NEAR(static_cast<double>(s_.c11Mod[1]), 400.0, 1e-12);  // 500 x 0.8
  EXPECT_EQ(form_.Position("ScrollBar9"), 375);
  EXPECT_EQ(form_.Text("MaskEdit2"), "400");
}

TEST_F(StartingData, UnheldDisplacedSlidersAreResetThroughTheirHandler) {
  form_.TakeStartingData();
  Displace("ScrollBar5", 100);
  Displace("ScrollBar10", -200);
  Displace("ScrollBar14", 750);
  Hold("CheckBox11");
  Displace("ScrollBar11", 300);
  int runs = 0;
  CountSliderRuns(runs);
  form_.ApplyHandySliders();
  EXPECT_EQ(runs, 3);
  EXPECT_EQ(form_.Position("ScrollBar5"), 0);
  EXPECT_EQ(form_.Position("ScrollBar10"), 0);
  EXPECT_EQ(form_.Position("ScrollBar14"), 0);
  EXPECT_EQ(form_.Position("ScrollBar11"), 300);
}

TEST_F(StartingData, ModifiedToStartingSkipsHeldConstants) {
  form_.TakeStartingData();
  form_.ApplyHandySliders();
  s_.c11Mod[0] = 518.32L;
  s_.c12Mod[0] = 170;
  s_.c11Mod[2] = 300;
  Hold("CheckBox11");
  form_.ModifiedToStarting();
  EXPECT_EQ(s_.c11Start[0], 518.32L);
  EXPECT_EQ(form_.Text("Edit174"), "518.3");
  EXPECT_EQ(form_.Text("Edit176"), "174.2");  // (518.32 - 170) / 2 replaces the typed 148
  EXPECT_EQ(form_.Text("MaskEdit13"), "725.6");
  EXPECT_EQ(form_.Text("MaskEdit30"), "311");
  EXPECT_EQ(s_.c11Start[2], static_cast<long double>(255.7));  // held: untouched
  EXPECT_EQ(form_.Text("Edit168"), "255.7");

  // A following intake reads the rounded texts back.
  form_.TakeStartingData();
  EXPECT_EQ(s_.c11Start[0], static_cast<long double>(518.3));
  EXPECT_EQ(s_.c44Start[0], static_cast<long double>(174.2));
}
