#include <cmath>
#include <map>
#include <set>
#include <utility>
#include <vector>

#include "detg/measured_velocity.h"
#include "fitting/dispersion_sweep.h"
#include "fitting_window_fixture.h"
#include "form/plot_scale.h"

namespace {

using FittingDispersionWindow = FittingWindow;
using FittingBulkLinesWindow = FittingWindow;

// The dispersion curves' mapping with the default window: qd 0.82 .. 1.42 (x 100) and
// 3000 .. 6000 m/s on Bevel1 less 2 pixels in width and 3 in height.
const PlotScale kDefaultCurveScale(42, 401, 253, 262, 82, 3000, 60, 3000);

using PixelSet = std::set<std::pair<int, int>>;

PixelSet RedPixels(const Canvas& canvas) {
  PixelSet red;
  for (int y = 0; y < Canvas::kHeight; ++y)
    for (int x = 0; x < Canvas::kWidth; ++x)
      if (canvas.Pixel(x, y) == colors::Red) red.insert({x, y});
  return red;
}

// The lowest zero of each sweep angle inside a velocity band.
std::map<long double, long double> LowestPerAngle(const std::vector<DispersionPoint>& points,
                                                  long double from, long double to) {
  std::map<long double, long double> lowest;
  for (const DispersionPoint& p : points) {
    if (p.v <= from || p.v >= to) continue;
    auto [it, added] = lowest.emplace(p.angleDeg, p.v);
    if (!added && p.v < it->second) it->second = p.v;
  }
  return lowest;
}

bool NonIncreasing(const std::map<long double, long double>& byAngle) {
  long double previous = INFINITY;
  for (const auto& [angle, v] : byAngle) {
    if (v > previous) return false;
    previous = v;
  }
  return true;
}

}  // namespace

TEST_F(FittingDispersionWindow, DefaultSweepDrawsTheZerosAsRedSquaresInsideTheQdWindow) {
  ASSERT_EQ(form.state.lastZeroV, 0);
  Click("Button4");
  EXPECT_EQ(Messages(), "");
  const std::vector<DispersionPoint>& points = form.records.dispersion;
  ASSERT_GT(points.size(), 100u);

  PixelSet squares;
  for (std::size_t i = 0; i < points.size(); ++i) {
    const DispersionPoint& p = points[i];
    if (i > 0) {
      EXPECT_FALSE(p == points[i - 1]) << "repeated point " << i;
    }
    // Only the angles from about 36 degrees give a qd inside the window; each zero lies at the
    // middle of a stencil that starts on the velocity grid 3000 + 20 k.
    EXPECT_GT(p.qd, 0.82L);
    EXPECT_LT(p.qd, 1.42L);
    EXPECT_GT(p.angleDeg, 35.5L);
    EXPECT_NEAR(static_cast<double>(std::remainder(p.angleDeg - 5, 2.0L)), 0.0, 1e-9);
    EXPECT_GT(p.v, 3000);
    EXPECT_LT(p.v, 6000);
    EXPECT_EQ(std::fmod(p.v - 3025, 20.0L), 0) << p.v;
    const Pixel px = *kDefaultCurveScale.ToPixel(p.qd * 100, p.v);
    for (int dx = 0; dx < 2; ++dx)
      for (int dy = 0; dy < 2; ++dy) squares.insert({px.x + dx, px.y + dy});
  }
  // The record and the raster agree: every red pixel belongs to the square of a recorded point
  // and every square is red, all within the qd window's columns and the velocity rows.
  const PixelSet red = RedPixels(form.canvas);
  EXPECT_TRUE(red == squares) << red.size() << " red pixels, " << squares.size() << " in squares";
  for (const auto& [x, y] : red) {
    EXPECT_GE(x, 42);
    EXPECT_LE(x, 296);
    EXPECT_GE(y, 401);
    EXPECT_LE(y, 664);
  }
}

TEST_F(FittingDispersionWindow, DefaultSweepFindsTheRayleighAndSezawaBranches) {
  Click("Button4");
  const std::vector<DispersionPoint>& points = form.records.dispersion;
  // Both surface modes slow down as qd grows, the Sezawa mode above the Rayleigh mode.
  const std::map<long double, long double> rayleigh = LowestPerAngle(points, 3400, 4200);
  const std::map<long double, long double> sezawa = LowestPerAngle(points, 4200, 5300);
  EXPECT_GE(rayleigh.size(), 20u);
  EXPECT_GE(sezawa.size(), 20u);
  EXPECT_TRUE(NonIncreasing(rayleigh));
  EXPECT_TRUE(NonIncreasing(sezawa));
  EXPECT_GT(rayleigh.begin()->second - rayleigh.rbegin()->second, 300);
  EXPECT_GT(sezawa.begin()->second - sezawa.rbegin()->second, 600);
  // The measured Sezawa_1 velocities at the angles on the sweep's grid lie on the branch.
  const SimulationState& s = form.state;
  for (int i = 0; i < 9; ++i) {
    const long double deg = std::round(s.angleRad[i] / 0.01745277777777778L);
    if (!sezawa.count(deg)) continue;
    const long double measured = MeasuredPhaseVelocity(s.laserNm, s.freqS1[i], s.angleRad[i]);
    EXPECT_NEAR(static_cast<double>(sezawa.at(deg)), static_cast<double>(measured), 80) << deg;
  }
}

TEST_F(FittingDispersionWindow, NothingIsDrawnBeforeTheFirstZeroAndLaterAnglesStartFromTheLastOne) {
  // With the qd window opened to every angle, the first angle is drawn too.
  form.SetText("Edit167", "0.01");
  Click("Button4");
  EXPECT_EQ(Messages(), "");
  const std::vector<DispersionPoint>& points = form.records.dispersion;
  ASSERT_FALSE(points.empty());
  EXPECT_NEAR(static_cast<double>(points.front().angleDeg), 5.0, 1e-9);
  for (const DispersionPoint& p : points) EXPECT_GT(p.v, 3000) << "the zero of start-up drawn";
  // Each later angle draws the last zero of the previous one until it finds its own.
  for (std::size_t i = 1; i < points.size(); ++i) {
    if (points[i].angleDeg != points[i - 1].angleDeg) {
      EXPECT_EQ(points[i].v, points[i - 1].v) << points[i].angleDeg;
    }
  }
}

TEST_F(FittingDispersionWindow, UncoupledFiguresSearchTheLeftPanelRange) {
  Click("CheckBox22");
  form.SetText("Edit173", "4000");
  form.SetText("Edit177", "5000");
  Click("Button4");
  EXPECT_EQ(Messages(), "");
  ASSERT_FALSE(form.records.dispersion.empty());
  for (const DispersionPoint& p : form.records.dispersion) {
    EXPECT_GT(p.v, 4000);
    EXPECT_LT(p.v, 5000);
    EXPECT_EQ(std::fmod(p.v - 4025, 20.0L), 0) << p.v;
  }
  EXPECT_EQ(form.state.vMin, 4000);
  EXPECT_EQ(form.state.vMax, 5000);
}

TEST_F(FittingDispersionWindow, ZeroIsReportedAtTheMiddleOfTheStencil) {
  Click("Button4");
  // The Sezawa zero of 45 degrees fires at the stencils starting at 4960 and 4980 (4985 and
  // 5005 are recorded): its true position lies between 4992.5 and 4997.5 m/s.
  SimulationState& s = form.state;
  s.qFill = ScanWaveNumber(45 * kSweepPi / 180, s.laserM);
  for (long double start : {4960.0L, 4963.0L, 4970.0L, 4980.0L}) {
    s.lastZeroV = 0;
    form.TestForZero(start);
    EXPECT_EQ(s.lastZeroV, start + 25) << start;
    EXPECT_EQ(s.scanV, start);
    EXPECT_EQ(s.stencilV[1], start + 25);
    EXPECT_EQ(s.stencilV[2], start + 50);
    EXPECT_LT(s.stencilAbs[1], s.stencilAbs[0]);
    EXPECT_LT(s.stencilAbs[1], s.stencilAbs[2]);
    // The latest determinant is the one of the third velocity.
    EXPECT_EQ(Modulus(form.detG), s.stencilAbs[2]);
  }
  // A stencil clear of every zero keeps the zero found before.
  form.TestForZero(4900);
  EXPECT_EQ(s.lastZeroV, 5005);
}

TEST_F(FittingDispersionWindow, FaultStopsTheSweepAndKeepsThePicture) {
  Click("Button4");
  const std::vector<Rgb> before = form.canvas.Pixels();
  const std::size_t pointsBefore = form.records.dispersion.size();
  form.SetText("Edit186", "label");

  // Coinciding test velocities make both slopes 0 / 0 at the first step.
  form.SetText("Edit182", "0");
  Click("Button4");
  EXPECT_EQ(Messages(), "FENLAR: Invalid floating point operation\n");
  EXPECT_TRUE(form.canvas.Pixels() == before) << "a repeated sweep draws over, a fault erases nothing";
  EXPECT_EQ(form.Text("Edit186"), "label") << "the axis labels after the sweep did not run";

  // A velocity step of 0 would never end the sweep: refused before anything is computed.
  sink.shown.clear();
  form.SetText("Edit182", "25.0");
  form.SetText("Edit179", "0");
  Click("Button4");
  ASSERT_EQ(sink.shown.size(), 1u);
  EXPECT_TRUE(form.canvas.Pixels() == before);

  // The window stays usable.
  sink.shown.clear();
  form.SetText("Edit179", "20");
  Click("Button4");
  EXPECT_EQ(Messages(), "");
  EXPECT_EQ(form.records.dispersion.size(), pointsBefore);
  EXPECT_TRUE(form.canvas.Pixels() == before) << "the same sweep draws the same points";
  EXPECT_EQ(form.Text("Edit186"), "0.82");
}

TEST_F(FittingBulkLinesWindow, LinesAtTheEndsOfTheRangeAreDrawnAndHidingPaintsThemSilver) {
  const auto layerColours = [&] {
    int n = 0;
    for (Rgb c : {colors::Lime, colors::Blue, colors::Fuchsia, colors::Yellow})
      n += CountIn(42, 401, 297, 666, c);
    return n;
  };
  // Substrate: vT = sqrt(9e9 / 1000) = 3000 = v_min and vL = sqrt(36e9 / 1000) = 6000 = v_max.
  form.SetText("Edit1", "1000");
  form.SetText("Edit193", "9");
  form.SetText("Edit189", "36");
  Click("CheckBox25");
  EXPECT_EQ(Messages(), "");
  EXPECT_EQ(form.state.bulkVT[0], 3000);
  EXPECT_EQ(form.state.bulkVL[0], 6000);
  for (int row : {663, 401}) {
    EXPECT_TRUE(RowIs(row, 42, 294, colors::Lime)) << row;
    EXPECT_FALSE(form.canvas.Pixel(295, row) == colors::Lime) << "end pixel painted";
  }
  ASSERT_GT(layerColours(), 4 * 253);

  // Hiding overpaints the whole width of every line with the background.
  Click("CheckBox25");
  EXPECT_EQ(layerColours(), 0);
  for (int row : {663, 401}) EXPECT_TRUE(RowIs(row, 42, 294, colors::Silver)) << row;

  // Just outside the range on either side: no line.
  form.SetText("Edit193", "8.99");
  form.SetText("Edit189", "36.01");
  Click("CheckBox25");
  EXPECT_EQ(CountIn(42, 401, 297, 666, colors::Lime), 0);
  EXPECT_GT(layerColours(), 0) << "the layers' lines are still drawn";
}
