#include "report/scratchFile.h"

#include <cstdio>
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
  if (platform::openScratchFile("tolvane-report", fd_) == 0) {
    stream_.attach(fd_);
    return 0;
  }
  fd_ = -1;
  // No temporary folder to be had: a hidden file beside the report.
  std::string_view name(neighbour);
  size_t slash = name.find_last_of("/\\");
  size_t cut = slash == std::string_view::npos ? 0 : slash + 1;
  int n = std::snprintf(path_, sizeof path_, "%.*s.%s.%p.part", static_cast<int>(cut), neighbour,
                        neighbour + cut, static_cast<const void*>(this));
  if (n < 0 || static_cast<size_t>(n) >= sizeof path_) {
    path_[0] = '\0';
    return platform::NAME_TOO_LONG;
  }
  return openAt(path_);
}

int ScratchFile::openAt(const char* path) {
  if (int rc = platform::openAsAllowed(path, {true, false}, fd_)) {
    fd_ = -1;
    path_[0] = '\0';
    return rc;
  }
  removeNames();
  stream_.attach(fd_);
  return 0;
}

int ScratchFile::copyTo(OutputStream& out) {
  if (fd_ < 0) return platform::BAD_FILE;
  if (int rc = stream_.flush()) return rc;
  if (int rc = platform::rewindFile(fd_)) return rc;
  if (int rc = out.appendFile(fd_)) return rc;
  return out.error();
}

}  // namespace tolvane
