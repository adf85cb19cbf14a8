#pragma once
#include <string>
#include <vector>

#include "form/controls.h"
#include "io/session_format.h"

class TForm1;

// The controls' values in a session: output fields (results, tick labels, the Handy Mode
// Max/Min/modified fields) are saved and restored as well: the first tick label of each axis
// and the modified fields are read by the computations before they are rewritten, so the
// window behaves after loading exactly as it did when saved; every other output is overwritten
// by its next computation.

// Every control holding a value, in the order of creation.
std::vector<SessionEntry> SessionEntries(const Controls& controls);
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
