#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "detg/measured_velocity.h"
#include "base/komunikat.h"
#include "recording_sink.h"
#include "file_size_limit.h"
#include "temp_dir.h"
#include "base/number_text.h"
#include "form/tform1.h"

namespace {

// A window with the default starting data taken, working in a fresh temporary directory so
// that the trace file of each test is its own.
class DetgWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    SetMessageSink(&sink_);
    form_.TakeStartingData();
    form_.ApplyHandySliders();
  }
  void TearDown() override {
    SetMessageSink(nullptr);
  }

  void Run(void (TForm1::*operation)()) {
    form_.RunHandler([&] { (form_.*operation)(); });
  }
  bool TraceExists() const { return std::ifstream("test.txt").good(); }
  std::string Trace() const {
    std::ifstream in("test.txt", std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
  bool ColumnIs(int x, int yFrom, int yTo, Rgb color) const {
    for (int y = yFrom; y <= yTo; ++y)
      if (!(form_.canvas.Pixel(x, y) == color)) return false;
    return true;
  }
  int CountInRect(int left, int top, int right, int bottom, Rgb color) const {
    int n = 0;
    for (int x = left; x < right; ++x)
      for (int y = top; y < bottom; ++y) n += form_.canvas.Pixel(x, y) == color;
    return n;
  }
  std::string OnlyMessage() const {
    EXPECT_EQ(sink_.shown.size(), 1u);
    if (sink_.shown.empty()) return {};
    EXPECT_EQ(sink_.shown[0].second, "FENLAR");
    return sink_.shown[0].first;
  }

  ScopedTempDir dir_;
  TForm1 form_;
  RecordingSink sink_;
};

std::vector<std::string> CrLfLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
    lines.push_back(text.substr(start, end - start));
  EXPECT_EQ(start, text.size()) << "text after the last CR LF";
  return lines;
}

}  // namespace

TEST_F(DetgWindow, DefaultScanTracesEveryPoint) {
  Run(&TForm1::ScanDetG);
  EXPECT_TRUE(sink_.shown.empty());
  const std::vector<std::string> lines = CrLfLines(Trace());
  ASSERT_EQ(lines.size(), 150u);
  EXPECT_EQ(lines.front().rfind("3000  ", 0), 0u);
  EXPECT_EQ(lines.back().rfind("5980  ", 0), 0u);
  for (const std::string& line : lines) EXPECT_EQ(line.find('\n'), std::string::npos);
  // The last line and the text field both hold the last determinant.
  NumberBuffer buffer;
  EXPECT_EQ(lines.back(), "5980  " + FormatSignificant(Modulus(form_.detG), 10, buffer));
  EXPECT_EQ(form_.Text("MaskEdit48"), FormatComplex(form_.detG.re, form_.detG.im, 1, 10));
  EXPECT_EQ(form_.state.vStep, 20.0L);
  EXPECT_EQ(form_.state.gpaToPa, 1e9L);
  EXPECT_GT(CountInRect(450, 402, 862, 665, colors::Black), 100) << "no det_g curve drawn";
}

TEST_F(DetgWindow, ReversedRangeEvaluatesNothing) {
  form_.SetText("Edit180", "6000");
  form_.SetText("Edit181", "3000");
  form_.SetText("MaskEdit48", "previous");
  Run(&TForm1::ScanDetG);
  EXPECT_TRUE(sink_.shown.empty());
  EXPECT_TRUE(TraceExists());
  EXPECT_EQ(Trace(), "");
  EXPECT_EQ(form_.Text("MaskEdit48"), "previous");
}

TEST_F(DetgWindow, MarkersOfAngle5) {
  Run(&TForm1::MarkMeasuredModes);
  EXPECT_NEAR(static_cast<double>(form_.state.selAngleRad), 1.0471667, 1e-7);
  for (int x : {539, 662}) {
    EXPECT_TRUE(ColumnIs(x, 402, 664, colors::Red)) << x;
    EXPECT_FALSE(form_.canvas.Pixel(x, 401) == colors::Red) << "end pixel painted";
    EXPECT_FALSE(form_.canvas.Pixel(x + 1, 500) == colors::Red);
  }
  EXPECT_EQ(form_.canvas.penColor, colors::Red);
}

TEST_F(DetgWindow, OverlayDrawsAllDefaultPoints) {
  Run(&TForm1::OverlayMeasuredPoints);
  EXPECT_TRUE(sink_.shown.empty());
  // A1 R: block at (74, 591), bar in column 76 from row 598 up to 583 (583 not painted).
  EXPECT_EQ(CountInRect(74, 591, 79, 594, colors::Black), 15);
  EXPECT_TRUE(ColumnIs(76, 584, 598, colors::Black));
  EXPECT_FALSE(form_.canvas.Pixel(76, 583) == colors::Black);
  EXPECT_FALSE(form_.canvas.Pixel(76, 599) == colors::Black);
  EXPECT_FALSE(form_.canvas.Pixel(79, 591) == colors::Black);
  // A1 S_1: block at (74, 474), bar from row 485 up to 463.
  EXPECT_EQ(CountInRect(74, 474, 79, 477, colors::Black), 15);
  EXPECT_TRUE(ColumnIs(76, 464, 485, colors::Black));

  const SimulationState& s = form_.state;
  const PlotScale scale(42, 401, 255, 265, 82, 3000, 60, 3000);
  int points = 0;
  for (int i = 0; i < 14; ++i) {
    if (s.angleRad[i] == 0) continue;
    const long double x = MeasuredQd100(s.angleRad[i], s.depthNm[2], s.laserNm);
    for (long double f : {s.freqR[i], s.freqS1[i]}) {
      const Pixel p = *scale.ToPixel(x, MeasuredPhaseVelocity(s.laserNm, f, s.angleRad[i]));
      EXPECT_TRUE(form_.canvas.Pixel(p.x, p.y) == colors::Black) << i;
      EXPECT_TRUE(form_.canvas.Pixel(p.x + 4, p.y + 2) == colors::Black) << i;
      ++points;
    }
  }
  EXPECT_EQ(points, 18);
}

TEST_F(DetgWindow, BulkVelocitiesOfTheDefaults) {
  Run(&TForm1::MarkBulkVelocities);
  EXPECT_TRUE(sink_.shown.empty());
  EXPECT_EQ(form_.Text("Edit192"), "6427.3");
  EXPECT_NEAR(static_cast<double>(form_.state.bulkVT[0]), 6427.2711, 1e-3);
  EXPECT_EQ(form_.Text("MaskEdit12"), "3263.7");
  EXPECT_EQ(form_.Text("MaskEdit1"), "6542.3");
  EXPECT_EQ(form_.Text("MaskEdit31"), "3086.0");
  EXPECT_NE(form_.state.bulkVL[1], ReadNumber("6542.3"));  // stored unrounded
  // Blue layer-1 vT at 3263.7 m/s: column 485 over the full axis height.
  EXPECT_TRUE(ColumnIs(485, 402, 664, colors::Blue));
  EXPECT_TRUE(ColumnIs(460, 402, 664, colors::Yellow));   // layer-3 vL 3086.0
  EXPECT_TRUE(ColumnIs(774, 402, 664, colors::Fuchsia));  // layer-2 vL 5360.1
  EXPECT_EQ(CountInRect(449, 401, 863, 666, colors::Lime), 0);  // substrate: both above 6000
  EXPECT_EQ(form_.canvas.penColor, colors::Yellow);
}

TEST_F(DetgWindow, BulkVelocityOfNegativeConstantIsImaginary) {
  form_.SetText("MaskEdit4", "-109.5");
  Run(&TForm1::MarkBulkVelocities);
  EXPECT_TRUE(sink_.shown.empty());
  EXPECT_EQ(form_.Text("MaskEdit12"), "imag.");
  EXPECT_EQ(form_.state.bulkVT[1], 0.0L);
  EXPECT_EQ(CountInRect(449, 401, 863, 666, colors::Blue), 0);
  EXPECT_EQ(form_.Text("MaskEdit33"), "1012.9");  // the rows after it go on
}

TEST_F(DetgWindow, BulkVelocityZeroDensityStopsAtItsRow) {
  form_.SetText("Edit137", "0");
  form_.SetText("MaskEdit29", "untouched");
  Run(&TForm1::MarkBulkVelocities);
  EXPECT_EQ(OnlyMessage(), "Floating point division by zero");
  EXPECT_EQ(form_.Text("MaskEdit12"), "3263.7");
  EXPECT_TRUE(ColumnIs(485, 402, 664, colors::Blue));
  EXPECT_EQ(form_.Text("MaskEdit29"), "untouched");
}

TEST_F(DetgWindow, AbsDrawsTheRedZeroLine) {
  form_.controls["RadioGroup4"].itemIndex = 1;
  Run(&TForm1::ScanDetG);
  EXPECT_TRUE(sink_.shown.empty());
  EXPECT_EQ(CrLfLines(Trace()).size(), 150u);
  EXPECT_EQ(CountInRect(449, 631, 862, 632, colors::Red), 862 - 449);
  EXPECT_FALSE(form_.canvas.Pixel(862, 631) == colors::Red);
  EXPECT_EQ(form_.canvas.penColor, colors::Black);
}

TEST_F(DetgWindow, FaultAtFirstPointKeepsMarkersAndSkipsOverlay) {
  form_.state.c44Mod[1] = 0;  // Layer 1 with c11 = c12: its transverse ratio divides by 0
  form_.SetText("MaskEdit48", "previous");
  Run(&TForm1::ScanDetG);
  EXPECT_EQ(OnlyMessage(), "Floating point division by zero");
  EXPECT_TRUE(TraceExists());
  EXPECT_EQ(Trace(), "");
  EXPECT_EQ(form_.Text("MaskEdit48"), "previous");
  EXPECT_TRUE(ColumnIs(539, 402, 664, colors::Red));
  EXPECT_EQ(CountInRect(74, 591, 79, 594, colors::Black), 0) << "overlay ran after a fault";
}

TEST_F(DetgWindow, RefusedStepComputesNothing) {
  for (const char* step : {"0", "-20", "", "1e-5"}) {
    sink_.shown.clear();
    form_.SetText("Edit179", step);
    form_.SetText("MaskEdit48", "previous");
    Run(&TForm1::ScanDetG);
    EXPECT_NE(OnlyMessage().find("v_step"), std::string::npos) << step;
    EXPECT_FALSE(TraceExists()) << step;
    EXPECT_EQ(form_.Text("MaskEdit48"), "previous");
    EXPECT_EQ(CountInRect(449, 401, 863, 666, colors::Red), 0);
  }
}

TEST_F(DetgWindow, RefusesLgLimitsWithoutLogarithm) {
  form_.SetText("Edit184", "0");
  Run(&TForm1::ScanDetG);
  EXPECT_NE(OnlyMessage().find("Min_Lg"), std::string::npos);
  EXPECT_FALSE(TraceExists());
  sink_.shown.clear();
  Run(&TForm1::MarkMeasuredModes);
  EXPECT_NE(OnlyMessage().find("Min_Lg"), std::string::npos);
  EXPECT_EQ(CountInRect(449, 401, 863, 666, colors::Red), 0);
  // The linear representations do not read those fields.
  sink_.shown.clear();
  form_.controls["RadioGroup4"].itemIndex = 2;
  form_.SetText("Edit181", "3100");
  Run(&TForm1::ScanDetG);
  EXPECT_TRUE(sink_.shown.empty());
  EXPECT_EQ(CrLfLines(Trace()).size(), 5u);
}

TEST_F(DetgWindow, FillReadsTheCurrentStackFields) {
  SimulationState& s = form_.state;
  s.scanV = 3000;
  s.qFill = ScanWaveNumber(60 * 0.01745277777777778L, 532e-9L);
  s.gpaToPa = 1e9L;
  ResizeMatrix(form_.BoundaryMatrix, 14, 14);
  form_.SetText("Edit138", "41");
  Run(&TForm1::FillBoundaryMatrix);
  EXPECT_EQ(s.density[1], 10280.0L);
  EXPECT_EQ(s.thicknessM[1], 41 * 1e-9L);
  EXPECT_EQ(s.depthM[2], (20 * 1e-9L + 41 * 1e-9L) + 8 * 1e-9L);
  form_.SetText("Edit138", "31");
  Run(&TForm1::FillBoundaryMatrix);
  EXPECT_NEAR(static_cast<double>(form_.BoundaryMatrix[1][1].im), 0.884383, 1e-6);
  EXPECT_NEAR(static_cast<double>(form_.BoundaryMatrix[3][1].re) / 5.97868e18, 1.0, 1e-5);
  EXPECT_TRUE(sink_.shown.empty());
}

TEST_F(DetgWindow, FaultMidScanKeepsTheTracedPoints) {
  // A huge negative density of Layer 3 makes its decay constants grow with v until an
  // exponential of the fill overflows, at a velocity well inside the range.
  form_.SetText("Edit139", "-1e11");
  Run(&TForm1::ScanDetG);
  EXPECT_EQ(OnlyMessage(), "Floating point overflow");
  const std::vector<std::string> lines = CrLfLines(Trace());
  ASSERT_GT(lines.size(), 10u);
  ASSERT_LT(lines.size(), 150u);
  for (std::size_t k = 0; k < lines.size(); ++k) {
    NumberBuffer buffer;
    EXPECT_EQ(lines[k].rfind(FormatSignificant(3000 + 20.0L * k, 10, buffer) + "  ", 0), 0u);
  }
  EXPECT_EQ(CountInRect(74, 591, 79, 594, colors::Black), 0) << "overlay ran after a fault";
}

TEST_F(DetgWindow, ATraceNamedAsALinkIsNotFollowedAndTheScanRunsWithoutIt) {
  WriteWholeFile("victim", "precious");
  std::filesystem::create_symlink("victim", "test.txt");
  std::vector<std::string> status;
  form_.onStatus = [&](const std::string& text) { status.push_back(text); };
  Run(&TForm1::ScanDetG);
  EXPECT_EQ(ReadWholeFile("victim"), "precious");
  EXPECT_TRUE(std::filesystem::is_symlink("test.txt"));
  EXPECT_EQ(form_.records.detgScan.size(), 150u);
  EXPECT_TRUE(sink_.shown.empty());
  EXPECT_TRUE(status.empty()) << "a trace that cannot be opened is skipped silently";
}

TEST_F(DetgWindow, ATraceCutShortBySpaceIsReportedOnceInTheStatusLine) {
  std::vector<std::string> status;
  form_.onStatus = [&](const std::string& text) { status.push_back(text); };
  // The file size limit stops the trace after 100 bytes, as a full disk would.
  {
    const FileSizeLimit limit(100);
    ASSERT_TRUE(limit.Active());
    Run(&TForm1::ScanDetG);
  }
  ASSERT_EQ(status.size(), 1u);
  EXPECT_NE(status[0].find("test.txt is incomplete"), std::string::npos) << status[0];
  EXPECT_TRUE(sink_.shown.empty()) << "the scan itself succeeded: no box";
  EXPECT_EQ(form_.records.detgScan.size(), 150u);
  EXPECT_EQ(Trace().size(), 100u);
}
