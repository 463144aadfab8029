#include "platform/interrupts.h"

#include <mutex>
#include <windows.h>

namespace tolvane::platform {

namespace {

// Windows runs the console handler on a thread of its own: the lock keeps it
// out while the program updates what the cleanup reads.
std::recursive_mutex gLock;
InterruptCleanup gCleanup = nullptr;

BOOL WINAPI onConsoleEvent(DWORD event) {
  switch (event) {
    case CTRL_C_EVENT:
    case CTRL_BREAK_EVENT:
    case CTRL_CLOSE_EVENT:
    case CTRL_LOGOFF_EVENT:
    case CTRL_SHUTDOWN_EVENT:
      break;
    default:
      return FALSE;
  }
  // The lock is kept: the program stops at its next update and the default
  // handler, called next, ends the process as the event would have.
  gLock.lock();
  if (gCleanup) gCleanup();
  gCleanup = nullptr;
  return FALSE;
}

}  // namespace

InterruptBlock::InterruptBlock() { gLock.lock(); }

InterruptBlock::~InterruptBlock() { gLock.unlock(); }

void installInterruptCleanup(InterruptCleanup cleanup) {
  gCleanup = cleanup;
  SetConsoleCtrlHandler(onConsoleEvent, TRUE);
}

}  // namespace tolvane::platform
