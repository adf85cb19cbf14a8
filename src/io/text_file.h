#pragma once
#include <cstddef>
#include <string>

// No session or measurement a user writes comes near this; a larger file is refused before
// anything is read.
inline constexpr std::size_t kMaxReadBytes = 16u << 20;

// Reads a whole regular file of at most kMaxReadBytes into text, bytes as they are; false with
// the reason when it cannot: a folder, a device, a pipe (which could block for ever) or a file
// too large are refused without reading.
bool ReadTextFile(const std::string& path, std::string& text, std::string& error);

// The text without a leading UTF-8 byte-order mark, which some editors write.
std::string WithoutByteOrderMark(const std::string& text);

// Writes all of text to the open file, going on after a partial write; false with errno set
// when the file takes no more.
bool WriteAll(int fd, const std::string& text);
