// Placeholder definitions until the real ones land; delete this file then.
#include "ui/controls.h"

void BuildWindowControls(Controls&) {}
