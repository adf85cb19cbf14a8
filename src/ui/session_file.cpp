#include "ui/session_file.h"

#include <climits>
#include <cmath>
#include <iterator>

#include "ui/tform1.h"

namespace {

// The hold boxes of the eight Handy Mode constants.
const char* const kHoldBoxes[] = {"CheckBox23", "CheckBox24", "CheckBox9",  "CheckBox10",
                                  "CheckBox11", "CheckBox12", "CheckBox13", "CheckBox14"};

// The member name under which a control keeps its value; nullptr for controls that keep none.
const char* ValueKey(const Control& c) {
  if (c.IsTextField()) return "text";
  if (c.kind == ControlKind::CheckBox) return "checked";
  if (c.kind == ControlKind::RadioGroup) return "index";
  if (c.HasPosition()) return "position";
  return nullptr;
}

JsonValue ControlValue(const Control& c) {
  if (c.IsTextField()) return JsonValue::String(c.text);
  if (c.kind == ControlKind::CheckBox) return JsonValue::Boolean(c.checked);
  if (c.kind == ControlKind::RadioGroup) return JsonValue::Number(c.itemIndex);
  return JsonValue::Number(c.position);
}

bool IsInteger(const JsonValue& v) {
  return v.IsNumber() && std::isfinite(v.AsNumber()) && v.AsNumber() == std::floor(v.AsNumber()) &&
         v.AsNumber() >= INT_MIN && v.AsNumber() <= INT_MAX;
}

std::string RangeError(const std::string& what, int value, int low, int high) {
  return what + " " + std::to_string(value) + " outside " + std::to_string(low) + ".." + std::to_string(high);
}

// Empty when the value fits the control, else the reason (without the control's name).
std::string ValueError(const Control& c, const JsonValue& entry) {
  const char* key = ValueKey(c);
  if (!key) return "this control keeps no value";
  const std::string expected = std::string("expected {\"") + key + "\": ...}";
  if (!entry.IsObject() || entry.AsObject().size() != 1) return expected;
  const JsonValue* v = entry.Find(key);
  if (!v) return expected;
  if (c.IsTextField()) return v->IsString() ? "" : "text is not a string";
  if (c.kind == ControlKind::CheckBox) return v->IsBool() ? "" : "checked is not true or false";
  if (!IsInteger(*v)) return std::string(key) + " is not an integer";
  const int n = static_cast<int>(v->AsNumber());
  if (c.kind == ControlKind::RadioGroup) {
    const int last = static_cast<int>(c.items.size()) - 1;
    return n >= 0 && n <= last ? "" : RangeError("index", n, 0, last);
  }
  return n >= c.minimum && n <= c.maximum ? "" : RangeError("position", n, c.minimum, c.maximum);
}

// Sets the value directly: no click or change handler runs.
void SetValue(Control& c, const JsonValue& entry) {
  const JsonValue& v = entry.AsObject().front().second;
  if (c.IsTextField()) {
    c.text = v.AsString();
  } else if (c.kind == ControlKind::CheckBox) {
    c.checked = v.AsBool();
  } else if (c.kind == ControlKind::RadioGroup) {
    c.itemIndex = static_cast<int>(v.AsNumber());
  } else {
    c.position = static_cast<int>(v.AsNumber());
  }
}

std::string HeaderError(const JsonValue& doc) {
  if (!doc.IsObject()) return "not a session: the text is no JSON object";
  for (const JsonValue::Member& m : doc.AsObject()) {
    if (m.first != "format" && m.first != "version" && m.first != "controls" && m.first != "messages")
      return "unexpected member \"" + m.first + "\"";
  }
  const JsonValue* format = doc.Find("format");
  if (!format || !format->IsString() || format->AsString() != kSessionFormat)
    return std::string("not a session: \"format\" is not \"") + kSessionFormat + "\"";
  const JsonValue* version = doc.Find("version");
  if (!version || !IsInteger(*version) || version->AsNumber() < 1) return "\"version\" is not a positive integer";
  if (version->AsNumber() > kSessionVersion)
    return "the session is version " + std::to_string(static_cast<long long>(version->AsNumber())) +
           ", newer than this program reads (" + std::to_string(kSessionVersion) + ")";
  const JsonValue* controls = doc.Find("controls");
  if (!controls || !controls->IsObject()) return "\"controls\" is missing or not an object";
  const JsonValue* messages = doc.Find("messages");
  if (messages && !messages->IsArray()) return "\"messages\" is not an array";
  return "";
}

}  // namespace

void TakeStartingDataKeepingSliders(TForm1& form) {
  bool held[std::size(kHoldBoxes)];
  for (std::size_t k = 0; k < std::size(kHoldBoxes); ++k) {
    Control& box = form.controls[kHoldBoxes[k]];
    held[k] = box.checked;
    box.checked = true;
  }
  form.RunHandler([&form] { form.TakeStartingDataClick(); });
  for (std::size_t k = 0; k < std::size(kHoldBoxes); ++k) form.controls[kHoldBoxes[k]].checked = held[k];
}

JsonValue ControlsJson(const Controls& controls) {
  JsonValue values = JsonValue::MakeObject();
  for (const Control& c : controls.All()) {
    if (const char* key = ValueKey(c)) values.Add(c.name, JsonValue::MakeObject({{key, ControlValue(c)}}));
  }
  return values;
}

JsonValue SessionValue(const Controls& controls) {
  JsonValue session = JsonValue::MakeObject();
  session.Add("format", JsonValue::String(kSessionFormat));
  session.Add("version", JsonValue::Number(kSessionVersion));
  session.Add("controls", ControlsJson(controls));
  return session;
}

std::string SessionJson(const Controls& controls) { return WriteJson(SessionValue(controls), 2) + "\n"; }

SessionLoadResult ApplySession(TForm1& form, const std::string& json) {
  SessionLoadResult result;
  const JsonParseResult parsed = ParseJson(json);
  if (!parsed.ok) {
    result.error = "not valid JSON: " + parsed.error;
    return result;
  }
  result.error = HeaderError(parsed.value);
  if (!result.error.empty()) return result;
  const JsonValue::Object& entries = parsed.value.Find("controls")->AsObject();
  for (const JsonValue::Member& entry : entries) {
    const Control* c = form.controls.Find(entry.first);
    if (!c) {
      result.unknownControls.push_back(entry.first);
      continue;
    }
    const std::string why = ValueError(*c, entry.second);
    if (!why.empty()) {
      result.error = entry.first + ": " + why;
      result.unknownControls.clear();
      return result;
    }
  }
  for (const JsonValue::Member& entry : entries) {
    if (Control* c = form.controls.Find(entry.first)) SetValue(*c, entry.second);
  }
  TakeStartingDataKeepingSliders(form);
  result.ok = true;
  return result;
}
