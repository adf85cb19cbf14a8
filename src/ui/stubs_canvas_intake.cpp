// Placeholder definitions until the real ones land; delete this file then.
#include "ui/tform1.h"

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
