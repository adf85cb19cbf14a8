#include <cmath>
#include <set>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include <gtest/gtest.h>

#include "recording_sink.h"
#include "temp_dir.h"
#include "form/dispersion_scale.h"
#include "fitting/map_exact_figures.h"
#include "io/exports.h"
#include "form/file_commands.h"
#include "base/number_text.h"
#include "form/tform1.h"

namespace {

using Cells = std::vector<std::string>;

std::vector<Cells> ParseCsv(const std::string& text) {
  std::vector<Cells> rows;
  std::istringstream lines(text);
  for (std::string line; std::getline(lines, line);) {
    Cells cells;
    std::istringstream split(line);
    for (std::string cell; std::getline(split, cell, ',');) cells.push_back(cell);
    rows.push_back(cells);
  }
  return rows;
}

double Num(const std::string& cell) { return static_cast<double>(ReadNumber(cell)); }

// The default analysis in a window of its own, in a folder of its own for the trace file.
class Exports : public ::testing::Test {
 protected:
  void SetUp() override {
    SetMessageSink(&sink);
    form.RunHandler([&] { form.WindowCreated(); });
  }
  void TearDown() override { SetMessageSink(nullptr); }
  void Click(const std::string& button) { form.controls[button].onClick(); }
  std::vector<Cells> Export(ExportKind kind) {
    const std::string file = dir.File("export.csv");
    EXPECT_TRUE(ExportResults(form, kind, file));
    return ParseCsv(ReadWholeFile(file));
  }
  bool RedNear(int x, int y) const {
    for (int dx = -1; dx <= 2; ++dx)
      for (int dy = -1; dy <= 2; ++dy)
        if (form.canvas.Pixel(x + dx, y + dy) == colors::Red) return true;
    return false;
  }

  ScopedTempDir dir;
  RecordingSink sink;
  TForm1 form;
};

TEST_F(Exports, DetgScanHasOneRowPerVelocityMatchingTheTraceFile) {
  EXPECT_EQ(ParseCsv(ExportCsv(ExportKind::Detg, form.records, form.state)), (std::vector<Cells>{{"v_m_s", "re", "im", "modulus"}}))
      << "before a scan only the header";
  Click("Button7");
  const std::vector<Cells> csv = Export(ExportKind::Detg);
  ASSERT_EQ(csv.size(), 1u + 150u) << "3000 to 6000 m/s by 20";
  const std::vector<Cells> trace = ParseCsv(ReadWholeFile("test.txt"));
  ASSERT_EQ(trace.size(), 150u);
  for (std::size_t k = 1; k < csv.size(); ++k) {
    const Cells& row = csv[k];
    ASSERT_EQ(row.size(), 4u);
    EXPECT_EQ(Num(row[0]), 3000 + 20.0 * (k - 1));
    EXPECT_EQ(Num(row[3]), static_cast<double>(form.records.detgScan[k - 1].modulus)) << "full precision";
    EXPECT_NEAR(std::hypot(Num(row[1]), Num(row[2])) / Num(row[3]), 1, 1e-15);
    const std::string traced = trace[k - 1][0];
    const std::size_t gap = traced.find_first_of(' ');
    EXPECT_EQ(Num(traced.substr(0, gap)), Num(row[0]));
    EXPECT_NEAR(Num(traced.substr(gap)) / Num(row[3]), 1, 1e-9) << k;
  }
}

TEST_F(Exports, DispersionPointsAreTheRedSquaresInDrawingOrder) {
  Click("Button4");
  const std::vector<Cells> csv = Export(ExportKind::Dispersion);
  ASSERT_EQ(csv.front(), (Cells{"angle_deg", "qd", "v_m_s"}));
  const std::set<std::tuple<long double, long double, long double>> points = [&] {
    std::set<std::tuple<long double, long double, long double>> all;
    for (const DispersionPoint& p : form.records.dispersion) all.emplace(p.angleDeg, p.qd, p.v);
    return all;
  }();
  ASSERT_EQ(csv.size(), points.size() + 1) << "every point drawn, each once";
  ASSERT_GT(csv.size(), 100u);
  const PlotScale scale = DispersionCurveScale(form);
  std::set<Cells> distinct;
  double lastAngle = 0;
  for (std::size_t k = 1; k < csv.size(); ++k) {
    const Cells& row = csv[k];
    EXPECT_TRUE(distinct.insert(row).second) << "repeated point in row " << k;
    const double angle = Num(row[0]), qd = Num(row[1]), v = Num(row[2]);
    EXPECT_GE(angle, lastAngle) << "the sweep runs up the angles";
    lastAngle = angle;
    EXPECT_GT(qd, 0.82);
    EXPECT_LT(qd, 1.42);
    EXPECT_GE(v, 3000);
    EXPECT_LT(v, 6000);
    const std::optional<Pixel> p = scale.ToPixel(qd * 100, v);
    ASSERT_TRUE(p);
    EXPECT_TRUE(RedNear(p->x, p->y)) << "row " << k << " at " << p->x << "," << p->y;
  }
}

TEST_F(Exports, CorrelationMapNamesItsConstantsAndHasEveryNode) {
  EXPECT_EQ(ParseCsv(ExportCsv(ExportKind::Map, form.records, form.state)).front(), (Cells{"x", "y", "g"}));
  Click("Button6");
  const std::vector<Cells> csv = Export(ExportKind::Map);
  EXPECT_EQ(csv.front(), (Cells{form.controls["RadioGroup1"].items[form.ItemIndex("RadioGroup1")],
                                form.controls["RadioGroup2"].items[form.ItemIndex("RadioGroup2")], "g"}));
  ASSERT_EQ(csv.size(), form.records.map.nodes.size() + 1);
  ASSERT_GT(csv.size(), 100u);
  const double xMin = Num(form.Text("MaskEdit30")), xMax = Num(form.Text("MaskEdit13"));
  // Figures drawn from loosely bound certified values are exported in 80 bits.
  const MapRecord exported = WithExactFigures(form.records.map);
  for (std::size_t k = 1; k < csv.size(); ++k) {
    EXPECT_GE(Num(csv[k][0]), xMin - 1e-9);
    EXPECT_LT(Num(csv[k][0]), xMax);
    EXPECT_EQ(Num(csv[k][2]), static_cast<double>(exported.nodes[k - 1].g));
  }
}

TEST_F(Exports, MeasuredPointsSitWhereTheOverlayDrawsThem) {
  form.RunHandler([&] { form.OverlayMeasuredPoints(); });
  const std::vector<Cells> csv = Export(ExportKind::Measured);
  ASSERT_EQ(csv.front(), (Cells{"column", "angle_deg", "mode", "qd", "v_m_s", "dv_m_s"}));
  ASSERT_EQ(csv.size(), 1u + 18u) << "both modes of the nine default columns";
  EXPECT_EQ(csv[1][0], "A1");
  EXPECT_EQ(csv[2][2], "S_1");
  EXPECT_EQ(csv[18][0], "A9");
  const ClientRect r = form.controls.ClientBounds("Bevel1");
  const SimulationState& s = form.state;
  const PlotScale scale(r.left, r.top, r.width, r.height, s.plotXMin, s.plotYMin, s.plotXSpan, s.plotYSpan);
  for (std::size_t k = 1; k < csv.size(); ++k) {
    const double angle = Num(csv[k][1]), qd = Num(csv[k][3]), v = Num(csv[k][4]), dv = Num(csv[k][5]);
    // v = lambda f / (2 sin theta), qd = 4 pi sin theta D / lambda, with the typed-angle factor.
    const double theta = angle * 0.01745277777777778;
    const double f = Num(form.Text(csv[k][2] == "R" ? "Edit2" : "Edit3"));
    if (k <= 2) {
      EXPECT_NEAR(v, 532 * f / (2 * std::sin(theta)), 1e-9);
    }
    EXPECT_NEAR(qd, 12.566368 * std::sin(theta) * 59 / 532, 1e-12);
    EXPECT_GT(dv, 0);
    const std::optional<Pixel> p = scale.ToPixel(qd * 100, v);
    ASSERT_TRUE(p);
    EXPECT_EQ(form.canvas.Pixel(p->x + 2, p->y + 1), colors::Black) << "row " << k;
  }
  EXPECT_EQ(Num(csv[1][1]), 40);
  EXPECT_EQ(Num(csv[18][1]), 77);
}

TEST_F(Exports, AFailedExportSaysWhyAndKeepsTheOldFile) {
  const std::string file = dir.File("keep.csv");
  WriteWholeFile(file, "old");
  std::filesystem::create_directory(dir.File("folder.csv"));
  EXPECT_FALSE(ExportResults(form, ExportKind::Detg, dir.File("folder.csv")));
  EXPECT_FALSE(ExportResults(form, ExportKind::Detg, dir.File("missing/x.csv")));
  EXPECT_EQ(ReadWholeFile(file), "old");
  ASSERT_EQ(sink.shown.size(), 2u);
  EXPECT_NE(sink.shown[1].first.find("missing/x.csv"), std::string::npos) << sink.shown[1].first;
}

}  // namespace
