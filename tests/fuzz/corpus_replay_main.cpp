// Replays every saved fuzz input (files of the folders given) through the fuzz target, in a
// temporary working folder of its own, since the window logic writes its trace file there.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <vector>

#include "temp_dir.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main(int argc, char** argv) {
  std::vector<std::filesystem::path> folders;
  for (int i = 1; i < argc; ++i) folders.push_back(std::filesystem::absolute(argv[i]));
  const ScopedTempDir workingFolder;
  int replayed = 0;
  for (const std::filesystem::path& folder : folders) {
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
      if (!entry.is_regular_file()) continue;
      const std::string bytes = ReadWholeFile(entry.path());
      LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
      ++replayed;
    }
  }
  std::printf("%d passed, 0 failed\n", replayed);
  return replayed > 0 ? 0 : 1;
}
