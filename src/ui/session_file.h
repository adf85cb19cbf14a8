#pragma once
#include <string>
#include <vector>

#include "ui/controls.h"
#include "ui/json_value.h"

class TForm1;

// A session keeps the user's work between runs: the value of every control that holds one,
//   {"format": "fenlar-session", "version": 1,
//    "controls": {NAME: {"text": "..."}      edit and masked-edit fields
//                       {"checked": b}       check boxes
//                       {"index": n}         radio groups
//                       {"position": n}},    scroll bars and the track bar
//    "messages": [...]}                      optional, ignored when loading
// Output fields (results, tick labels, the Handy Mode Max/Min/modified fields) are saved and
// restored as well: the first tick label of each axis and the modified fields are read by the
// computations before they are rewritten, so the window behaves after loading exactly as it
// did when saved; every other output is overwritten by its next computation.
inline constexpr const char* kSessionFormat = "fenlar-session";
inline constexpr int kSessionVersion = 1;

// The "controls" member: every control holding a value, in the order of creation.
JsonValue ControlsJson(const Controls& controls);
// The whole session object without messages; a caller may add its own "messages" member.
JsonValue SessionValue(const Controls& controls);
std::string SessionJson(const Controls& controls);

struct SessionLoadResult {
  bool ok = false;
  std::string error;                         // why nothing was changed, when not ok
  std::vector<std::string> unknownControls;  // names in the file the window does not have; skipped
};

// Validates the whole text first (JSON syntax, format, version, and for every known control
// a value of its kind within its range); on any error the window is left untouched. Controls
// missing from the file keep their values. Values are set without running any handler, then
// "Take starting data" runs once so that the state matches the fields; during it the Handy
// Mode hold boxes are held, so that the saved slider offsets survive the intake.
SessionLoadResult ApplySession(TForm1& form, const std::string& json);

// "Take starting data" with every hold box set, so that the intake keeps each slider where
// it stands and derives the modified constants from it: the state then matches the fields
// without any slider being reset.
void TakeStartingDataKeepingSliders(TForm1& form);

// Writes the session beside the target and renames it over the target only once it is
// complete on disk; on failure the old file is intact and error says why.
bool SaveSessionFile(const Controls& controls, const std::string& path, std::string& error);
SessionLoadResult LoadSessionFile(TForm1& form, const std::string& path);
