#include <algorithm>
#include <cctype>
#include <cmath>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "fitting_window_fixture.h"
#include "base/number_text.h"

namespace {

using FittingCorrelatorWindow = FittingWindow;
using FittingMapWindow = FittingWindow;

const char* const kXLabels[] = {"Edit224", "Edit225", "Edit226", "Edit227", "Edit228", "Edit229"};
const char* const kYLabels[] = {"Edit223", "Edit222", "Edit221", "Edit220", "Edit219", "Edit218"};
// Angle, R and S_1 fields are read by the intake; these are the S_2 values and every
// uncertainty of the nine default angles A1 to A9.
const char* const kS2Fields[] = {"Edit7", "Edit32", "Edit54", "Edit76", "Edit98",
                                 "Edit120", "Edit146", "Edit26", "Edit43"};
const char* const kErrorFields[] = {"Edit10", "Edit11", "Edit12", "Edit29", "Edit31", "Edit33",
                                    "Edit51", "Edit53", "Edit55", "Edit73", "Edit75", "Edit77",
                                    "Edit95", "Edit97", "Edit99", "Edit117", "Edit119", "Edit121",
                                    "Edit143", "Edit145", "Edit147", "Edit18", "Edit20", "Edit21",
                                    "Edit40", "Edit42", "Edit44"};

const Rgb kClassColours[] = {{255, 0, 0},   {255, 153, 0}, {255, 255, 0},
                             {0, 255, 0},   {51, 204, 204}, {0, 0, 255},
                             {255, 0, 255}, {153, 0, 204}, {204, 51, 0}};

bool IsClassColour(Rgb c) {
  return std::find(std::begin(kClassColours), std::end(kClassColours), c) != std::end(kClassColours);
}

int SignificantDigits(const std::string& text) {
  const std::string mantissa = text.substr(0, text.find_first_of("eE"));
  std::size_t first = mantissa.find_first_of("123456789");
  int n = 0;
  for (std::size_t i = first; i < mantissa.size(); ++i) n += std::isdigit(static_cast<unsigned char>(mantissa[i])) != 0;
  return n;
}

// Class colours and other colours inside the map rectangle (its frame excluded).
struct MapPixels {
  std::set<int> classes;
  int classPixels = 0, others = 0;
};
MapPixels MapInterior(const Canvas& canvas, int top = 81) {
  MapPixels m;
  for (int y = top; y < 303; ++y)
    for (int x = 758; x < 980; ++x) {
      const Rgb c = canvas.Pixel(x, y);
      if (IsClassColour(c)) {
        ++m.classPixels;
        m.classes.insert(c.r * 65536 + c.g * 256 + c.b);
      } else if (!(c == colors::Black)) {
        ++m.others;
      }
    }
  return m;
}

}  // namespace

TEST_F(FittingCorrelatorWindow, ZScaleAloneRescalesTheFigure) {
  Click("Button7");
  ASSERT_EQ(Messages(), "");
  const long double g10 = form.state.gCorrelator;
  ASSERT_GT(g10, 0);
  const std::vector<long double> moduli(form.state.absDetR, form.state.absDetR + 14);
  Move("TrackBar1", 1);
  EXPECT_EQ(form.Text("Edit231"), "1");
  const long double g1 = form.state.gCorrelator;
  EXPECT_NEAR(static_cast<double>(g1 / g10), 10.0, 1e-15);
  Move("TrackBar1", 40);
  EXPECT_NEAR(static_cast<double>(form.state.gCorrelator * 40 / g1), 1.0, 1e-15);
  EXPECT_TRUE(std::equal(moduli.begin(), moduli.end(), form.state.absDetR));
  // Shown with 10 significant digits.
  const std::string shown = form.Text("MaskEdit41");
  EXPECT_EQ(SignificantDigits(shown), 10) << shown;
  EXPECT_NEAR(static_cast<double>(ReadNumber(shown) / form.state.gCorrelator), 1.0, 5e-10);
  EXPECT_EQ(Messages(), "");
}

TEST_F(FittingCorrelatorWindow, SezawaTwoAndUncertaintiesDoNotEnter) {
  Click("Button7");
  const long double g = form.state.gCorrelator;
  const std::string shown = form.Text("MaskEdit41");
  for (const char* f : kS2Fields) form.SetText(f, "20");
  for (const char* f : kErrorFields) form.SetText(f, "5");
  TakeStartingData();
  ASSERT_EQ(form.state.errS1[8], 5) << "the uncertainties reached the state";
  Click("Button7");
  EXPECT_EQ(form.state.gCorrelator, g);
  EXPECT_EQ(form.Text("MaskEdit41"), shown);
}

TEST_F(FittingCorrelatorWindow, AngleSetBackToZeroNoLongerCounts) {
  Click("Button7");
  const long double withA1 = form.state.gCorrelator;
  ASSERT_GT(form.state.absDetR[0], 0);
  form.SetText("Edit15", "0");
  TakeStartingData();
  Click("Button7");
  EXPECT_EQ(form.state.absDetR[0], 0);
  EXPECT_EQ(form.state.absDetS1[0], 0);
  EXPECT_NE(form.state.gCorrelator, withA1);

  // The same figure as a window whose A1 was never used.
  TForm1 fresh;
  fresh.RunHandler([&] { fresh.WindowCreated(); });
  fresh.SetText("Edit15", "0");
  fresh.controls["Button5"].onClick();
  fresh.controls["Button7"].onClick();
  EXPECT_EQ(fresh.state.gCorrelator, form.state.gCorrelator);
  EXPECT_EQ(fresh.Text("MaskEdit41"), form.Text("MaskEdit41"));
  EXPECT_EQ(Messages(), "");
}

TEST_F(FittingCorrelatorWindow, BeforeAnyScanTheLaserFieldIsUsed) {
  ASSERT_EQ(form.state.laserM, 0);
  form.SetText("Edit4", "514");
  Move("TrackBar1", 20);
  EXPECT_EQ(Messages(), "");
  EXPECT_EQ(form.state.laserM, 514e-9L);
  const long double g = form.state.gCorrelator;
  EXPECT_TRUE(std::isfinite(g));
  EXPECT_GT(g, 0);
  // A det_g scan sets the same units from the same field: the figure does not change.
  Click("Button7");
  EXPECT_EQ(form.state.gCorrelator, g);
}

TEST_F(FittingMapWindow, DefaultSubstrateMapGridLabelsAndNodes) {
  Select("RadioGroup1", 0);
  Select("RadioGroup2", 1);
  Click("Button6");
  ASSERT_EQ(Messages(), "");
  // Grid at 297, 375, ..., 687 GPa of c11 and 100, 126, ..., 230 GPa of c12; the first line of
  // each axis lies just left of or below the map, whose Mins are 297.6 and 100.8.
  for (int x : {756, 800, 844, 888, 932, 976}) {
    EXPECT_TRUE(ColumnIs(x, 81, 304, colors::Black)) << x;
    EXPECT_FALSE(form.canvas.Pixel(x, 80 - 1) == colors::Black) << x;
  }
  for (int y : {305, 261, 218, 175, 131, 88}) EXPECT_TRUE(RowIs(y, 757, 980, colors::Black)) << y;
  int blackColumns = 0, blackRows = 0;
  for (int x = 758; x < 980; ++x) blackColumns += ColumnIs(x, 81, 302, colors::Black);
  for (int y = 81; y < 303; ++y) blackRows += RowIs(y, 758, 979, colors::Black);
  EXPECT_EQ(blackColumns, 5) << "only the grid lines inside the frame";
  EXPECT_EQ(blackRows, 5);
  // The black one-pixel frame of the map rectangle.
  EXPECT_TRUE(RowIs(80, 757, 980, colors::Black));
  EXPECT_TRUE(RowIs(303, 757, 980, colors::Black));
  EXPECT_TRUE(ColumnIs(757, 80, 303, colors::Black));
  EXPECT_TRUE(ColumnIs(980, 80, 303, colors::Black));

  // Labels from the rounded Min: 298 + k x 79.36 and 101 + k x 26.88.
  const char* const xTexts[] = {"298", "377", "457", "536", "615", "695"};
  const char* const yTexts[] = {"101", "128", "155", "182", "209", "235"};
  for (int k = 0; k < 6; ++k) {
    EXPECT_EQ(form.Text(kXLabels[k]), xTexts[k]) << k;
    EXPECT_EQ(form.Text(kYLabels[k]), yTexts[k]) << k;
  }

  // 40 columns from 297.6 and 14 rows from 100.8 + 9.448, both by 396.8 / 42 GPa.
  const MapRecord& map = form.records.map;
  EXPECT_EQ(map.xName, "c11_S");
  EXPECT_EQ(map.yName, "c12_S");
  ASSERT_EQ(map.nodes.size(), 40u * 14u);
  std::set<long double> xs, ys;
  for (const MapNode& n : map.nodes) {
    xs.insert(n.x);
    ys.insert(n.y);
    EXPECT_TRUE(std::isfinite(n.g));
  }
  EXPECT_EQ(xs.size(), 40u);
  EXPECT_EQ(ys.size(), 14u);
  EXPECT_EQ(*xs.begin(), form.Number("MaskEdit30"));
  EXPECT_NEAR(static_cast<double>(*ys.begin()), 100.8 + 396.8 / 42, 1e-9);
  EXPECT_LT(*ys.rbegin(), 235.2L);

  // The cells fill the map with their class colours, except the band above the last row
  // (233.5 GPa, pixel row 82): cells extend down from their node.
  EXPECT_EQ(MapInterior(form.canvas, 81).others, 2 * 222 - 2 * 5) << "two rows less the grid";
  const MapPixels pixels = MapInterior(form.canvas, 83);
  EXPECT_EQ(pixels.others, 0) << "silver left between the cells";
  EXPECT_GE(pixels.classes.size(), 2u);
}

TEST_F(FittingMapWindow, MapRestoresTheConstantsFromTheSliders) {
  Move("ScrollBar5", 300);
  // Modified constants off their sliders' values: the map does not keep them.
  form.state.c11Mod[0] = 500;
  form.state.c12Mod[0] = 170;
  form.state.c44Mod[0] = 165;
  Select("RadioGroup1", 0);
  Select("RadioGroup2", 1);
  Click("Button6");
  ASSERT_EQ(Messages(), "");

  TForm1 never;
  never.RunHandler([&] { never.WindowCreated(); });
  never.controls["ScrollBar5"].SetPosition(300);
  for (int m = 0; m < 4; ++m) {
    EXPECT_EQ(form.state.c11Mod[m], never.state.c11Mod[m]) << m;
    EXPECT_EQ(form.state.c12Mod[m], never.state.c12Mod[m]) << m;
    EXPECT_EQ(form.state.c44Mod[m], never.state.c44Mod[m]) << m;
  }
  EXPECT_EQ(form.state.gCorrelator, never.state.gCorrelator);
  EXPECT_EQ(form.Text("MaskEdit41"), never.Text("MaskEdit41"));
  // The Handy Mode controls themselves are untouched.
  EXPECT_EQ(form.Position("ScrollBar5"), 300);
  EXPECT_EQ(form.Text("Edit189"), never.Text("Edit189"));
  EXPECT_EQ(form.Text("MaskEdit30"), "297.6");
  EXPECT_EQ(Messages(), "");
}

TEST_F(FittingMapWindow, UnorderedPairDrawsNoMapAndWritesNoLabels) {
  for (const char* f : kXLabels) form.SetText(f, "-");
  for (const char* f : kYLabels) form.SetText(f, "-");
  for (auto [a, b] : {std::pair{1, 1}, std::pair{4, 2}}) {
    Select("RadioGroup1", a);
    Select("RadioGroup2", b);
    Click("Button6");
    EXPECT_EQ(Messages(), "");
    for (const char* f : kXLabels) EXPECT_EQ(form.Text(f), "-") << a << b;
    for (const char* f : kYLabels) EXPECT_EQ(form.Text(f), "-") << a << b;
    EXPECT_EQ(MapInterior(form.canvas).classPixels, 0);
    EXPECT_TRUE(form.records.map.nodes.empty());
    // The map frame is still drawn.
    EXPECT_TRUE(RowIs(80, 757, 980, colors::Black));
    EXPECT_TRUE(ColumnIs(980, 80, 303, colors::Black));
  }
}

TEST_F(FittingMapWindow, EqualMinAndMaxStopTheMapBeforeAnyCell) {
  form.SetText("MaskEdit30", "496");
  form.SetText("MaskEdit13", "496");
  Select("RadioGroup1", 0);
  Select("RadioGroup2", 1);
  Click("Button6");
  EXPECT_EQ(Messages(), "FENLAR: Floating point division by zero\n");
  EXPECT_EQ(MapInterior(form.canvas).classPixels, 0);
  EXPECT_TRUE(form.records.map.nodes.empty());
  // For this pair the labels come before the map and stay.
  EXPECT_EQ(form.Text("Edit224"), "496");
  EXPECT_EQ(form.Text("Edit229"), "496");
  // The constants the map would vary are untouched.
  EXPECT_EQ(form.state.c11Mod[0], 496);
}
