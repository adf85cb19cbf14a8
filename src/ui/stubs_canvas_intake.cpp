// Placeholder definitions until the real ones land; delete this file then.
#include "ui/tform1.h"

Canvas::Canvas() {}
void Canvas::MoveTo(int, int) {}
void Canvas::LineTo(int, int) {}
void Canvas::FillRect(int, int, int, int) {}
void Canvas::FrameRect(int, int, int, int) {}
void Canvas::Clear(Rgb) {}
void Canvas::SetPixel(int, int, Rgb) {}
Rgb Canvas::Pixel(int, int) const { return {}; }
PlotScale::PlotScale(int, int, int, int, long double, long double, long double, long double) {}
std::optional<Pixel> PlotScale::ToPixel(long double, long double) const { return {}; }
void TForm1::Repaint() {}
void TForm1::FramePlots() {}
void TForm1::ShowGrids() {}
void TForm1::HideGrids() {}
void TForm1::DrawGridLines() {}
void TForm1::DrawDispersionAxisLabels() {}
void TForm1::DrawDetgAxisLabels() {}
void TForm1::TakeStartingData() {}
void TForm1::ApplyHandySliders() {}
void TForm1::ModifiedToStarting() {}
