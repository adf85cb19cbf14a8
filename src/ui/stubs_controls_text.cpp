// Placeholder definitions until the real ones land; delete this file then.
#include "ui/controls.h"
#include "ui/number_text.h"

void BuildWindowControls(Controls&) {}
NumberBuffer NumberBufferA;
NumberBuffer NumberBufferB;
std::string FormatSignificant(long double, int, NumberBuffer&) { return {}; }
std::string FormatFixed(long double, long double, int) { return {}; }
std::string FormatComplex(long double, long double, long double, int) { return {}; }
long double ReadNumber(const std::string&) { return 0; }
