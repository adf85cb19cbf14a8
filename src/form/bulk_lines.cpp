#include <optional>

#include "detg/bulk_velocity.h"
#include "form/dispersion_scale.h"
#include "form/field_names.h"
#include "form/tform1.h"

namespace {
struct BulkLine {
  const char* constantField;  // modified c44 (transverse) or c11 (longitudinal), as shown
  const char* densityField;
};

// Per medium: transverse, then longitudinal.
const BulkLine kLines[4][2] = {
    {{kSubstrateC44ModField, kSubstrateDensityField},
     {kSubstrateC11ModField, kSubstrateDensityField}},
    {{kLayer1C44ModField, kLayer1DensityField}, {kLayer1C11ModField, kLayer1DensityField}},
    {{kLayer2C44ModField, kLayer2DensityField}, {kLayer2C11ModField, kLayer2DensityField}},
    {{kLayer3C44ModField, kLayer3DensityField}, {kLayer3C11ModField, kLayer3DensityField}}};

void StorePixel(SimulationState& s, const Pixel& p) {
  s.pixelX = p.x;
  s.pixelY = p.y;
}
}  // namespace

void TForm1::DrawBulkLines() {
  DrawBulkLinesIn(colors::Lime, colors::Blue, colors::Fuchsia, colors::Yellow);
}

void TForm1::EraseBulkLines() {
  DrawBulkLinesIn(colors::Silver, colors::Silver, colors::Silver, colors::Silver);
}

void TForm1::DrawBulkLinesIn(Rgb substrate, Rgb layer1, Rgb layer2, Rgb layer3) {
  const Rgb pens[4] = {substrate, layer1, layer2, layer3};
  const PlotScale scale = DispersionCurveScale(*this);
  state.segX0 = Number(kQdMinField) * 100;
  state.segX1 = Number(kQdMaxField) * 100;
  for (int medium = 0; medium < 4; ++medium) {
    canvas.penColor = pens[medium];
    for (int wave = 0; wave < 2; ++wave) {
      const BulkLine& line = kLines[medium][wave];
      // A negative constant has no real velocity: stored as 0 (no distance kept from it by
      // the zero filter) and drawn as no line.
      const std::optional<long double> v =
          BulkVelocity(Number(line.constantField), Number(line.densityField));
      (wave == 0 ? state.bulkVT : state.bulkVL)[medium] = v.value_or(0);
      if (!v) continue;
      state.segY0 = *v;
      if (const std::optional<Pixel> start = scale.ToPixel(state.segX0, state.segY0)) {
        StorePixel(state, *start);
        canvas.MoveTo(start->x, start->y);
      }
      state.segY1 = *v;
      const std::optional<Pixel> end = scale.ToPixel(state.segX1, state.segY1);
      if (!end) continue;
      StorePixel(state, *end);
      const VelocityRange range = DispersionVelocityRange(*this);
      if (range.min <= *v && *v <= range.max) canvas.LineTo(end->x, end->y);
    }
  }
}
