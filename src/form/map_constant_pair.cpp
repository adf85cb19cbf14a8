#include <optional>

#include "fitting/map_layout.h"
#include "fitting/map_node_walk.h"
#include "form/certified_map_node.h"
#include "form/field_names.h"
#include "form/prefetch_sources.h"
#include "form/map_constants.h"
#include "form/state_restore.h"
#include "form/tform1.h"

namespace {
const Rgb kClassColours[10] = {{},          {255, 0, 0},   {255, 153, 0}, {255, 255, 0},
                               {0, 255, 0}, {51, 204, 204}, {0, 0, 255},  {255, 0, 255},
                               {153, 0, 204}, {204, 51, 0}};

// The g correlator of the model with constant a at x and constant b at y: certified where
// that settles the cell, else in 80 bits. Each node needs nothing but the state, so nodes can
// be evaluated apart from the drawing.
MapNode MapNodeAt(TForm1& form, int a, int b, long double x, long double y,
                  MeasuredPoints& points) {
  ModifiedValue(form.state, MapConstant(a)) = x;
  ModifiedValue(form.state, MapConstant(b)) = y;
  RefreshC44OfConstant(form.state, a);
  RefreshC44OfConstant(form.state, b);
  if (const std::optional<CertifiedNodeFigure> f = CertifiedMapNodeCorrelator(form, points))
    return {x, y, f->g, !f->exportable};
  form.EvaluateCorrelator();
  return {x, y, form.state.gCorrelator};
}

// The cell of a node extends right and down from its grid point; a G on a class boundary
// leaves the pixels as they were.
void DrawMapCell(Canvas& canvas, const PlotScale& scale, long double x, long double y,
                 long double g, int side) {
  const int cls = MapClass(g);
  if (cls == 0) return;
  const std::optional<Pixel> p = scale.ToPixel(x, y);
  if (!p) return;
  canvas.brushColor = kClassColours[cls];
  canvas.FillRect(p->x, p->y, p->x + side, p->y + side);
}

void RestoreFromSlider(TForm1& form, int item) {
  const HandyConstant& c = MapConstant(item);
  ModifiedValue(form.state, c) = SliderValue(StartingValue(form.state, c),
                                             form.state.rangeFraction, form.Position(c.slider));
}
}  // namespace

void TForm1::MapConstantPair(int a, int b) {
  const MapPairRow* row = FindMapPair(a, b);
  const std::optional<MapResolution> resolution = ResolutionOfItem(ItemIndex(kMapResolutionGroup));
  if (!row || !resolution) return;
  state.mapDivisions = resolution->divisions;
  state.mapCellPx = row->cellPx[resolution->cellColumn];

  const MapAxis xAxis = ReadMapAxis(*this, a);
  state.plotXMin = xAxis.min;
  state.plotXMax = xAxis.max;
  state.plotXSpan = state.plotXMax - state.plotXMin;
  state.mapStepX = state.plotXSpan / state.mapDivisions;
  const MapAxis yAxis = ReadMapAxis(*this, b);
  state.plotYMin = yAxis.min;
  state.plotYMax = yAxis.max;
  state.plotYSpan = state.plotYMax - state.plotYMin;
  // The row pitch is taken from the x span as well; the cell sides are sized for it.
  state.mapStepY = state.plotXSpan / state.mapDivisions;
  const PlotScale scale =
      MapScale(*this, state.plotXMin, state.plotYMin, state.plotXSpan, state.plotYSpan);
  RefuseOversizedMap(*row, xAxis.min, xAxis.max, yAxis.min, yAxis.max, state.mapStepX);

  StateRestore restore(*this);
  records.map = {controls[kMapXGroup].items[a], controls[kMapYGroup].items[b], {},
                 MapStartOf(*this, a, b)};
  const MapNodeWalk walk = WalkOfPair(*row, xAxis.min, xAxis.max, yAxis.min, yAxis.max,
                                      state.mapStepX, state.mapStepY);
  {
    const PrefetchScope prefetch(*this, [&] { return MapSource(records.map.start, walk); },
                                 MapNodeGroupsOf(*this));
    MeasuredPoints points;
    const long double count = MapNodeCount(*row, xAxis.min, xAxis.max, yAxis.min, yAxis.max,
                                           state.mapStepX);
    records.map.nodes.reserve(count > 0 ? static_cast<std::size_t>(count) : 0);
    for (long double x = walk.xMin; x < walk.xEnd; x += walk.stepX)
      for (long double y = walk.yStart; y < walk.yEnd; y += walk.stepY) {
        records.map.nodes.push_back(MapNodeAt(*this, a, b, x, y, points));
        DrawMapCell(canvas, scale, x, y, records.map.nodes.back().g, state.mapCellPx);
      }
  }

  RestoreFromSlider(*this, a);
  RestoreFromSlider(*this, b);
  RefreshC44OfConstant(state, a);
  RefreshC44OfConstant(state, b);
  EvaluateCorrelator();
  restore.Commit();
  DrawMapGrid();
}
