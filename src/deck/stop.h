#pragma once
// How a run ends. A routine that stops the run records it here and returns
// false; every caller up to the conversion's entry point returns at once.

#include <string_view>

namespace tolvane {

/// The console line that closes every run.
inline constexpr std::string_view STOP_LINE = "Stop - Program terminated.";

/// The end of a run: whether it has stopped, its exit status and the last
/// console line it writes.
struct RunStop {
  bool stopped = false;
  int status = 0;
  std::string_view finalLine = STOP_LINE;
};

/// Records a stop with its exit status (1 for every error); returns false so
/// that callers can write `return stopRun(stop, 1);`.
inline bool stopRun(RunStop& stop, int status, std::string_view finalLine = STOP_LINE) {
  if (!stop.stopped) {
    stop.stopped = true;
    stop.status = status;
    stop.finalLine = finalLine;
  }
  return false;
}

}  // namespace tolvane
