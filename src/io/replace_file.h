#pragma once
#include <string>

// Writes text into a new file beside path and renames it over path only once it is complete
// on disk, so that a reader never sees a half-written file and a failed write leaves the old
// file as it was. The new file keeps the mode of the one it replaces. A symbolic link stays a
// link: the file it points to is the one replaced. A read-only file, a folder and anything
// else that is not a regular file are refused, also where the system would let the program
// replace them. False with the reason when it fails; no temporary file is left behind then.
bool ReplaceFile(const std::string& path, const std::string& text, std::string& error);
