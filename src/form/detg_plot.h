#pragma once
#include <optional>

#include "detg/det_value.h"
#include "form/plot_scale.h"

class TForm1;

// The representation chosen in RadioGroup4.
DetRepresentation ChosenRepresentation(const TForm1& form);

// The y limits of the det_g plot from the limit fields of the chosen representation.
// Refuses "Lg(Abs)" limits that have no logarithm.
DetAxisY ReadDetYAxis(const TForm1& form);

// Reads both det_g axes into detAxisXMin .. detAxisYSpan.
void StoreDetAxes(TForm1& form);

// The det_g plot's mapping over Bevel3 shrunk by the given pixels, from the stored axes.
PlotScale DetPlotScale(const TForm1& form, int widthLess, int heightLess);

// ToPixel of a finite point; no pixel for a coordinate that is not finite.
std::optional<Pixel> MapFinite(const PlotScale& scale, long double x, long double y);

// A vertical line at velocity x over the full y axis of the det_g plot in the current pen,
// drawn only when x lies strictly between v_min and v_max.
void DrawVelocityMark(TForm1& form, const PlotScale& scale, long double x);
