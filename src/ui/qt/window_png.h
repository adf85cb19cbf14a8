#pragma once
#include <string>

#include "ui/tform1.h"

// Builds the window off screen, shows the controls and the canvas of the form, and writes
// the client area as a PNG file; false when the file cannot be written.
bool RenderWindowPng(TForm1& form, const std::string& file);
