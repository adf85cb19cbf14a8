#include "ui/json_value.h"

#include <charconv>
#include <cmath>

#include "ui/json_utf8.h"
#include "ui/number_text.h"

JsonValue JsonValue::Boolean(bool b) {
  JsonValue v;
  v.type_ = Type::Bool;
  v.bool_ = b;
  return v;
}

JsonValue JsonValue::Number(double d) {
  JsonValue v;
  v.type_ = Type::Number;
  v.number_ = d;
  return v;
}

JsonValue JsonValue::String(std::string s) {
  JsonValue v;
  v.type_ = Type::String;
  v.string_ = std::move(s);
  return v;
}

JsonValue JsonValue::MakeArray(Array items) {
  JsonValue v;
  v.type_ = Type::Array;
  v.array_ = std::move(items);
  return v;
}

JsonValue JsonValue::MakeObject(Object members) {
  JsonValue v;
  v.type_ = Type::Object;
  v.object_ = std::move(members);
  return v;
}

const JsonValue* JsonValue::Find(const std::string& key) const {
  for (const Member& m : object_)
    if (m.first == key) return &m.second;
  return nullptr;
}

void JsonValue::Add(std::string key, JsonValue value) {
  object_.emplace_back(std::move(key), std::move(value));
}

namespace {

// Integers up to 2^53 are exact in a double and are written digit for digit.
constexpr double kLargestExactInteger = 9007199254740992.0;

void WriteNumber(std::string& out, double d) {
  if (!std::isfinite(d)) {
    out += "null";
  } else if (d == std::floor(d) && std::fabs(d) <= kLargestExactInteger) {
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, static_cast<long long>(d)).ptr;
    out.append(digits, end);
  } else {
    NumberBuffer buffer;
    out += FormatSignificant(d, 17, buffer);
  }
}

void WriteString(std::string& out, const std::string& s) {
  static const char* const kHex = "0123456789abcdef";
  out += '"';
  for (std::size_t i = 0; i < s.size();) {
    const unsigned char c = static_cast<unsigned char>(s[i]);
    switch (c) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\b': out += "\\b"; break;
      case '\f': out += "\\f"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      default:
        if (c < 0x20) {
          out += "\\u00";
          out += kHex[c >> 4];
          out += kHex[c & 0xF];
        } else if (const std::size_t length = Utf8SequenceLength(s, i); length > 0) {
          out.append(s, i, length);
          i += length;
          continue;
        } else {
          AppendUtf8(out, 0xFFFD);
        }
    }
    ++i;
  }
  out += '"';
}

void NewLine(std::string& out, int indent, int depth) {
  if (indent <= 0) return;
  out += '\n';
  out.append(static_cast<std::size_t>(indent) * depth, ' ');
}

void Write(std::string& out, const JsonValue& v, int indent, int depth) {
  switch (v.type()) {
    case JsonValue::Type::Null: out += "null"; break;
    case JsonValue::Type::Bool: out += v.AsBool() ? "true" : "false"; break;
    case JsonValue::Type::Number: WriteNumber(out, v.AsNumber()); break;
    case JsonValue::Type::String: WriteString(out, v.AsString()); break;
    case JsonValue::Type::Array: {
      out += '[';
      const auto& items = v.AsArray();
      for (std::size_t k = 0; k < items.size(); ++k) {
        if (k) out += ',';
        NewLine(out, indent, depth + 1);
        Write(out, items[k], indent, depth + 1);
      }
      if (!items.empty()) NewLine(out, indent, depth);
      out += ']';
      break;
    }
    case JsonValue::Type::Object: {
      out += '{';
      const auto& members = v.AsObject();
      for (std::size_t k = 0; k < members.size(); ++k) {
        if (k) out += ',';
        NewLine(out, indent, depth + 1);
        WriteString(out, members[k].first);
        out += indent > 0 ? ": " : ":";
        Write(out, members[k].second, indent, depth + 1);
      }
      if (!members.empty()) NewLine(out, indent, depth);
      out += '}';
      break;
    }
  }
}

}  // namespace

std::string WriteJson(const JsonValue& value, int indent) {
  std::string out;
  Write(out, value, indent, 0);
  return out;
}
