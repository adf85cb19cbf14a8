#include "form/session_file.h"

#include <iterator>
#include <optional>

#include "form/field_names.h"
#include "form/tform1.h"
#include "io/replace_file.h"
#include "io/text_file.h"

namespace {

// The hold boxes of the eight Handy Mode constants.
const char* const kHoldBoxes[] = {kSubstrateC11HoldBox, kSubstrateC12HoldBox, kLayer1C11HoldBox,
                                  kLayer1C12HoldBox,    kLayer2C11HoldBox,    kLayer2C12HoldBox,
                                  kLayer3C11HoldBox,    kLayer3C12HoldBox};

// The kind of value a control keeps; nothing for controls that keep none (buttons, labels).
std::optional<SessionValue::Kind> KindOf(const Control& c) {
  if (c.IsTextField()) return SessionValue::Kind::Text;
  if (c.kind == ControlKind::CheckBox) return SessionValue::Kind::Checked;
  if (c.kind == ControlKind::RadioGroup) return SessionValue::Kind::Index;
  if (c.HasPosition()) return SessionValue::Kind::Position;
  return std::nullopt;
}

SessionValue ValueOf(const Control& c) {
  SessionValue v;
  v.kind = *KindOf(c);
  v.typed = true;
  v.text = c.text;
  v.checked = c.checked;
  v.number = v.kind == SessionValue::Kind::Index ? c.itemIndex : c.position;
  return v;
}

std::string RangeError(const std::string& what, int value, int low, int high) {
  return what + " " + std::to_string(value) + " outside " + std::to_string(low) + ".." + std::to_string(high);
}

// Empty when the value fits the control, else the reason (without the control's name).
std::string ValueError(const Control& c, const SessionValue& v) {
  const std::optional<SessionValue::Kind> kept = KindOf(c);
  if (!kept) return "this control keeps no value";
  const SessionValue::Kind kind = *kept;
  const std::string key = SessionKey(kind);
  if (v.kind != kind) return "expected {\"" + key + "\": ...}";
  if (!v.typed) {
    if (kind == SessionValue::Kind::Text) return "text is not a string";
    if (kind == SessionValue::Kind::Checked) return "checked is not true or false";
    return key + " is not an integer";
  }
  if (kind == SessionValue::Kind::Index) {
    const int last = static_cast<int>(c.items.size()) - 1;
    return v.number >= 0 && v.number <= last ? "" : RangeError("index", v.number, 0, last);
  }
  if (kind == SessionValue::Kind::Position)
    return v.number >= c.minimum && v.number <= c.maximum ? "" : RangeError("position", v.number, c.minimum, c.maximum);
  return "";
}

// Sets the value directly: no click or change handler runs.
void SetValue(Control& c, const SessionValue& v) {
  switch (v.kind) {
    case SessionValue::Kind::Text:
      c.text = v.text;
      break;
    case SessionValue::Kind::Checked:
      c.checked = v.checked;
      break;
    case SessionValue::Kind::Index:
      c.itemIndex = v.number;
      break;
    default:
      c.position = v.number;
      break;
  }
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

std::vector<SessionEntry> SessionEntries(const Controls& controls) {
  std::vector<SessionEntry> entries;
  for (const Control& c : controls.All()) {
    if (KindOf(c)) entries.push_back({c.name, ValueOf(c)});
  }
  return entries;
}

std::string SessionJson(const Controls& controls) { return SessionJson(SessionEntries(controls)); }

SessionLoadResult ApplySession(TForm1& form, const std::string& json) {
  SessionLoadResult result;
  const SessionParseResult parsed = ParseSession(json);
  if (!parsed.ok) {
    result.error = parsed.error;
    return result;
  }
  for (const SessionEntry& entry : parsed.controls) {
    const Control* c = form.controls.Find(entry.name);
    if (!c) {
      result.unknownControls.push_back(entry.name);
      continue;
    }
    const std::string why = ValueError(*c, entry.value);
    if (!why.empty()) {
      result.error = entry.name + ": " + why;
      result.unknownControls.clear();
      return result;
    }
  }
  for (const SessionEntry& entry : parsed.controls) {
    if (Control* c = form.controls.Find(entry.name)) SetValue(*c, entry.value);
  }
  TakeStartingDataKeepingSliders(form);
  result.ok = true;
  return result;
}

bool SaveSessionFile(const Controls& controls, const std::string& path, std::string& error) {
  return ReplaceFile(path, SessionJson(controls), error);
}

SessionLoadResult LoadSessionFile(TForm1& form, const std::string& path) {
  std::string text;
  SessionLoadResult result;
  if (!ReadTextFile(path, text, result.error)) return result;
  return ApplySession(form, text);
}
