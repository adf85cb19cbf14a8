#pragma once
#include <string>

#include "form/tform1.h"

// Builds the window off screen, shows the controls and the canvas of the form, and gives the
// client area as PNG bytes; empty when it cannot be encoded.
std::string RenderWindowPng(TForm1& form);
