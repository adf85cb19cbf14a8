#include "form/file_commands.h"

#include "base/komunikat.h"
#include "io/measured_import.h"
#include "io/replace_file.h"
#include "form/measured_fields.h"
#include "form/session_file.h"
#include "form/tform1.h"

namespace {

constexpr const char* kCaption = "FENLAR";

bool Refuse(const std::string& what, const std::string& path, const std::string& why) {
  MessageSink().Show(what + " " + path + ":\n" + why, kCaption);
  return false;
}

std::string Joined(const std::vector<std::string>& names) {
  std::string text;
  for (const std::string& name : names) text += (text.empty() ? "" : ", ") + name;
  return text;
}

}  // namespace

bool OpenSession(TForm1& form, const std::string& path) {
  const SessionLoadResult r = LoadSessionFile(form, path);
  if (!r.ok) return Refuse("Cannot open the session", path, r.error + "\nNothing was changed.");
  if (!r.unknownControls.empty())
    MessageSink().Show("The session " + path + " names controls this window does not have; they were skipped:\n" +
                           Joined(r.unknownControls),
                       kCaption);
  form.session.Remember(path, form.controls);
  return true;
}

bool SaveSession(TForm1& form, const std::string& path) {
  std::string error;
  if (SaveSessionFile(form.controls, path, error)) {
    form.session.Remember(path, form.controls);
    return true;
  }
  return Refuse("Cannot save the session", path, error + "\nThe file there before is unchanged.");
}

bool ImportMeasured(TForm1& form, const std::string& path) {
  const ImportResult r = ImportMeasuredFile(path);
  if (!r.ok) return Refuse("Cannot import the measured data from", path, r.error + "\nNothing was changed.");
  WriteMeasuredRows(form.controls, r.rows);
  TakeStartingDataKeepingSliders(form);
  return true;
}

bool ExportResults(const TForm1& form, ExportKind kind, const std::string& path) {
  std::string error;
  if (ReplaceFile(path, ExportCsv(kind, form.records, form.state), error)) return true;
  return Refuse("Cannot export to", path, error + "\nThe file there before is unchanged.");
}

bool SavePicture(const std::string& png, const std::string& path) {
  std::string error;
  if (ReplaceFile(path, png, error)) return true;
  return Refuse("Cannot save the picture", path, error + "\nThe file there before is unchanged.");
}
