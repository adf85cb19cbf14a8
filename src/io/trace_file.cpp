#include "io/trace_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "base/number_text.h"
#include "io/text_file.h"

namespace {

// Non-blocking, so that a pipe named test.txt without a reader does not stop the scan.
int OpenRegularFile(const char* name) {
  const int fd = open(name, O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC,
                      0666);
  if (fd < 0) return -1;
  struct stat st{};
  if (fstat(fd, &st) == 0 && S_ISREG(st.st_mode)) return fd;
  close(fd);
  return -1;
}

}  // namespace

TraceFile::TraceFile(Report report)
    : fd_(OpenRegularFile(kTraceFileName)), report_(std::move(report)) {}

TraceFile::~TraceFile() {
  if (fd_ >= 0 && close(fd_) != 0) {
    fd_ = -1;
    Fail();
  }
}

void TraceFile::WriteLine(long double v, long double modulus) {
  if (fd_ < 0) return;
  const std::string line = FormatSignificant(v, DigitsPrecise, NumberBufferA) + "  " +
                           FormatSignificant(modulus, DigitsPrecise, NumberBufferB) + "\r\n";
  if (!WriteAll(fd_, line)) Fail();
}

void TraceFile::Fail() {
  const std::string why = std::strerror(errno);
  if (fd_ >= 0) close(fd_);
  fd_ = -1;
  if (report_) report_(std::string("The trace file ") + kTraceFileName + " is incomplete: " + why);
}
