#pragma once
#include <functional>
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

// The members of one object of the top-level object, handed on in file order instead of being
// kept in the document: an ordered object finds a member by a linear search, so keeping an
// object of many members would take a time quadratic in their number.
struct StreamedMembers {
  std::string member;  // the name of that object in the top-level object
  std::function<void(const std::string& key, Json&& value)> take;
};

// Strict JSON of one value: no comments, no trailing commas, valid UTF-8 and surrogate pairs;
// a duplicate member of one object and nesting deeper than kMaxJsonDepth are refused too.
JsonParseResult ParseJson(const std::string& text, const StreamedMembers& streamed = {});

// JSON text with two-space indentation; bytes of a string that are not UTF-8 become U+FFFD,
// so the text always parses again.
std::string WriteJson(const Json& value);
