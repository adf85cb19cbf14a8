// Fuzz target over the session reader as the window uses it: any bytes either load, and then
// save and load again to the same controls, or are refused with the window left untouched.
#include <cstdint>
#include <string>

#include "form/session_file.h"
#include "form/tform1.h"
#include "message_check.h"

namespace {

// Two windows made once, since making one costs far more than reading most inputs. Each
// input starts from the default controls, put back by loading them as a session.
struct Windows {
  Windows() {
    form.WindowCreated();
    again.WindowCreated();
    defaults = SessionJson(form.controls);
  }
  void Reset() {
    for (TForm1* w : {&form, &again}) {
      if (SessionJson(w->controls) != defaults && !ApplySession(*w, defaults).ok)
        FuzzFault("the default controls do not load");
    }
  }
  TForm1 form, again;
  std::string defaults;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static MessageCheck check;
  SetMessageSink(&check);
  static Windows windows;
  windows.Reset();
  const std::string text(reinterpret_cast<const char*>(data), size);
  const SessionLoadResult loaded = ApplySession(windows.form, text);
  if (!loaded.ok) {
    if (loaded.error.empty()) FuzzFault("a refused session gives no reason");
    if (SessionJson(windows.form.controls) != windows.defaults)
      FuzzFault("a refused session changed the window");
  } else {
    const std::string saved = SessionJson(windows.form.controls);
    if (!ApplySession(windows.again, saved).ok) FuzzFault("a saved session does not load");
    if (SessionJson(windows.again.controls) != saved)
      FuzzFault("a saved session loads other values");
  }
  SetMessageSink(nullptr);
  return 0;
}
