#pragma once
// A way for tests to make the program's file calls fail. Every call to the
// file system goes through this folder; each is counted, and a test may plan
// for the Nth call to fail with an error of its choice, to move fewer bytes
// than asked (a short write), to fill the disk (a short write, then every
// later write to a file fails with "no space"; the standard streams, a
// terminal or a pipe, still take theirs), or to raise an interrupt just
// before it runs. Nothing is planned unless a test plans it.

#include <cstddef>
#include <cstdint>

namespace tolvane::platform {

/// What the planned call does.
enum class Fault { NONE, ERROR, SHORT_WRITE, FULL_DISK, INTERRUPT };

/// The fault a test plans: at the `call`th file call (from 1), `fault`.
struct FaultPlan {
  int64_t call = 0;
  Fault fault = Fault::NONE;
  int error = 0;  ///< the error number of Fault::ERROR
};

/// Plans one fault and starts counting file calls from 0.
void planFault(const FaultPlan& plan);
/// File calls made since the last planFault().
int64_t fileCallsMade();

/// Counts a file call: 0 when it is to run, else the error it fails with.
int faultAtCall();
/// Counts a write of `size` bytes to descriptor `fd`: 0 with the bytes it may
/// move in `size` (fewer when it is to be short), else the error it fails with.
int faultAtWrite(int fd, size_t& size);

}  // namespace tolvane::platform
