#include "io/text_file.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>

bool ReadTextFile(const std::string& path, std::string& text, std::string& error) {
  errno = 0;
  std::ifstream in(path, std::ios::binary);
  std::ostringstream content;
  if (in) content << in.rdbuf();
  if (!in || in.bad()) {
    error = "cannot read " + path + (errno ? std::string(": ") + std::strerror(errno) : "");
    return false;
  }
  text = content.str();
  return true;
}
