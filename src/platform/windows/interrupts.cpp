#include "platform/interrupts.h"

#include <io.h>
#include <mutex>
#include <windows.h>

namespace tolvane::platform {

namespace {

// Windows runs the console handler on a thread of its own: the lock keeps it
// out while the program updates what the cleanup reads.
std::recursive_mutex gLock;
InterruptCleanup gCleanup = nullptr;

/// Closes every file the program has open but the console's. Windows removes
/// an open file only once it is closed, and a directory only once it is
/// empty, so the reach file being written must be closed before the cleanup.
void closeOpenFiles() {
  for (int fd = 3; fd < 2048; ++fd)
    if (_get_osfhandle(fd) != -1) _close(fd);
}

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
  // The lock is kept: the program stops at its next update, and the process
  // ends here with the status Windows gives a program ended by Ctrl-C.
  gLock.lock();
  closeOpenFiles();
  if (gCleanup) gCleanup();
  ExitProcess(STATUS_CONTROL_C_EXIT);
}

}  // namespace

InterruptBlock::InterruptBlock() { gLock.lock(); }

InterruptBlock::~InterruptBlock() { gLock.unlock(); }

void installInterruptCleanup(InterruptCleanup cleanup) {
  gCleanup = cleanup;
  SetConsoleCtrlHandler(onConsoleEvent, TRUE);
}

}  // namespace tolvane::platform
