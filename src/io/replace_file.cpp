#include "io/replace_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "io/text_file.h"

namespace {

std::string Folder(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

std::string Reason(const std::string& what) { return what + ": " + std::strerror(errno); }

// The file a chain of symbolic links ends at (which need not exist yet); path itself when it
// is no link. Empty, with errno set, when the chain cannot be followed.
std::string LinkTarget(std::string path) {
  for (int hops = 0; hops < 40; ++hops) {
    struct stat st{};
    if (lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
    std::string target(static_cast<std::size_t>(st.st_size) + 1, '\0');
    const ssize_t n = readlink(path.c_str(), target.data(), target.size());
    if (n < 0) return "";
    target.resize(static_cast<std::size_t>(n));
    path = target.front() == '/' ? target : Folder(path) + "/" + target;
  }
  errno = ELOOP;
  return "";
}

// Empty when path may be replaced: it does not exist yet, or it is a regular file the user
// may write. The mode bits are checked here, since root may rename over any file.
std::string Unwritable(const std::string& path) {
  struct stat st{};
  if (stat(path.c_str(), &st) != 0) return errno == ENOENT ? "" : Reason("cannot look at " + path);
  if (S_ISDIR(st.st_mode)) return path + " is a folder, not a file";
  if (!S_ISREG(st.st_mode)) return path + " is not a regular file";
  const bool writable = geteuid() == 0 ? (st.st_mode & 0222) != 0
                                       : faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) == 0;
  return writable ? "" : path + " is read-only";
}

// The mode an ordinary new file would get, or the mode of the file being replaced.
mode_t FileMode(const std::string& path) {
  struct stat existing;
  if (stat(path.c_str(), &existing) == 0) return existing.st_mode & 07777;
  const mode_t mask = umask(0);
  umask(mask);
  return 0666 & ~mask;
}

// Makes the rename itself durable; a folder that cannot be synced does not undo the write.
void SyncFolder(const std::string& folder) {
  const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY);
  if (fd < 0) return;
  fsync(fd);
  close(fd);
}

// Writes text into a new file in the target's folder and renames it over the target. The
// temporary name is short, so that a target name near the length limit still has room.
std::string WriteAndRename(const std::string& path, const std::string& text) {
  std::string temp = Folder(path) + "/.fenlar-XXXXXX";
  const int fd = mkstemp(temp.data());
  if (fd < 0) return Reason("cannot create a file beside " + path);
  std::string failure;
  if (fchmod(fd, FileMode(path)) != 0) failure = Reason("cannot set the mode of " + temp);
  else if (!WriteAll(fd, text)) failure = Reason("cannot write " + temp);
  else if (fsync(fd) != 0) failure = Reason("cannot flush " + temp);
  if (close(fd) != 0 && failure.empty()) failure = Reason("cannot close " + temp);
  if (failure.empty() && std::rename(temp.c_str(), path.c_str()) != 0)
    failure = Reason("cannot replace " + path);
  if (!failure.empty()) unlink(temp.c_str());
  return failure;
}

}  // namespace

bool ReplaceFile(const std::string& path, const std::string& text, std::string& error) {
  if (path.empty()) {
    error = "no file name";
    return false;
  }
  const std::string target = LinkTarget(path);
  if (target.empty()) error = Reason("cannot follow the link " + path);
  else error = Unwritable(target);
  if (error.empty()) error = WriteAndRename(target, text);
  if (!error.empty()) return false;
  SyncFolder(Folder(target));
  return true;
}
