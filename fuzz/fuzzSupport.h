#pragma once
// Helpers shared by the fuzz targets: an in-memory file for captured text,
// a private scratch directory and a hard failure that libFuzzer records.

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <string>
#include <string_view>
#include <sys/mman.h>
#include <unistd.h>

namespace tolvane::fuzz {

/// Ends the process with a message; libFuzzer keeps the input as a crash.
[[noreturn]] inline void fail(std::string_view what, std::string_view detail = {}) {
  std::fprintf(stderr, "FUZZ CHECK FAILED: %.*s\n%.*s\n", static_cast<int>(what.size()),
               what.data(), static_cast<int>(detail.size()), detail.data());
  std::abort();
}

/// An anonymous in-memory file that captures what a run writes to it.
class CaptureFile {
 public:
  CaptureFile() : fd_(memfd_create("tolvane-fuzz", MFD_CLOEXEC)) {
    if (fd_ < 0) fail("memfd_create");
  }
  ~CaptureFile() { ::close(fd_); }
  CaptureFile(const CaptureFile&) = delete;
  CaptureFile& operator=(const CaptureFile&) = delete;

  int fd() const { return fd_; }
  /// Empties the file and goes back to its start.
  void clear() {
    if (ftruncate(fd_, 0) != 0 || lseek(fd_, 0, SEEK_SET) != 0) fail("clearing a capture file");
  }
  /// Everything written since the last clear().
  std::string contents() const {
    std::string text;
    char buffer[65536];
    off_t offset = 0;
    for (;;) {
      ssize_t got = pread(fd_, buffer, sizeof buffer, offset);
      if (got < 0) fail("reading a capture file");
      if (got == 0) return text;
      text.append(buffer, static_cast<size_t>(got));
      offset += got;
    }
  }

 private:
  int fd_;
};

/// The lowest free descriptor number: it moves when a run leaks a descriptor.
inline int lowestFreeDescriptor() {
  int fd = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
  if (fd < 0) fail("opening /dev/null");
  ::close(fd);
  return fd;
}

}  // namespace tolvane::fuzz
