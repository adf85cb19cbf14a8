#include <gtest/gtest.h>

#include <string>

#include "io/json_document.h"
#include "io/session_format.h"

namespace {

std::string ErrorOf(const std::string& text) {
  const JsonParseResult r = ParseJson(text);
  EXPECT_FALSE(r.ok) << text;
  return r.error;
}

TEST(JsonDocument, RefusesWhatUsersRelyOnWithAReason) {
  EXPECT_EQ(ErrorOf("{\n  \"a\": 1,\n  \"b\": tru}").rfind("line 3, column 11: syntax error", 0), 0u);
  EXPECT_EQ(ErrorOf("{\"a\": 1, \"b\": {\"c\": 2, \"c\": 3}}"), "duplicate member \"c\"");
  EXPECT_TRUE(ParseJson("{\"c\": 1, \"d\": {\"c\": 2}}").ok) << "the same name in another object";
  EXPECT_EQ(ErrorOf(std::string(300, '[') + std::string(300, ']')), "nesting deeper than 256");
  EXPECT_TRUE(ParseJson(std::string(200, '[') + std::string(200, ']')).ok);
  ErrorOf("[1,]");
  ErrorOf("\"\\ud800\"");
  ErrorOf("\"\xff\"");
}

TEST(JsonDocument, SessionTextRoundTripsEveryKindAndBadUtf8StaysParseable) {
  std::vector<SessionEntry> entries(4);
  entries[0] = {"Edit1", {SessionValue::Kind::Text, true, "3970 \"x\" \xff", false, 0}};
  entries[1] = {"CheckBox22", {SessionValue::Kind::Checked, true, "", true, 0}};
  entries[2] = {"RadioGroup3", {SessionValue::Kind::Index, true, "", false, 4}};
  entries[3] = {"ScrollBar9", {SessionValue::Kind::Position, true, "", false, -750}};
  const SessionParseResult back = ParseSession(SessionJson(entries));
  ASSERT_TRUE(back.ok) << back.error;
  ASSERT_EQ(back.controls.size(), 4u);
  EXPECT_EQ(back.controls[0].value.text, "3970 \"x\" \xef\xbf\xbd");
  EXPECT_TRUE(back.controls[1].value.checked);
  EXPECT_EQ(back.controls[2].value.number, 4);
  EXPECT_EQ(back.controls[3].value.number, -750);
  EXPECT_EQ(back.controls[3].name, "ScrollBar9");
}

}  // namespace
