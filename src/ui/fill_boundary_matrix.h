#pragma once

class TForm1;

// Refreshes density, thicknessM and depthM from the density and thickness fields, then fills
// BoundaryMatrix at velocity scanV and wave number q from the modified constants and
// gpaToPa. FillBoundaryMatrix passes qFill; the det_g scan passes its own qScan.
void FillBoundaryMatrixAt(TForm1& form, long double q);
