#pragma once
#include "fitting/map_layout.h"

// The grid nodes of a correlation map, columns from the x minimum, rows within each column
// from the pair's first row; both loop bounds are those of the pair's row of the table.
struct MapNodeWalk {
  long double xMin = 0, xEnd = 0, stepX = 0;
  long double yStart = 0, yEnd = 0, stepY = 0;
};

inline MapNodeWalk WalkOfPair(const MapPairRow& row, long double xMin, long double xMax,
                              long double yMin, long double yMax, long double stepX,
                              long double stepY) {
  MapNodeWalk w;
  w.xMin = xMin;
  w.xEnd = xMax - row.columnLessSteps * stepX;
  w.stepX = stepX;
  w.yStart = yMin + row.firstRowSteps * stepY;
  w.yEnd = yMax + row.rowExtraSteps * stepY;
  w.stepY = stepY;
  return w;
}
