#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/fp_fault.h"
#include "form/tform1.h"

namespace {

int CountInRect(const Canvas& canvas, int left, int top, int right, int bottom, Rgb color) {
  int n = 0;
  for (int y = top; y < bottom; ++y)
    for (int x = left; x < right; ++x) n += canvas.Pixel(x, y) == color;
  return n;
}

std::vector<std::string> Texts(const TForm1& form, const std::vector<std::string>& names) {
  std::vector<std::string> texts;
  for (const std::string& name : names) texts.push_back(form.Text(name));
  return texts;
}

const std::vector<std::string> kQdRow = {"Edit186", "Edit194", "Edit195", "Edit196", "Edit197", "Edit187"};
const std::vector<std::string> kVelocityColumn = {"Edit199", "Edit204", "Edit203",
                                                  "Edit201", "Edit200", "Edit198"};
const std::vector<std::string> kDetgVelocityRow = {"Edit202", "Edit212", "Edit213", "Edit214", "Edit215",
                                                   "Edit216", "Edit217", "Edit230", "Edit208"};
const std::vector<std::string> kDetgValueColumn = {"Edit211", "Edit210", "Edit209",
                                                   "Edit207", "Edit206", "Edit205"};

class FramesLabels : public ::testing::Test {
 protected:
  TForm1 form_;
  Canvas& canvas_ = form_.canvas;
};

}  // namespace

TEST_F(FramesLabels, RepaintErasesAndDrawsLoweredBevels) {
  canvas_.penColor = colors::Red;
  canvas_.MoveTo(0, 500);
  canvas_.LineTo(1000, 500);
  form_.Repaint();
  EXPECT_EQ(canvas_.Pixel(20, 500), colors::Silver);
  EXPECT_EQ(canvas_.Pixel(100, 500), colors::Silver);
  // Bevel1 at 42, 401, 255 x 265: shadow top and left, light bottom and right.
  EXPECT_EQ(canvas_.Pixel(100, 401), colors::Gray);
  EXPECT_EQ(canvas_.Pixel(42, 500), colors::Gray);
  EXPECT_EQ(canvas_.Pixel(100, 665), colors::White);
  EXPECT_EQ(canvas_.Pixel(296, 500), colors::White);
  EXPECT_EQ(canvas_.Pixel(297, 500), colors::Silver);
  EXPECT_EQ(canvas_.Pixel(100, 500), colors::Silver);
  // Bevel2 (map) and Bevel3 (det_g) likewise.
  EXPECT_EQ(canvas_.Pixel(757, 150), colors::Gray);
  EXPECT_EQ(canvas_.Pixel(980, 150), colors::White);
  EXPECT_EQ(canvas_.Pixel(600, 401), colors::Gray);
  EXPECT_EQ(canvas_.Pixel(862, 500), colors::White);
  EXPECT_EQ(canvas_.penColor, colors::Red);  // the pen is not touched
}

TEST_F(FramesLabels, FramesCoverExactPixels) {
  form_.FramePlots();
  EXPECT_EQ(canvas_.penColor, colors::Black);
  EXPECT_EQ(canvas_.brushColor, colors::Black);
  for (int x : {42, 296, 449, 862}) {
    EXPECT_EQ(canvas_.Pixel(x, 401), colors::Black) << x;
    EXPECT_EQ(canvas_.Pixel(x, 665), colors::Black) << x;
    EXPECT_EQ(canvas_.Pixel(x, 530), colors::Black) << x;
  }
  for (int x : {41, 297, 448, 863}) EXPECT_NE(canvas_.Pixel(x, 530), colors::Black) << x;
  EXPECT_NE(canvas_.Pixel(100, 400), colors::Black);
  EXPECT_NE(canvas_.Pixel(100, 666), colors::Black);
  EXPECT_EQ(CountInRect(canvas_, 0, 0, Canvas::kWidth, Canvas::kHeight, colors::Black),
            (2 * 255 + 2 * 263) + (2 * 414 + 2 * 263));
  // The correlation map is not framed here.
  EXPECT_EQ(CountInRect(canvas_, 757, 80, 981, 304, colors::Black), 0);
}

TEST_F(FramesLabels, GridLinesInTheirOrderAndPlaces) {
  form_.ShowGrids();
  EXPECT_EQ(canvas_.penColor, colors::Black);
  for (int y : {454, 507, 560, 613}) {
    EXPECT_EQ(canvas_.Pixel(150, y), colors::Black) << y;
    EXPECT_EQ(canvas_.Pixel(700, y), colors::Black) << y;
  }
  for (int x : {93, 144, 195, 246, 491, 544, 597, 650, 703, 756, 809}) {
    EXPECT_EQ(canvas_.Pixel(x, 430), colors::Black) << x;
  }
  EXPECT_NE(canvas_.Pixel(94, 430), colors::Black);
  EXPECT_NE(canvas_.Pixel(297, 454), colors::Black);  // end pixel of a horizontal line
  EXPECT_NE(canvas_.Pixel(93, 666), colors::Black);   // end pixel of a vertical line
  // The pen rests at the end of the last det_g vertical.
  EXPECT_EQ(canvas_.PenX(), 809);
  EXPECT_EQ(canvas_.PenY(), 666);
}

TEST_F(FramesLabels, HidingGridsOverpaintsCurvesInSilver) {
  form_.Repaint();
  canvas_.penColor = colors::Blue;
  canvas_.MoveTo(60, 500);
  canvas_.LineTo(280, 500);  // a curve crossing every dispersion vertical
  form_.ShowGrids();
  form_.HideGrids();
  for (int x : {93, 144, 195, 246}) {
    EXPECT_EQ(canvas_.Pixel(x, 500), colors::Silver) << x;
    EXPECT_EQ(canvas_.Pixel(x, 430), colors::Silver) << x;
  }
  EXPECT_EQ(canvas_.Pixel(94, 500), colors::Blue);
  EXPECT_EQ(canvas_.Pixel(150, 454), colors::Silver);
  // The frames come back after the silver pass.
  EXPECT_EQ(canvas_.Pixel(42, 454), colors::Black);
  EXPECT_EQ(canvas_.Pixel(93, 401), colors::Black);
  EXPECT_EQ(canvas_.Pixel(491, 665), colors::Black);
  EXPECT_EQ(canvas_.penColor, colors::Black);
}

TEST_F(FramesLabels, DefaultDispersionLabels) {
  form_.DrawDispersionAxisLabels();
  EXPECT_EQ(Texts(form_, kQdRow), (std::vector<std::string>{"0.82", "0.94", "1.06", "1.18", "1.3", "1.42"}));
  EXPECT_EQ(Texts(form_, kVelocityColumn),
            (std::vector<std::string>{"3000", "3600", "4200", "4800", "5400", "6000"}));
}

TEST_F(FramesLabels, QdRowFromRoundLimits) {
  form_.SetText("Edit167", "0.8");
  form_.SetText("Edit170", "1.4");
  form_.DrawDispersionAxisLabels();
  EXPECT_EQ(Texts(form_, kQdRow), (std::vector<std::string>{"0.8", "0.92", "1.04", "1.16", "1.28", "1.4"}));
}

TEST_F(FramesLabels, VelocityColumnFollowsCoupling) {
  form_.SetText("Edit173", "2000");
  form_.SetText("Edit177", "2500");
  form_.controls["CheckBox22"].checked = true;
  form_.DrawDispersionAxisLabels();
  EXPECT_EQ(form_.Text("Edit199"), "3000");
  form_.controls["CheckBox22"].checked = false;
  form_.DrawDispersionAxisLabels();
  EXPECT_EQ(Texts(form_, kVelocityColumn),
            (std::vector<std::string>{"2000", "2100", "2200", "2300", "2400", "2500"}));
}

TEST_F(FramesLabels, ReversedLimitsCountDownwards) {
  form_.SetText("Edit167", "1.4");
  form_.SetText("Edit170", "0.8");
  form_.DrawDispersionAxisLabels();
  EXPECT_EQ(Texts(form_, kQdRow), (std::vector<std::string>{"1.4", "1.28", "1.16", "1.04", "0.92", "0.8"}));
}

TEST_F(FramesLabels, DefaultDetgLabels) {
  form_.controls["RadioGroup4"].itemIndex = 0;
  form_.DrawDetgAxisLabels();
  EXPECT_EQ(Texts(form_, kDetgVelocityRow),
            (std::vector<std::string>{"3000", "3375", "3750", "4125", "4500", "4875", "5250", "5625", "6000"}));
  EXPECT_EQ(Texts(form_, kDetgValueColumn),
            (std::vector<std::string>{"1e+126", "2e+149", "4e+149", "6e+149", "8e+149", "1e+150"}));
}

TEST_F(FramesLabels, DetgValueColumnByRepresentation) {
  form_.SetText("Edit164", "10");
  form_.SetText("Edit178", "-40");  // reversed: the absolute step still counts upwards
  form_.controls["RadioGroup4"].itemIndex = 2;
  form_.DrawDetgAxisLabels();
  EXPECT_EQ(Texts(form_, kDetgValueColumn), (std::vector<std::string>{"10", "20", "30", "40", "50", "60"}));

  form_.SetText("Edit211", "untouched");
  form_.controls["RadioGroup4"].itemIndex = -1;
  form_.DrawDetgAxisLabels();
  EXPECT_EQ(form_.Text("Edit211"), "untouched");
}
