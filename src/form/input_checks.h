#pragma once
#include "form/handy_constants.h"

class TForm1;

// Inputs without physical meaning, refused (RefusedInput) before anything is computed with a
// message naming the field by its label and control name.

// The laser line above 0, the layer thicknesses not negative, all finite.
void RefuseUnphysicalStack(const TForm1& form);

// The z-scale factor of the g correlator: finite and above 0.
void RefuseUnphysicalZScale(const TForm1& form);

// Every angle of incidence from 0 (no measurement) to 90 degrees.
void RefuseUnphysicalAngles(const TForm1& form);

// All three above: the first step of every scan, sweep and correlator.
void RefuseUnphysicalInputs(const TForm1& form);

// The modified c44 of the constant's material, set from its slider, above 0.
void RefuseNonPositiveC44(const TForm1& form, const HandyConstant& constant);
