#include <optional>
#include <string>

#include "detg/det_value.h"
#include "detg/measured_velocity.h"
#include "detg/velocity_grid.h"
#include "base/fp_fault.h"
#include "form/detg_plot.h"
#include "form/field_names.h"
#include "form/fill_boundary_matrix.h"
#include "form/input_checks.h"
#include "form/state_restore.h"
#include "base/number_text.h"
#include "form/tform1.h"
#include "io/trace_file.h"

namespace {
// Points between two progress reports (and checks for a cancel).
constexpr long long kScanPointsPerProgress = 2048;

// Everything the scan refuses, checked before anything is written or drawn.
void RefuseUnusableScan(const TForm1& form) {
  RefuseUnphysicalInputs(form);
  RefuseEndlessVelocityGrid(form.Number(kVMinField), form.Number(kVMaxField),
                            form.Number(kVStepField));
  RefuseOversizedDetgScan(form.Number(kVMinField), form.Number(kVMaxField),
                          form.Number(kVStepField));
  ReadDetYAxis(form);
}

void MoveToPixel(TForm1& form, const std::optional<Pixel>& p) {
  if (!p) return;
  form.state.pixelX = p->x;
  form.state.pixelY = p->y;
  form.canvas.MoveTo(p->x, p->y);
}

// The red det_g = 0 line across the whole velocity range of "Abs" and "Real".
void DrawZeroLine(TForm1& form, const PlotScale& scale) {
  form.canvas.penColor = colors::Red;
  MoveToPixel(form, MapFinite(scale, form.Number(kVMinField), 0));
  if (const std::optional<Pixel> end = MapFinite(scale, form.Number(kVMaxField), 0)) {
    form.state.pixelX = end->x;
    form.state.pixelY = end->y;
    form.canvas.LineTo(end->x, end->y);
  }
  form.canvas.penColor = colors::Black;
}

// One point of the scan at scanV: matrix, determinant, text, trace line and curve segment.
void ScanPoint(TForm1& form, const PlotScale& scale, TraceFile& trace) {
  SimulationState& s = form.state;
  const DetRepresentation representation = ChosenRepresentation(form);

  s.laserM = form.Number(kLaserField) * 1e-9L;
  s.qScan = ScanWaveNumber(s.selAngleRad, s.laserM);
  CheckFloatingPoint();
  FillBoundaryMatrixAt(form, s.qScan);

  s.segX0 = s.scanV - s.vStep;
  s.segY0 = ValueOfDet(form.detG, representation);
  const std::optional<Pixel> start = MapFinite(scale, s.segX0, s.segY0);
  MoveToPixel(form, start);

  form.detG = DeterminantOf(form.BoundaryMatrix, form.numerics);
  const long double modulus = Modulus(form.detG);
  CheckFloatingPoint();
  form.SetText(kDetgValueField, FormatComplex(form.detG.re, form.detG.im, 1, 10));
  trace.WriteLine(s.scanV, modulus);
  form.records.detgScan.push_back({s.scanV, form.detG.re, form.detG.im, modulus});

  s.segX1 = s.scanV;
  s.segY1 = ValueOfDet(form.detG, representation);
  const std::optional<Pixel> end = MapFinite(scale, s.segX1, s.segY1);
  if (end) {
    s.pixelX = end->x;
    s.pixelY = end->y;
  }
  const DetSegment segment{s.segX0, s.segY0, s.segX1, s.segY1};
  if (start && end &&
      SegmentInsideLimits(segment, ReadDetYAxis(form), form.Number(kVMinField),
                          form.Number(kVMaxField))) {
    if (representation != DetRepresentation::LgAbs) form.canvas.penColor = colors::Black;
    form.canvas.LineTo(end->x, end->y);
  }
  if (representation != DetRepresentation::LgAbs) DrawZeroLine(form, scale);
}

}  // namespace

void TForm1::ScanDetG() {
  RefuseUnusableScan(*this);
  StateRestore restore(*this);
  TraceFile trace(onStatus);
  state.gpaToPa = 1e9L;
  MarkMeasuredModes();

  state.vStep = Number(kVStepField);
  state.vMin = Number(kVMinField);
  state.vMax = Number(kVMaxField);
  ResizeMatrix(BoundaryMatrix, 14, 14);
  StoreDetAxes(*this);
  const PlotScale scale = DetPlotScale(*this, 1, 0);
  canvas.penColor = colors::Black;

  detG = {0, 1};
  records.detgScan.clear();
  long long points = 0;
  for (state.scanV = state.vMin; state.scanV < state.vMax; state.scanV += state.vStep) {
    if (++points % kScanPointsPerProgress == 0)
      ReportProgress(static_cast<double>((state.scanV - state.vMin) / (state.vMax - state.vMin)));
    ScanPoint(*this, scale, trace);
  }
  OverlayMeasuredPoints();
  restore.Commit();
}
