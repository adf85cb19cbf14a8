#include "form/file_commands.h"

#include <exception>
#include <new>

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

// The first few names and how many there are: a file may name thousands.
std::string FirstNames(const std::vector<std::string>& names) {
  constexpr std::size_t kShown = 5;
  std::string text;
  for (std::size_t k = 0; k < names.size() && k < kShown; ++k) text += (k ? ", " : "") + names[k];
  if (names.size() > kShown) text += " and " + std::to_string(names.size() - kShown) + " more";
  return text;
}

// Runs a file command so that nothing it throws (memory running out while a large file is
// read or parsed, say) ends the program: the failure is shown like any other.
template <typename Command>
bool Guarded(const std::string& what, const std::string& path, Command command) {
  try {
    return command();
  } catch (const std::bad_alloc&) {
    return Refuse(what, path, "not enough memory");
  } catch (const std::exception& e) {
    return Refuse(what, path, e.what());
  }
}

}  // namespace

bool OpenSession(TForm1& form, const std::string& path) {
  return Guarded("Cannot open the session", path, [&] {
    const SessionLoadResult r = LoadSessionFile(form, path);
    if (!r.ok) return Refuse("Cannot open the session", path, r.error + "\nNothing was changed.");
    if (!r.unknownControls.empty())
      MessageSink().Show("The session " + path + " names " +
                             std::to_string(r.unknownControls.size()) +
                             " controls this window does not have; they were skipped: " +
                             FirstNames(r.unknownControls),
                         kCaption);
    form.session.Remember(path, form.controls);
    return true;
  });
}

bool SaveSession(TForm1& form, const std::string& path) {
  return Guarded("Cannot save the session", path, [&] {
    std::string error;
    if (!SaveSessionFile(form.controls, path, error))
      return Refuse("Cannot save the session", path, error + "\nThe file there before is unchanged.");
    form.session.Remember(path, form.controls);
    return true;
  });
}

bool ImportMeasured(TForm1& form, const std::string& path) {
  return Guarded("Cannot import the measured data from", path, [&] {
    const ImportResult r = ImportMeasuredFile(path);
    if (!r.ok) {
      return Refuse("Cannot import the measured data from", path,
                    r.error + "\nNothing was changed.");
    }
    WriteMeasuredRows(form.controls, r.rows);
    TakeStartingDataKeepingSliders(form);
    return true;
  });
}

bool ExportText(const std::string& text, const std::string& path) {
  return Guarded("Cannot export to", path, [&] {
    std::string error;
    if (ReplaceFile(path, text, error)) return true;
    return Refuse("Cannot export to", path, error + "\nThe file there before is unchanged.");
  });
}

bool ExportResults(const TForm1& form, ExportKind kind, const std::string& path) {
  return ExportText(ExportCsv(kind, form.records, form.state), path);
}

bool SavePicture(const std::string& png, const std::string& path) {
  return Guarded("Cannot save the picture", path, [&] {
    std::string error;
    if (ReplaceFile(path, png, error)) return true;
    return Refuse("Cannot save the picture", path, error + "\nThe file there before is unchanged.");
  });
}
