#include "form/map_constants.h"

#include "form/field_names.h"
#include "form/tform1.h"

bool IsMapConstant(int item) { return item >= 0 && item < 8; }

const HandyConstant& MapConstant(int item) { return kHandyConstants[item]; }

MapAxis ReadMapAxis(const TForm1& form, int item) {
  return {form.Number(MapConstant(item).minField), form.Number(MapConstant(item).maxField)};
}

PlotScale MapScale(const TForm1& form, long double xMin, long double yMin, long double xSpan,
                   long double ySpan) {
  const ClientRect r = form.controls.ClientBounds(kMapBevel);
  return PlotScale(r.left, r.top, r.width, r.height, xMin, yMin, xSpan, ySpan);
}

void RefreshC44OfConstant(SimulationState& state, int item) {
  const int m = MapConstant(item).material;
  state.c44Mod[m] = (state.c11Mod[m] - state.c12Mod[m]) / 2;
}
