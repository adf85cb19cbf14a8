#include "ui/replace_file.h"
#include "ui/session_file.h"
#include "ui/text_file.h"

bool SaveSessionFile(const Controls& controls, const std::string& path, std::string& error) {
  return ReplaceFile(path, SessionJson(controls), error);
}

SessionLoadResult LoadSessionFile(TForm1& form, const std::string& path) {
  std::string text;
  SessionLoadResult result;
  if (!ReadTextFile(path, text, result.error)) return result;
  return ApplySession(form, text);
}
