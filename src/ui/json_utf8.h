#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

// Length of the well-formed UTF-8 sequence starting at text[at] (1 to 4), or 0 when the
// bytes there are no valid sequence (stray continuation, overlong form, surrogate, > U+10FFFF,
// or cut off by the end of the text).
std::size_t Utf8SequenceLength(const std::string& text, std::size_t at);

// Appends the UTF-8 form of a code point (at most U+10FFFF, no surrogate).
void AppendUtf8(std::string& out, std::uint32_t codePoint);
