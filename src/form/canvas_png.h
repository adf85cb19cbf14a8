#pragma once
#include <string>

#include "form/canvas.h"

// The canvas raster as a PNG file's bytes.
std::string CanvasPng(const Canvas& canvas);
