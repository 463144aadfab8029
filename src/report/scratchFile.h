#pragma once
// A scratch file for the parts of the report that can only come later: held
// in memory while it is small, else a temporary file, written now and copied
// into the report at the end.

#include "deck/streams.h"

namespace tolvane {

/// What is written is held in memory up to the stream's buffer size; only
/// beyond it does the scratch file exist: a file of the temporary folder, gone
/// once closed or when the process ends, whatever ends the run; without a
/// temporary folder, a hidden file beside the report, removed as soon as it is
/// open where the system allows it, otherwise when the scratch file is
/// destroyed.
class ScratchFile : private SpillTarget {
 public:
  ScratchFile() = default;
  ~ScratchFile();
  ScratchFile(const ScratchFile&) = delete;
  ScratchFile& operator=(const ScratchFile&) = delete;

  /// Starts the scratch text; its file, when one is needed, goes in the
  /// temporary folder or, when none can be made there, beside `neighbour`
  /// under a hidden name (a failure then is a write failure of the stream).
  /// Returns 0 or the error number.
  int create(const char* neighbour);
  /// Where the text goes.
  OutputStream& stream() { return stream_; }
  /// Appends everything written so far to `out`; returns 0 or the error number.
  int copyTo(OutputStream& out);

 private:
  int openSpill(int& fd) override;
  void removeNames();
  int openAt(const char* path);

  int fd_ = -1;
  OutputStream stream_;
  char neighbour_[4096] = {};
  char path_[4160] = {};
};

}  // namespace tolvane
