// Placeholder definitions until the real ones land; delete this file then.
#include "ui/tform1.h"

void TForm1::TestForZero(long double) {}
bool TForm1::AcceptZero(long double) const { return false; }
void TForm1::TraceDispersion() {}
void TForm1::EvaluateCorrelator() {}
void TForm1::DrawCorrelationMap() {}
void TForm1::MapConstantPair(int, int) {}
void TForm1::DrawMapGrid() {}
void TForm1::DrawBulkLines() {}
void TForm1::EraseBulkLines() {}
void TForm1::DrawBulkLinesIn(Rgb, Rgb, Rgb, Rgb) {}
