#pragma once
#include <string>

#include <nlohmann/json.hpp>

// JSON whose objects keep their members in the order they were written or read.
using Json = nlohmann::ordered_json;

inline constexpr int kMaxJsonDepth = 256;

struct JsonParseResult {
  bool ok = false;
  Json value;
  std::string error;  // "line L, column C: what is wrong", or what is wrong and where
};

// Strict JSON of one value: no comments, no trailing commas, valid UTF-8 and surrogate pairs;
// a duplicate member of one object and nesting deeper than kMaxJsonDepth are refused too.
JsonParseResult ParseJson(const std::string& text);

// JSON text with two-space indentation; bytes of a string that are not UTF-8 become U+FFFD,
// so the text always parses again.
std::string WriteJson(const Json& value);
