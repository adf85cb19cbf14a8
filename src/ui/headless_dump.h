#pragma once
#include <string>
#include <vector>

#include "ui/controls.h"
#include "ui/message_log.h"

// The JSON record of a headless run: {"controls": {NAME: {"text": ...} | {"checked": ...} |
// {"index": ...} | {"position": ...}}, "messages": [{"caption": ..., "text": ...}]}, the
// controls in the order of creation, only those that hold such a value.
std::string DumpJson(const Controls& controls, const std::vector<MessageLog::Message>& messages);
