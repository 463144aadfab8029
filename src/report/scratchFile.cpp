#include "report/scratchFile.h"

#include <cstdio>
#include <cstring>
#include <string_view>

#include "platform/errors.h"
#include "platform/files.h"
#include "platform/temporaryDirectory.h"

namespace tolvane {

ScratchFile::~ScratchFile() {
  stream_.close();
  if (fd_ >= 0) platform::closeFile(fd_);
  removeNames();
}

void ScratchFile::removeNames() {
  if (path_[0] != '\0' && platform::removeFile(path_) == 0) path_[0] = '\0';
}

int ScratchFile::create(const char* neighbour) {
  std::string_view name(neighbour);
  if (name.size() >= sizeof neighbour_) return platform::NAME_TOO_LONG;
  std::memcpy(neighbour_, name.data(), name.size());
  neighbour_[name.size()] = '\0';
  stream_.holdInMemory(*this);
  return 0;
}

// The held text no longer fits in memory: the file it goes on in.
int ScratchFile::openSpill(int& fd) {
  if (platform::openScratchFile("tolvane-report", fd_) == 0) {
    fd = fd_;
    return 0;
  }
  fd_ = -1;
  // No temporary folder to be had: a hidden file beside the report.
  const char* neighbour = neighbour_;
  std::string_view name(neighbour);
  size_t slash = name.find_last_of("/\\");
  size_t cut = slash == std::string_view::npos ? 0 : slash + 1;
  int n = std::snprintf(path_, sizeof path_, "%.*s.%s.%p.part", static_cast<int>(cut), neighbour,
                        neighbour + cut, static_cast<const void*>(this));
  if (n < 0 || static_cast<size_t>(n) >= sizeof path_) {
    path_[0] = '\0';
    return platform::NAME_TOO_LONG;
  }
  if (int rc = openAt(path_)) return rc;
  fd = fd_;
  return 0;
}

int ScratchFile::openAt(const char* path) {
  if (int rc = platform::openAsAllowed(path, {true, false}, fd_)) {
    fd_ = -1;
    path_[0] = '\0';
    return rc;
  }
  removeNames();
  return 0;
}

int ScratchFile::copyTo(OutputStream& out) {
  if (stream_.isHeld()) {
    out.write(stream_.held());
    return out.error();
  }
  if (fd_ < 0) return stream_.error() ? stream_.error() : platform::BAD_FILE;
  if (int rc = stream_.flush()) return rc;
  if (int rc = platform::rewindFile(fd_)) return rc;
  if (int rc = out.appendFile(fd_)) return rc;
  return out.error();
}

}  // namespace tolvane
