// Placeholder definitions until the real ones land; delete this file then.
#include "ui/tform1.h"

void TForm1::FillBoundaryMatrix() {}
void TForm1::ScanDetG() {}
void TForm1::MarkMeasuredModes() {}
void TForm1::MarkBulkVelocities() {}
void TForm1::OverlayMeasuredPoints() {}
