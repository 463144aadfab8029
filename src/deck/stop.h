#pragma once
// How a run ends. A routine that stops the run records it here and returns
// false; every caller up to the conversion's entry point returns at once.

#include <cstddef>
#include <initializer_list>
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
  /// Why the run stopped, in plain words, for standard error (see explainStop).
  char explanation[1024] = {};
  size_t explanationLength = 0;
};

/// Records why the run stopped, as the parts joined; only the first
/// explanation of a run is kept (later ones describe consequences). Parts that
/// do not fit are cut.
void explainStop(RunStop& stop, std::initializer_list<std::string_view> parts);

/// Adds the parts to the end of the explanation recorded so far.
void addToExplanation(RunStop& stop, std::initializer_list<std::string_view> parts);

/// The explanation, or empty.
inline std::string_view explanationOf(const RunStop& stop) {
  return {stop.explanation, stop.explanationLength};
}

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
