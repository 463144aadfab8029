#pragma once
// A scratch file for the parts of the report that can only come later: a
// temporary file, written now and copied into the report at the end.

#include "deck/streams.h"

namespace tolvane {

/// A file in a private temporary directory of its own. Where the system
/// allows it, file and directory are removed as soon as the file is open, so
/// that nothing is left behind whatever ends the run; otherwise they are
/// removed when the scratch file is destroyed.
class ScratchFile {
 public:
  ScratchFile() = default;
  ~ScratchFile();
  ScratchFile(const ScratchFile&) = delete;
  ScratchFile& operator=(const ScratchFile&) = delete;

  /// Makes the file in a private temporary directory or, when none can be
  /// made, beside `neighbour` under a hidden name; returns 0 or the error number.
  int create(const char* neighbour);
  /// Where the text goes.
  OutputStream& stream() { return stream_; }
  /// Appends everything written so far to `out`; returns 0 or the error number.
  int copyTo(OutputStream& out);

 private:
  void removeNames();
  int openAt(const char* path);

  int fd_ = -1;
  OutputStream stream_;
  char directory_[4096] = {};
  char path_[4160] = {};
};

}  // namespace tolvane
