#pragma once
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

// A fresh folder that is the working directory while the object lives (the det_g scan writes
// its trace file there); removed with everything in it afterwards.
class ScopedTempDir {
 public:
  ScopedTempDir() : old_(std::filesystem::current_path()) {
    char pattern[] = "/tmp/fenlar_files_XXXXXX";
    if (mkdtemp(pattern)) path_ = pattern;
    std::filesystem::current_path(path_);
  }
  ~ScopedTempDir() {
    std::error_code ignored;
    std::filesystem::current_path(old_, ignored);
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all, ignored);
    std::filesystem::remove_all(path_, ignored);
  }
  ScopedTempDir(const ScopedTempDir&) = delete;
  ScopedTempDir& operator=(const ScopedTempDir&) = delete;

  std::string File(const std::string& name) const { return path_ + "/" + name; }
  const std::string& Path() const { return path_; }

 private:
  std::filesystem::path old_;
  std::string path_;
};

inline std::string ReadWholeFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void WriteWholeFile(const std::string& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}
