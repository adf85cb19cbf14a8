#pragma once
#include <string>

// Caption of every box the numerics library shows.
inline constexpr const char* kNumericsErrorCaption = "Bład w module AlgeLin";

// The library's message text for a code; empty for unknown or unused codes.
std::string NumericsErrorText(int code);

// Shows the message of the code through the program-wide sink, if its text is not empty.
void ReportNumericsError(int code);
