#pragma once
#include <string>

// The program-wide message sink: shows a modal box with a text, a caption and an OK button.
// The window installs one that shows real boxes; headless runs and tests install recorders.
class Komunikat {
 public:
  virtual ~Komunikat() = default;
  virtual void Show(const std::string& text, const std::string& caption) = 0;
};

// The sink in use; a default one writes to standard error until another is installed.
Komunikat& MessageSink();
void SetMessageSink(Komunikat* sink);
