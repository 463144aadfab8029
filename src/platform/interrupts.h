#pragma once
// Cleaning up when the run is interrupted: Ctrl-C, a termination request or
// the loss of the terminal.

namespace tolvane::platform {

/// Work done on an interrupt before the process ends. It may call only the
/// platform functions marked safe for it, and must not allocate.
using InterruptCleanup = void (*)();

/// Has every interrupt run `cleanup` and then end the process as the
/// interrupt would have ended it; a write to a pipe whose reader has gone
/// becomes a write error instead of ending the process. Called once, by main.
void installInterruptCleanup(InterruptCleanup cleanup);

/// Holds interrupts off for the rest of the process: one that comes now is
/// never delivered, and the process ends by its own exit status. For the last
/// steps of a run, which must not be undone halfway.
void holdInterruptsUntilExit();

/// Holds interrupts off while it lives, so that the cleanup never sees state
/// half updated. Blocks may nest.
class InterruptBlock {
 public:
  InterruptBlock();
  ~InterruptBlock();
  InterruptBlock(const InterruptBlock&) = delete;
  InterruptBlock& operator=(const InterruptBlock&) = delete;

 private:
  alignas(16) unsigned char saved_[256];
};

}  // namespace tolvane::platform
