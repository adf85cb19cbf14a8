#include "io/replace_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

std::string Folder(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

std::string Reason(const std::string& what) { return what + ": " + std::strerror(errno); }

// The mode an ordinary new file would get, or the mode of the file being replaced.
mode_t FileMode(const std::string& path) {
  struct stat existing;
  if (stat(path.c_str(), &existing) == 0) return existing.st_mode & 07777;
  const mode_t mask = umask(0);
  umask(mask);
  return 0666 & ~mask;
}

bool WriteAll(int fd, const std::string& text) {
  std::size_t done = 0;
  while (done < text.size()) {
    const ssize_t n = write(fd, text.data() + done, text.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<std::size_t>(n);
  }
  return true;
}

// Makes the rename itself durable; a folder that cannot be synced does not undo the write.
void SyncFolder(const std::string& folder) {
  const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY);
  if (fd < 0) return;
  fsync(fd);
  close(fd);
}

}  // namespace

bool ReplaceFile(const std::string& path, const std::string& text, std::string& error) {
  if (path.empty()) {
    error = "no file name";
    return false;
  }
  std::string temp = path + ".tmp-XXXXXX";
  const int fd = mkstemp(temp.data());
  if (fd < 0) {
    error = Reason("cannot create a file beside " + path);
    return false;
  }
  std::string failure;
  if (fchmod(fd, FileMode(path)) != 0) failure = Reason("cannot set the mode of " + temp);
  else if (!WriteAll(fd, text)) failure = Reason("cannot write " + temp);
  else if (fsync(fd) != 0) failure = Reason("cannot flush " + temp);
  if (close(fd) != 0 && failure.empty()) failure = Reason("cannot close " + temp);
  if (failure.empty() && std::rename(temp.c_str(), path.c_str()) != 0)
    failure = Reason("cannot replace " + path);
  if (!failure.empty()) {
    unlink(temp.c_str());
    error = failure;
    return false;
  }
  SyncFolder(Folder(path));
  return true;
}
