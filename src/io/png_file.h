#pragma once
#include <cstdint>
#include <string>

// An 8-bit RGB PNG, compressed, of a row-major raster of width x height pixels given as
// r, g, b bytes. Throws std::invalid_argument for an empty image or a raster of another size.
std::string EncodePng(int width, int height, const std::uint8_t* rgb, std::size_t bytes);
