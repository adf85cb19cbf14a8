#pragma once
#include <string>

// Reads the whole file into text, bytes as they are; false with the reason when it cannot.
bool ReadTextFile(const std::string& path, std::string& text, std::string& error);
