#pragma once
#include <functional>
#include <string>

// The trace file "test.txt" of a det_g scan in the working folder: one CR LF line per point,
// the velocity and the modulus of det_g, each with 10 significant digits. Truncated when the
// object is made and closed when it goes, also when a fault ends the scan early. Each line
// reaches the file as it is written, so what a fault leaves is complete.
//
// The file is opened only as a regular file and never through a symbolic link: a link named
// test.txt could otherwise overwrite whatever it points to. Where it cannot be opened, the
// scan runs without a trace and nothing is said. A write that fails (a full disk) ends the
// trace and is reported once through report; the scan itself goes on.
inline constexpr const char* kTraceFileName = "test.txt";

class TraceFile {
 public:
  using Report = std::function<void(const std::string&)>;
  explicit TraceFile(Report report);
  ~TraceFile();
  TraceFile(const TraceFile&) = delete;
  TraceFile& operator=(const TraceFile&) = delete;

  void WriteLine(long double v, long double modulus);

 private:
  void Fail();

  int fd_ = -1;
  Report report_;
};
