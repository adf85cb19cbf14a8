#include <cmath>
#include <stdexcept>

#include "ui/json_utf8.h"
#include "ui/json_value.h"
#include "ui/number_text.h"

namespace {

struct SyntaxError : std::runtime_error {
  std::size_t position;
  SyntaxError(std::size_t at, const std::string& what) : std::runtime_error(what), position(at) {}
};

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

class Parser {
 public:
  explicit Parser(const std::string& text) : text_(text) {}

  JsonValue Document() {
    SkipWhitespace();
    JsonValue v = Value(0);
    SkipWhitespace();
    if (at_ < text_.size()) Fail("unexpected text after the value");
    return v;
  }

 private:
  const std::string& text_;
  std::size_t at_ = 0;

  [[noreturn]] void Fail(const std::string& what) const { throw SyntaxError(at_, what); }
  bool AtEnd() const { return at_ >= text_.size(); }
  char Peek() const { return AtEnd() ? '\0' : text_[at_]; }

  void SkipWhitespace() {
    while (!AtEnd() && (Peek() == ' ' || Peek() == '\t' || Peek() == '\n' || Peek() == '\r')) ++at_;
  }

  void Expect(char c) {
    if (Peek() != c) Fail(std::string("expected '") + c + "'");
    ++at_;
  }

  JsonValue Value(int depth) {
    if (AtEnd()) Fail("unexpected end of text");
    switch (Peek()) {
      case '{': return ObjectValue(depth + 1);
      case '[': return ArrayValue(depth + 1);
      case '"': return JsonValue::String(StringText());
      case 't': Literal("true"); return JsonValue::Boolean(true);
      case 'f': Literal("false"); return JsonValue::Boolean(false);
      case 'n': Literal("null"); return JsonValue();
      default:
        if (Peek() == '-' || IsDigit(Peek())) return NumberValue();
        Fail("unexpected character");
    }
  }

  void Literal(const std::string& word) {
    if (text_.compare(at_, word.size(), word) != 0) Fail("invalid literal");
    at_ += word.size();
  }

  void CheckDepth(int depth) const {
    if (depth > kMaxJsonDepth) Fail("nesting deeper than " + std::to_string(kMaxJsonDepth));
  }

  JsonValue ObjectValue(int depth) {
    CheckDepth(depth);
    ++at_;
    JsonValue object = JsonValue::MakeObject();
    SkipWhitespace();
    if (Peek() == '}') {
      ++at_;
      return object;
    }
    for (;;) {
      SkipWhitespace();
      if (Peek() != '"') Fail("expected a member name in quotes");
      const std::size_t keyAt = at_;
      std::string key = StringText();
      if (object.Find(key)) throw SyntaxError(keyAt, "duplicate member \"" + key + "\"");
      SkipWhitespace();
      Expect(':');
      SkipWhitespace();
      object.Add(std::move(key), Value(depth));
      SkipWhitespace();
      if (Peek() == ',') {
        ++at_;
        continue;
      }
      Expect('}');
      return object;
    }
  }

  JsonValue ArrayValue(int depth) {
    CheckDepth(depth);
    ++at_;
    JsonValue array = JsonValue::MakeArray();
    SkipWhitespace();
    if (Peek() == ']') {
      ++at_;
      return array;
    }
    for (;;) {
      SkipWhitespace();
      array.AsArray().push_back(Value(depth));
      SkipWhitespace();
      if (Peek() == ',') {
        ++at_;
        continue;
      }
      Expect(']');
      return array;
    }
  }

  void Digits() {
    if (!IsDigit(Peek())) Fail("expected a digit");
    while (IsDigit(Peek())) ++at_;
  }

  JsonValue NumberValue() {
    const std::size_t start = at_;
    if (Peek() == '-') ++at_;
    if (Peek() == '0') {
      ++at_;
    } else {
      Digits();
    }
    if (Peek() == '.') {
      ++at_;
      Digits();
    }
    if (Peek() == 'e' || Peek() == 'E') {
      ++at_;
      if (Peek() == '+' || Peek() == '-') ++at_;
      Digits();
    }
    const double value = static_cast<double>(ReadNumber(text_.substr(start, at_ - start)));
    if (std::isinf(value)) throw SyntaxError(start, "number out of range");
    return JsonValue::Number(value);
  }

  std::uint32_t HexQuad() {
    std::uint32_t unit = 0;
    for (int k = 0; k < 4; ++k) {
      const int digit = HexDigit(Peek());
      if (digit < 0) Fail("expected four hex digits after \\u");
      unit = unit * 16 + static_cast<std::uint32_t>(digit);
      ++at_;
    }
    return unit;
  }

  // After "\u": one code unit, or a high surrogate followed by "\u" and a low surrogate.
  std::uint32_t EscapedCodePoint() {
    const std::size_t escapeAt = at_ - 2;
    const std::uint32_t unit = HexQuad();
    if (unit >= 0xDC00 && unit <= 0xDFFF) throw SyntaxError(escapeAt, "lone low surrogate");
    if (unit < 0xD800 || unit > 0xDBFF) return unit;
    if (text_.compare(at_, 2, "\\u") != 0) throw SyntaxError(escapeAt, "high surrogate without its low half");
    at_ += 2;
    const std::uint32_t low = HexQuad();
    if (low < 0xDC00 || low > 0xDFFF) throw SyntaxError(escapeAt, "high surrogate without its low half");
    return 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
  }

  void Escape(std::string& out) {
    ++at_;
    if (AtEnd()) Fail("unterminated string");
    const char c = text_[at_++];
    switch (c) {
      case '"': out += '"'; break;
      case '\\': out += '\\'; break;
      case '/': out += '/'; break;
      case 'b': out += '\b'; break;
      case 'f': out += '\f'; break;
      case 'n': out += '\n'; break;
      case 'r': out += '\r'; break;
      case 't': out += '\t'; break;
      case 'u': AppendUtf8(out, EscapedCodePoint()); break;
      default: --at_; Fail("invalid escape");
    }
  }

  std::string StringText() {
    ++at_;
    std::string out;
    for (;;) {
      if (AtEnd()) Fail("unterminated string");
      const unsigned char c = static_cast<unsigned char>(text_[at_]);
      if (c == '"') {
        ++at_;
        return out;
      }
      if (c == '\\') {
        Escape(out);
      } else if (c < 0x20) {
        Fail("control character in a string");
      } else {
        const std::size_t length = Utf8SequenceLength(text_, at_);
        if (length == 0) Fail("invalid UTF-8");
        out.append(text_, at_, length);
        at_ += length;
      }
    }
  }
};

std::string LineAndColumn(const std::string& text, std::size_t position) {
  std::size_t line = 1, column = 1;
  for (std::size_t k = 0; k < position && k < text.size(); ++k) {
    if (text[k] == '\n') {
      ++line;
      column = 1;
    } else {
      ++column;
    }
  }
  return "line " + std::to_string(line) + ", column " + std::to_string(column);
}

}  // namespace

JsonParseResult ParseJson(const std::string& text) {
  JsonParseResult result;
  try {
    result.value = Parser(text).Document();
    result.ok = true;
  } catch (const SyntaxError& e) {
    result.position = e.position;
    result.error = LineAndColumn(text, e.position) + ": " + e.what();
  }
  return result;
}
