#pragma once
#include "model/boundary_fill.h"
#include "model/simulation_state.h"
#include "model/stack_of_state.h"

class TForm1;

// Refreshes density, thicknessM and depthM from the density and thickness fields, then fills
// BoundaryMatrix at velocity scanV and wave number q from the modified constants and
// gpaToPa. FillBoundaryMatrix passes qFill; the det_g scan passes its own qScan.
void FillBoundaryMatrixAt(TForm1& form, long double q);

// Density, thicknessM and depthM of s from the density and thickness fields.
void ReadStackFields(const TForm1& form, SimulationState& s);

// The refresh from the fields, then the inputs of that fill.
StackInputs ReadStackInputs(TForm1& form, long double q);

// The stack as the model sees it now, whether or not a scan has set the GPa factor yet: the
// refresh from the fields, the modified constants, G = 1e9; v and q left 0.
StackInputs CurrentModelStack(TForm1& form);
