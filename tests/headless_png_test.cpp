#include <gtest/gtest.h>

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "ui/png_writer.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

std::uint32_t BigEndian(const Bytes& b, std::size_t at) {
  return std::uint32_t{b[at]} << 24 | std::uint32_t{b[at + 1]} << 16 | std::uint32_t{b[at + 2]} << 8 | b[at + 3];
}

// Bit-by-bit CRC-32, independent of the writer's table.
std::uint32_t SlowCrc(const std::uint8_t* data, std::size_t size) {
  std::uint32_t c = 0xFFFFFFFFu;
  for (std::size_t i = 0; i < size; ++i) {
    c ^= data[i];
    for (int k = 0; k < 8; ++k) c = (c >> 1) ^ (0xEDB88320u & (0u - (c & 1)));
  }
  return ~c;
}

struct Chunk {
  std::string type;
  Bytes data;
};

struct DecodedPng {
  std::vector<Chunk> chunks;
  Bytes inflated;
  int storedBlocks = 0;
};

// Walks the chunks (checking every CRC) and inflates the stored blocks of the image data.
DecodedPng Decode(const Bytes& png) {
  const Bytes signature{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  EXPECT_TRUE(std::equal(signature.begin(), signature.end(), png.begin()));
  DecodedPng out;
  Bytes zlib;
  for (std::size_t at = 8; at < png.size();) {
    const std::uint32_t length = BigEndian(png, at);
    Chunk c{std::string(png.begin() + at + 4, png.begin() + at + 8),
            Bytes(png.begin() + at + 8, png.begin() + at + 8 + length)};
    EXPECT_EQ(BigEndian(png, at + 8 + length), SlowCrc(png.data() + at + 4, length + 4)) << c.type;
    if (c.type == "IDAT") zlib.insert(zlib.end(), c.data.begin(), c.data.end());
    out.chunks.push_back(std::move(c));
    at += 12 + length;
  }
  EXPECT_EQ((zlib[0] << 8 | zlib[1]) % 31, 0);
  EXPECT_EQ(zlib[0] & 0x0F, 8);  // deflate
  std::size_t at = 2;
  for (bool last = false; !last;) {
    last = zlib[at] & 1;
    EXPECT_EQ(zlib[at] >> 1 & 3, 0);  // stored
    const unsigned len = zlib[at + 1] | zlib[at + 2] << 8;
    const unsigned nlen = zlib[at + 3] | zlib[at + 4] << 8;
    EXPECT_EQ(len ^ 0xFFFFu, nlen);
    out.inflated.insert(out.inflated.end(), zlib.begin() + at + 5, zlib.begin() + at + 5 + len);
    at += 5 + len;
    ++out.storedBlocks;
  }
  EXPECT_EQ(BigEndian(zlib, at), Adler32(out.inflated.data(), out.inflated.size()));
  EXPECT_EQ(at + 4, zlib.size());
  return out;
}

std::vector<Rgb> Gradient(int width, int height) {
  std::vector<Rgb> pixels;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      pixels.push_back({static_cast<std::uint8_t>(x), static_cast<std::uint8_t>(y), static_cast<std::uint8_t>(x ^ y)});
  return pixels;
}

Bytes Scanlines(int width, int height, const std::vector<Rgb>& pixels) {
  Bytes raw;
  for (int y = 0; y < height; ++y) {
    raw.push_back(0);
    for (int x = 0; x < width; ++x) {
      const Rgb& p = pixels[y * width + x];
      raw.insert(raw.end(), {p.r, p.g, p.b});
    }
  }
  return raw;
}

}  // namespace

TEST(HeadlessPng, ChecksumsMatchKnownValues) {
  const std::string digits = "123456789";
  const auto* d = reinterpret_cast<const std::uint8_t*>(digits.data());
  EXPECT_EQ(Crc32(d, digits.size()), 0xCBF43926u);
  const std::string word = "Wikipedia";
  EXPECT_EQ(Adler32(reinterpret_cast<const std::uint8_t*>(word.data()), word.size()), 0x11E60398u);
  EXPECT_EQ(Adler32(nullptr, 0), 1u);
  const std::uint8_t iend[] = {'I', 'E', 'N', 'D'};
  EXPECT_EQ(Crc32(iend, 4), 0xAE426082u);
}

TEST(HeadlessPng, SmallImageDecodesToItsPixels) {
  const std::vector<Rgb> pixels = Gradient(3, 2);
  const DecodedPng png = Decode(EncodePng(3, 2, pixels));
  ASSERT_EQ(png.chunks.size(), 3u);
  EXPECT_EQ(png.chunks[0].type, "IHDR");
  EXPECT_EQ(png.chunks[1].type, "IDAT");
  EXPECT_EQ(png.chunks[2].type, "IEND");
  EXPECT_TRUE(png.chunks[2].data.empty());
  const Bytes& ihdr = png.chunks[0].data;
  ASSERT_EQ(ihdr.size(), 13u);
  EXPECT_EQ(BigEndian(ihdr, 0), 3u);
  EXPECT_EQ(BigEndian(ihdr, 4), 2u);
  EXPECT_EQ(Bytes(ihdr.begin() + 8, ihdr.end()), (Bytes{8, 2, 0, 0, 0}));
  EXPECT_EQ(png.inflated, Scanlines(3, 2, pixels));
  EXPECT_EQ(png.storedBlocks, 1);
}

TEST(HeadlessPng, LargeImagesSplitIntoFullStoredBlocks) {
  // 3 x 13107 pixels are exactly two blocks of 65535 bytes: no empty block may follow.
  const std::vector<Rgb> exact = Gradient(3, 13107);
  const DecodedPng two = Decode(EncodePng(3, 13107, exact));
  EXPECT_EQ(two.storedBlocks, 2);
  EXPECT_EQ(two.inflated, Scanlines(3, 13107, exact));

  const std::vector<Rgb> window = Gradient(1024, 744);
  const DecodedPng big = Decode(EncodePng(1024, 744, window));
  EXPECT_EQ(big.inflated.size(), 744u * (1 + 3 * 1024));
  EXPECT_EQ(big.storedBlocks, 35);
  EXPECT_EQ(big.inflated, Scanlines(1024, 744, window));
}

TEST(HeadlessPng, RefusesRasterOfWrongSize) {
  EXPECT_THROW(EncodePng(3, 2, Gradient(2, 2)), std::invalid_argument);
  EXPECT_THROW(EncodePng(0, 0, {}), std::invalid_argument);
  EXPECT_FALSE(WritePng("/nonexistent-folder/x.png", 3, 2, Gradient(3, 2)));
}
