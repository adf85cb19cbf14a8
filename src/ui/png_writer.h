#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "ui/canvas.h"

// CRC-32 (ISO 3309, as PNG chunks use it) and the zlib Adler-32 checksum of a byte range.
std::uint32_t Crc32(const std::uint8_t* data, std::size_t size, std::uint32_t crc = 0);
std::uint32_t Adler32(const std::uint8_t* data, std::size_t size);

// An 8-bit RGB PNG of a row-major raster, its image data in stored (uncompressed) deflate
// blocks. Throws std::invalid_argument when the raster does not hold width x height pixels.
std::vector<std::uint8_t> EncodePng(int width, int height, const std::vector<Rgb>& pixels);

// Writes EncodePng of the raster to a file; false when the file cannot be written.
bool WritePng(const std::string& file, int width, int height, const std::vector<Rgb>& pixels);
