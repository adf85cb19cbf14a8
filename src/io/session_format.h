#pragma once
#include <string>
#include <vector>

#include "base/message_log.h"

// A session keeps the user's work between runs: the value of every control that holds one,
//   {"format": "fenlar-session", "version": 1,
//    "controls": {NAME: {"text": "..."}      edit and masked-edit fields
//                       {"checked": b}       check boxes
//                       {"index": n}         radio groups
//                       {"position": n}},    scroll bars and the track bar
//    "messages": [...]}                      optional, ignored when loading
inline constexpr const char* kSessionFormat = "fenlar-session";
inline constexpr int kSessionVersion = 1;

// The one value a control keeps, under the member name of its kind.
struct SessionValue {
  enum class Kind { Text, Checked, Index, Position, Malformed };
  Kind kind = Kind::Malformed;  // Malformed: not an object with exactly one known member
  bool typed = false;           // the member holds a string, a boolean or an int, as its kind wants
  std::string text;
  bool checked = false;
  int number = 0;  // index or position
};

struct SessionEntry {
  std::string name;
  SessionValue value;
};

// The member name of a kind: "text", "checked", "index" or "position".
const char* SessionKey(SessionValue::Kind kind);

// The session text of the entries, in their order. With messages, the record of a headless
// run: the same controls and the messages shown, in order.
std::string SessionJson(const std::vector<SessionEntry>& controls);
std::string RunDumpJson(const std::vector<SessionEntry>& controls,
                        const std::vector<MessageLog::Message>& messages);

struct SessionParseResult {
  bool ok = false;
  std::string error;  // why the text is no session this program reads
  std::vector<SessionEntry> controls;  // in file order
};

// Checks the JSON, the format, the version and the members; the controls' values are taken
// as they stand (whether they fit their controls is the window's to judge).
SessionParseResult ParseSession(const std::string& text);
