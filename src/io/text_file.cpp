#include "io/text_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace {

std::string Reason(const std::string& path) {
  return "cannot read " + path + ": " + std::strerror(errno);
}

// Empty when the open file is a regular file small enough to read whole, else the reason.
std::string Unreadable(int fd, const std::string& path) {
  struct stat st{};
  if (fstat(fd, &st) != 0) return Reason(path);
  if (S_ISDIR(st.st_mode)) return path + " is a folder, not a file";
  if (!S_ISREG(st.st_mode)) return path + " is not a regular file";
  if (static_cast<unsigned long long>(st.st_size) > kMaxReadBytes)
    return path + " is too large (" + std::to_string(st.st_size) + " bytes; at most " +
           std::to_string(kMaxReadBytes) + " are read)";
  return "";
}

// Reads to the end, but never past the limit: a file that grows while it is read is refused.
std::string ReadAll(int fd, const std::string& path, std::string& text) {
  char buffer[65536];
  for (;;) {
    const ssize_t n = read(fd, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return Reason(path);
    if (n == 0) return "";
    if (text.size() + static_cast<std::size_t>(n) > kMaxReadBytes) return path + " is too large";
    text.append(buffer, static_cast<std::size_t>(n));
  }
}

}  // namespace

bool ReadTextFile(const std::string& path, std::string& text, std::string& error) {
  // Non-blocking, so that opening a pipe without a writer does not wait; it is refused next.
  const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    error = Reason(path);
    return false;
  }
  std::string content;
  error = Unreadable(fd, path);
  if (error.empty()) error = ReadAll(fd, path, content);
  close(fd);
  if (!error.empty()) return false;
  text = std::move(content);
  return true;
}

std::string WithoutByteOrderMark(const std::string& text) {
  return text.rfind("\xEF\xBB\xBF", 0) == 0 ? text.substr(3) : text;
}

bool WriteAll(int fd, const std::string& text) {
  std::size_t done = 0;
  while (done < text.size()) {
    const ssize_t n = write(fd, text.data() + done, text.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return false;
    if (n == 0) {
      errno = ENOSPC;
      return false;
    }
    done += static_cast<std::size_t>(n);
  }
  return true;
}
