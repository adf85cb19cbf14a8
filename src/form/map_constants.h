#pragma once
#include "form/handy_constants.h"
#include "form/plot_scale.h"

class TForm1;

// The eight constants of the correlation maps share the item order of the Handy Mode table:
// c11_S, c12_S, c11L1, c12L1, c11L2, c12L2, c11L3, c12L3.
bool IsMapConstant(int item);
const HandyConstant& MapConstant(int item);

// The Min and Max fields of a map constant, as numbers.
struct MapAxis {
  long double min = 0, max = 0;
};
MapAxis ReadMapAxis(const TForm1& form, int item);

// Bevel2, the map rectangle, with its world window.
PlotScale MapScale(const TForm1& form, long double xMin, long double yMin, long double xSpan,
                   long double ySpan);

// c44Mod = (c11Mod - c12Mod) / 2 of the material owning the constant.
void RefreshC44OfConstant(SimulationState& state, int item);
