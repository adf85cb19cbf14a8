#include "form/session_in_use.h"

#include "form/session_file.h"

void SessionInUse::Remember(const std::string& sessionPath, const Controls& controls) {
  path = sessionPath;
  savedJson = SessionJson(controls);
}

bool SessionInUse::Changed(const Controls& controls) const {
  return !path.empty() && SessionJson(controls) != savedJson;
}
