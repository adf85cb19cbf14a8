#include <optional>

#include "detg/bulk_velocity.h"
#include "form/detg_plot.h"
#include "base/number_text.h"
#include "form/field_names.h"
#include "form/tform1.h"

namespace {
struct BulkRow {
  const char* constantField;
  const char* densityField;
  const char* outputField;
  bool transverse;
  int medium;
};

// Substrate, then layers 1 to 3; vT (from c44) before vL (from c11) of each medium.
const BulkRow kRows[8] = {
    {kSubstrateC44ModField, kSubstrateDensityField, kSubstrateVTField, true, 0},
    {kSubstrateC11ModField, kSubstrateDensityField, kSubstrateVLField, false, 0},
    {kLayer1C44ModField, kLayer1DensityField, kLayer1VTField, true, 1},
    {kLayer1C11ModField, kLayer1DensityField, kLayer1VLField, false, 1},
    {kLayer2C44ModField, kLayer2DensityField, kLayer2VTField, true, 2},
    {kLayer2C11ModField, kLayer2DensityField, kLayer2VLField, false, 2},
    {kLayer3C44ModField, kLayer3DensityField, kLayer3VTField, true, 3},
    {kLayer3C11ModField, kLayer3DensityField, kLayer3VLField, false, 3}};

const Rgb kMediumPens[4] = {colors::Lime, colors::Blue, colors::Fuchsia, colors::Yellow};

// Shown for a negative constant or density: the velocity is imaginary. It is stored as 0, a
// velocity no mode lies near, so the zero filter keeps no distance from it.
constexpr const char* kImaginaryText = "imag.";
}  // namespace

void TForm1::MarkBulkVelocities() {
  ScanDetG();
  OverlayMeasuredPoints();
  StoreDetAxes(*this);
  const PlotScale scale = DetPlotScale(*this, 0, 2);

  for (const BulkRow& row : kRows) {
    if (row.transverse) canvas.penColor = kMediumPens[row.medium];
    const std::optional<long double> v =
        BulkVelocity(Number(row.constantField), Number(row.densityField));
    long double& member = row.transverse ? state.bulkVT[row.medium] : state.bulkVL[row.medium];
    member = v.value_or(0);
    if (!v) {
      SetText(row.outputField, kImaginaryText);
      continue;
    }
    SetText(row.outputField, FormatFixed(*v, 1, 1));
    DrawVelocityMark(*this, scale, Number(row.outputField));
  }
}
