#include "io/session_format.h"

#include <climits>

#include "io/json_document.h"
#include "io/text_file.h"

namespace {

constexpr SessionValue::Kind kKinds[] = {SessionValue::Kind::Text, SessionValue::Kind::Checked,
                                         SessionValue::Kind::Index, SessionValue::Kind::Position};

Json ValueJson(const SessionValue& v) {
  switch (v.kind) {
    case SessionValue::Kind::Text:
      return v.text;
    case SessionValue::Kind::Checked:
      return v.checked;
    default:
      return v.number;
  }
}

Json ControlsJson(const std::vector<SessionEntry>& controls) {
  Json values = Json::object();
  for (const SessionEntry& e : controls)
    values[e.name] = Json{{SessionKey(e.value.kind), ValueJson(e.value)}};
  return values;
}

bool IsInt(const Json& v) {
  if (v.is_number_integer()) return v.get<long long>() >= INT_MIN && v.get<long long>() <= INT_MAX;
  if (!v.is_number_float()) return false;
  const double d = v.get<double>();
  return d == static_cast<double>(static_cast<long long>(d)) && d >= INT_MIN && d <= INT_MAX;
}

SessionValue ValueOf(const Json& entry) {
  SessionValue value;
  if (!entry.is_object() || entry.size() != 1) return value;
  const auto member = entry.begin();
  for (SessionValue::Kind kind : kKinds) {
    if (member.key() == SessionKey(kind)) value.kind = kind;
  }
  const Json& v = member.value();
  switch (value.kind) {
    case SessionValue::Kind::Text:
      value.typed = v.is_string();
      if (value.typed) value.text = v.get<std::string>();
      break;
    case SessionValue::Kind::Checked:
      value.typed = v.is_boolean();
      if (value.typed) value.checked = v.get<bool>();
      break;
    case SessionValue::Kind::Index:
    case SessionValue::Kind::Position:
      value.typed = IsInt(v);
      if (value.typed) value.number = static_cast<int>(v.get<double>());
      break;
    case SessionValue::Kind::Malformed:
      break;
  }
  return value;
}

std::string HeaderError(const Json& doc) {
  if (!doc.is_object()) return "not a session: the text is no JSON object";
  for (const auto& m : doc.items()) {
    if (m.key() != "format" && m.key() != "version" && m.key() != "controls" &&
        m.key() != "messages")
      return "unexpected member \"" + m.key() + "\"";
  }
  const auto format = doc.find("format");
  if (format == doc.end() || !format->is_string() || format->get<std::string>() != kSessionFormat)
    return std::string("not a session: \"format\" is not \"") + kSessionFormat + "\"";
  const auto version = doc.find("version");
  if (version == doc.end() || !IsInt(*version) || version->get<double>() < 1)
    return "\"version\" is not a positive integer";
  if (version->get<double>() > kSessionVersion)
    return "the session is version " +
           std::to_string(static_cast<long long>(version->get<double>())) +
           ", newer than this program reads (" + std::to_string(kSessionVersion) + ")";
  const auto controls = doc.find("controls");
  if (controls == doc.end() || !controls->is_object())
    return "\"controls\" is missing or not an object";
  const auto messages = doc.find("messages");
  if (messages != doc.end() && !messages->is_array()) return "\"messages\" is not an array";
  return "";
}

}  // namespace

const char* SessionKey(SessionValue::Kind kind) {
  switch (kind) {
    case SessionValue::Kind::Text:
      return "text";
    case SessionValue::Kind::Checked:
      return "checked";
    case SessionValue::Kind::Index:
      return "index";
    case SessionValue::Kind::Position:
      return "position";
    case SessionValue::Kind::Malformed:
      break;
  }
  return "";
}

std::string SessionJson(const std::vector<SessionEntry>& controls) {
  Json session = Json::object();
  session["format"] = kSessionFormat;
  session["version"] = kSessionVersion;
  session["controls"] = ControlsJson(controls);
  return WriteJson(session);
}

std::string RunDumpJson(const std::vector<SessionEntry>& controls,
                        const std::vector<MessageLog::Message>& messages) {
  Json shown = Json::array();
  for (const MessageLog::Message& m : messages)
    shown.push_back(Json{{"caption", m.caption}, {"text", m.text}});
  Json dump = Json::object();
  dump["controls"] = ControlsJson(controls);
  dump["messages"] = std::move(shown);
  return WriteJson(dump);
}

SessionParseResult ParseSession(const std::string& text) {
  SessionParseResult result;
  const StreamedMembers controls{"controls", [&result](const std::string& name, Json&& value) {
                                   result.controls.push_back({name, ValueOf(value)});
                                 }};
  const JsonParseResult parsed = ParseJson(WithoutByteOrderMark(text), controls);
  if (!parsed.ok) {
    result.error = "not valid JSON: " + parsed.error;
  } else {
    result.error = HeaderError(parsed.value);
  }
  result.ok = result.error.empty();
  if (!result.ok) result.controls.clear();
  return result;
}
