#pragma once
#include <string>

class Controls;

// The session file the window works with: the one last opened or saved, and the controls'
// session text as it stood then. Empty path: no session file in use.
struct SessionInUse {
  std::string path;
  std::string savedJson;

  // Takes path as the session in use, with the controls' values as they stand now.
  void Remember(const std::string& sessionPath, const Controls& controls);
  // True when a session file is in use and the controls' values differ from those at its
  // last open or save: closing the window then has something to ask about.
  bool Changed(const Controls& controls) const;
};
