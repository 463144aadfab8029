#pragma once
// Test helpers: temporary files behind the program's input and output streams.

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <initializer_list>
#include <sstream>
#include <string>
#include <string_view>

#include "deck/streams.h"

namespace tolvane {

/// A file in the temporary directory, removed when the object goes.
class TempFile {
 public:
  /// Creates the file holding `contents`.
  explicit TempFile(std::string_view contents = {}) {
    const char* dir = std::getenv("TMPDIR");
    path_ = std::string(dir && *dir ? dir : "/tmp") + "/tolvane-test-XXXXXX";
    int fd = ::mkstemp(path_.data());
    if (fd < 0) return;
    size_t done = 0;
    while (done < contents.size()) {
      ssize_t n = ::write(fd, contents.data() + done, contents.size() - done);
      if (n <= 0) break;
      done += static_cast<size_t>(n);
    }
    ::close(fd);
  }
  ~TempFile() { std::remove(path_.c_str()); }
  TempFile(const TempFile&) = delete;
  TempFile& operator=(const TempFile&) = delete;

  /// The file's path.
  const std::string& path() const { return path_; }
  /// The file's whole contents.
  std::string contents() const {
    std::ifstream file(path_, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
  }

 private:
  std::string path_;
};

/// The lines joined, each ended by a line feed.
inline std::string joinLines(std::initializer_list<std::string_view> lines) {
  std::string text;
  for (std::string_view line : lines) {
    text += line;
    text += '\n';
  }
  return text;
}

/// An input stream open on a temporary file holding `contents`.
class InputFile {
 public:
  explicit InputFile(std::string_view contents) : file_(contents) {
    stream_.open(file_.path().c_str());
  }

  /// The stream, open on the file.
  InputStream& stream() { return stream_; }
  /// The file's path.
  const std::string& path() const { return file_.path(); }

 private:
  TempFile file_;  // declared first: removed after the stream has closed it
  InputStream stream_;
};

/// An output stream writing to a temporary file.
class OutputFile {
 public:
  OutputFile() { stream_.create(file_.path().c_str()); }

  /// The stream, open on the file.
  OutputStream& stream() { return stream_; }
  /// The file's path.
  const std::string& path() const { return file_.path(); }
  /// Everything written so far (the stream is flushed first).
  std::string contents() {
    stream_.flush();
    return file_.contents();
  }

 private:
  TempFile file_;
  OutputStream stream_;
};

}  // namespace tolvane
