#include <optional>

#include "detg/bulk_velocity.h"
#include "form/detg_plot.h"
#include "base/number_text.h"
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
    {"Edit193", "Edit1", "Edit192", true, 0},        {"Edit189", "Edit1", "Edit191", false, 0},
    {"MaskEdit4", "Edit5", "MaskEdit12", true, 1},   {"MaskEdit2", "Edit5", "MaskEdit1", false, 1},
    {"MaskEdit7", "Edit137", "MaskEdit29", true, 2}, {"MaskEdit5", "Edit137", "MaskEdit14", false, 2},
    {"MaskEdit10", "Edit139", "MaskEdit33", true, 3}, {"MaskEdit8", "Edit139", "MaskEdit31", false, 3}};

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
