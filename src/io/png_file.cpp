#include "io/png_file.h"

#include <png.h>

#include <stdexcept>

namespace {

void AppendToString(png_structp png, png_bytep data, png_size_t length) {
  static_cast<std::string*>(png_get_io_ptr(png))->append(reinterpret_cast<const char*>(data), length);
}

void NoFlush(png_structp) {}

[[noreturn]] void ThrowPngError(png_structp, png_const_charp message) {
  throw std::runtime_error(std::string("PNG encoding failed: ") + message);
}

void IgnoreWarning(png_structp, png_const_charp) {}

// The write structures of one image, released on every way out.
class PngWriter {
 public:
  PngWriter() {
    png_ = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, ThrowPngError, IgnoreWarning);
    if (png_) info_ = png_create_info_struct(png_);
    if (!png_ || !info_) {
      png_destroy_write_struct(&png_, &info_);
      throw std::runtime_error("PNG encoding failed: out of memory");
    }
  }
  ~PngWriter() { png_destroy_write_struct(&png_, &info_); }
  PngWriter(const PngWriter&) = delete;
  PngWriter& operator=(const PngWriter&) = delete;

  std::string Encode(int width, int height, const std::uint8_t* rgb) {
    std::string out;
    png_set_write_fn(png_, &out, AppendToString, NoFlush);
    png_set_IHDR(png_, info_, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), 8,
                 PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png_, info_);
    const std::size_t stride = static_cast<std::size_t>(width) * 3;
    for (int y = 0; y < height; ++y) png_write_row(png_, rgb + static_cast<std::size_t>(y) * stride);
    png_write_end(png_, nullptr);
    return out;
  }

 private:
  png_structp png_ = nullptr;
  png_infop info_ = nullptr;
};

}  // namespace

std::string EncodePng(int width, int height, const std::uint8_t* rgb, std::size_t bytes) {
  if (width <= 0 || height <= 0 ||
      bytes != static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 3) {
    throw std::invalid_argument("raster size does not match the image size");
  }
  PngWriter writer;
  return writer.Encode(width, height, rgb);
}
