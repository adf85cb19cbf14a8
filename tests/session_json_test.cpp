#include <gtest/gtest.h>

#include <limits>

#include "ui/json_value.h"

namespace {

JsonValue Parsed(const std::string& text) {
  JsonParseResult r = ParseJson(text);
  EXPECT_TRUE(r.ok) << text << ": " << r.error;
  return r.value;
}

std::string ErrorOf(const std::string& text) {
  JsonParseResult r = ParseJson(text);
  EXPECT_FALSE(r.ok) << text;
  return r.error;
}

TEST(SessionJson, ParsesEveryKindOfValue) {
  JsonValue v = Parsed(" {\"a\": [1, -2.5e1, 0.125, true, false, null], \"b\": {}, \"c\": []}\r\n");
  ASSERT_TRUE(v.IsObject());
  const JsonValue& a = *v.Find("a");
  ASSERT_EQ(a.AsArray().size(), 6u);
  EXPECT_EQ(a.AsArray()[0].AsNumber(), 1);
  EXPECT_EQ(a.AsArray()[1].AsNumber(), -25);
  EXPECT_EQ(a.AsArray()[2].AsNumber(), 0.125);
  EXPECT_TRUE(a.AsArray()[3].AsBool());
  EXPECT_FALSE(a.AsArray()[4].AsBool());
  EXPECT_TRUE(a.AsArray()[5].IsNull());
  EXPECT_TRUE(v.Find("b")->IsObject());
  EXPECT_TRUE(v.Find("c")->AsArray().empty());
  EXPECT_EQ(v.Find("d"), nullptr);
}

TEST(SessionJson, DecodesEscapesAndSurrogatePairs) {
  EXPECT_EQ(Parsed(R"("q\" b\\ s\/ \b\f\n\r\t")").AsString(), "q\" b\\ s/ \b\f\n\r\t");
  EXPECT_EQ(Parsed(R"("\u0041\u00e9\u20AC")").AsString(), "A\xC3\xA9\xE2\x82\xAC");
  EXPECT_EQ(Parsed(R"("\ud83d\ude00")").AsString(), "\xF0\x9F\x98\x80");  // U+1F600
  EXPECT_EQ(Parsed("\"\xC3\xA9\"").AsString(), "\xC3\xA9");
  EXPECT_EQ(Parsed(R"("\u0000")").AsString(), std::string(1, '\0'));
}

TEST(SessionJson, RejectsMalformedTextWithPosition) {
  EXPECT_EQ(ErrorOf("{\"a\": 1,\n  \"b\" 2}"), "line 2, column 7: expected ':'");
  EXPECT_EQ(ErrorOf("[1, 2"), "line 1, column 6: expected ']'");
  EXPECT_EQ(ParseJson("[1, 2,]").position, 6u);
  const char* bad[] = {"",        "  ",          "{",        "[1,]",          "{\"a\":1,}",
                       "01",      "1.",          ".5",       "-",             "1e",
                       "+1",      "0x10",        "NaN",      "tru",           "nul",
                       "'a'",     "\"a",         "\"\\x\"",  "\"\\u12\"",     "\"\\ud800\"",
                       "\"\\udc00\"", "\"\\ud800\\u0041\"", "\"a\tb\"", "\"\xC3\"", "\"\xC0\x80\"",
                       "\"\xED\xA0\x80\"", "1 2",   "{} x",    "{1: 2}",        "1e999",
                       "{\"a\":1,\"a\":2}", "[1] // c"};
  for (const char* text : bad) EXPECT_FALSE(ParseJson(text).ok) << text;
}

TEST(SessionJson, LimitsNesting) {
  EXPECT_TRUE(ParseJson(std::string(kMaxJsonDepth, '[') + std::string(kMaxJsonDepth, ']')).ok);
  const std::string deep = std::string(kMaxJsonDepth + 1, '[') + std::string(kMaxJsonDepth + 1, ']');
  EXPECT_NE(ErrorOf(deep).find("nesting"), std::string::npos);
  EXPECT_FALSE(ParseJson(std::string(100000, '[')).ok);
}

TEST(SessionJson, WriterEscapesAndRoundTrips) {
  JsonValue v = JsonValue::MakeObject();
  v.Add("text", JsonValue::String("quote\" back\\ nl\n tab\t bell\x07 \xE2\x82\xAC \x7F"));
  v.Add("ints", JsonValue::MakeArray({JsonValue::Number(0), JsonValue::Number(-750),
                                      JsonValue::Number(9007199254740992.0)}));
  v.Add("reals", JsonValue::MakeArray({JsonValue::Number(0.1), JsonValue::Number(-1.0e-300),
                                       JsonValue::Number(6.02214076e23)}));
  v.Add("flags", JsonValue::MakeArray({JsonValue::Boolean(true), JsonValue()}));
  v.Add("empty", JsonValue::MakeObject());
  const std::string compact = WriteJson(v);
  EXPECT_NE(compact.find(R"("quote\" back\\ nl\n tab\t bell\u0007 )"), std::string::npos) << compact;
  EXPECT_NE(compact.find("[0,-750,9007199254740992]"), std::string::npos) << compact;
  EXPECT_EQ(Parsed(compact), v);
  const std::string pretty = WriteJson(v, 2);
  EXPECT_NE(pretty.find("\n  \"text\": "), std::string::npos);
  EXPECT_NE(pretty.find("\"empty\": {}"), std::string::npos);
  EXPECT_EQ(Parsed(pretty), v);
}

TEST(SessionJson, WriterKeepsOutputParseable) {
  JsonValue v = JsonValue::MakeArray({JsonValue::String("bad \xFF byte \xC3"),
                                      JsonValue::Number(std::numeric_limits<double>::infinity())});
  const std::string text = WriteJson(v);
  JsonValue back = Parsed(text);
  EXPECT_EQ(back.AsArray()[0].AsString(), "bad \xEF\xBF\xBD byte \xEF\xBF\xBD");
  EXPECT_TRUE(back.AsArray()[1].IsNull());
}

}  // namespace
