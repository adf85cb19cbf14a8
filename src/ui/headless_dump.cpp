#include "ui/headless_dump.h"

#include "ui/json_value.h"

namespace {

// The one value of a control in the dump; null for controls that hold none.
JsonValue ControlValue(const Control& c) {
  if (c.IsTextField()) return JsonValue::MakeObject({{"text", JsonValue::String(c.text)}});
  if (c.kind == ControlKind::CheckBox) return JsonValue::MakeObject({{"checked", JsonValue::Boolean(c.checked)}});
  if (c.kind == ControlKind::RadioGroup) return JsonValue::MakeObject({{"index", JsonValue::Number(c.itemIndex)}});
  if (c.HasPosition()) return JsonValue::MakeObject({{"position", JsonValue::Number(c.position)}});
  return {};
}

}  // namespace

std::string DumpJson(const Controls& controls, const std::vector<MessageLog::Message>& messages) {
  JsonValue values = JsonValue::MakeObject();
  for (const Control& c : controls.All()) {
    JsonValue value = ControlValue(c);
    if (!value.IsNull()) values.Add(c.name, std::move(value));
  }
  JsonValue shown = JsonValue::MakeArray();
  for (const MessageLog::Message& m : messages) {
    shown.AsArray().push_back(JsonValue::MakeObject(
        {{"caption", JsonValue::String(m.caption)}, {"text", JsonValue::String(m.text)}}));
  }
  JsonValue dump = JsonValue::MakeObject();
  dump.Add("controls", std::move(values));
  dump.Add("messages", std::move(shown));
  return WriteJson(dump, 2) + "\n";
}
