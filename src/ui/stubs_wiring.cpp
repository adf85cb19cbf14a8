// Placeholder definitions until the real ones land; delete this file then.
#include "ui/tform1.h"

void TForm1::HandySliderChanged(const std::string&) {}
