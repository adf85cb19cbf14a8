#pragma once
#include <cstddef>
#include <string>
#include <utility>
#include <vector>

// A JSON value: null, true/false, a number (as a double), a UTF-8 string, an array, or an
// object whose members keep the order in which they were added or read.
class JsonValue {
 public:
  enum class Type { Null, Bool, Number, String, Array, Object };
  using Array = std::vector<JsonValue>;
  using Member = std::pair<std::string, JsonValue>;
  using Object = std::vector<Member>;

  JsonValue() = default;  // null
  static JsonValue Boolean(bool b);
  static JsonValue Number(double d);
  static JsonValue String(std::string s);
  static JsonValue MakeArray(Array items = {});
  static JsonValue MakeObject(Object members = {});

  Type type() const { return type_; }
  bool IsNull() const { return type_ == Type::Null; }
  bool IsBool() const { return type_ == Type::Bool; }
  bool IsNumber() const { return type_ == Type::Number; }
  bool IsString() const { return type_ == Type::String; }
  bool IsArray() const { return type_ == Type::Array; }
  bool IsObject() const { return type_ == Type::Object; }

  // The accessors below require the matching type (they do not convert).
  bool AsBool() const { return bool_; }
  double AsNumber() const { return number_; }
  const std::string& AsString() const { return string_; }
  const Array& AsArray() const { return array_; }
  Array& AsArray() { return array_; }
  const Object& AsObject() const { return object_; }

  // Member lookup of an object; nullptr when absent or when this is no object.
  const JsonValue* Find(const std::string& key) const;
  // Appends a member to an object (the caller keeps keys unique).
  void Add(std::string key, JsonValue value);

  bool operator==(const JsonValue& other) const = default;

 private:
  Type type_ = Type::Null;
  bool bool_ = false;
  double number_ = 0;
  std::string string_;
  Array array_;
  Object object_;
};

struct JsonParseResult {
  bool ok = false;
  JsonValue value;
  std::string error;         // "line L, column C: what is wrong" when not ok
  std::size_t position = 0;  // byte offset of the error
};

// Strict RFC 8259 parsing of one value surrounded by optional whitespace: no comments, no
// trailing commas, no duplicate keys, no lone surrogates, no invalid UTF-8, nesting at most
// kMaxJsonDepth deep.
inline constexpr int kMaxJsonDepth = 256;
JsonParseResult ParseJson(const std::string& text);

// JSON text of a value; indent > 0 puts every member and element on its own line.
// Integral numbers are written without a fraction, others with 17 significant digits;
// non-finite numbers, which JSON cannot hold, are written as null; bytes of a string that
// are not valid UTF-8 are written as U+FFFD so that the output always parses again.
std::string WriteJson(const JsonValue& value, int indent = 0);
