#pragma once
// Temporary files behind the streams, for tests that read or write through them.

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>

#include "driver/streams.h"

namespace tolvane {

/// A temporary file that is removed when the object goes.
class TempFile {
 public:
  explicit TempFile(const std::string& contents = "") {
    const char* dir = std::getenv("TMPDIR");
    path_ = std::string(dir && *dir ? dir : "/tmp") + "/tolvane-test-XXXXXX";
    int fd = mkstemp(path_.data());
    if (fd >= 0) {
      if (!contents.empty() && ::write(fd, contents.data(), contents.size()) < 0) path_.clear();
      ::close(fd);
    }
  }
  ~TempFile() { std::remove(path_.c_str()); }
  TempFile(const TempFile&) = delete;
  TempFile& operator=(const TempFile&) = delete;

  /// The file's path.
  const char* path() const { return path_.c_str(); }
  /// The file's whole contents.
  std::string contents() const {
    std::ifstream in(path_, std::ios::binary);
    std::stringstream all;
    all << in.rdbuf();
    return all.str();
  }

 private:
  std::string path_;
};

/// An input stream open on a temporary file holding the given text.
class InputFile {
 public:
  explicit InputFile(const std::string& contents) : file_(contents) { stream_.open(file_.path()); }
  /// The stream, open at the first line.
  InputStream& stream() { return stream_; }

 private:
  TempFile file_;
  InputStream stream_;
};

/// An output stream writing to a temporary file, read back by contents().
class OutputFile {
 public:
  OutputFile() { stream_.create(file_.path()); }
  /// The stream to write to.
  OutputStream& stream() { return stream_; }
  /// Everything written so far.
  std::string contents() {
    stream_.flush();
    return file_.contents();
  }

 private:
  TempFile file_;
  OutputStream stream_;
};

}  // namespace tolvane
