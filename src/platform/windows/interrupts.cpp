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
// The thread that runs the conversion, held still while the cleanup works, as
// a POSIX signal handler holds it.
HANDLE gMainThread = nullptr;

/// Closes every file the program has open but the console's. Windows removes
/// an open file only once it is closed, and a directory only once it is
/// empty, so the reach file being written must be closed before the cleanup.
void closeOpenFiles() {
  // The handles are closed directly: the held thread may hold the C
  // library's locks, and the process ends right after.
  for (int fd = 3; fd < 2048; ++fd) {
    intptr_t h = _get_osfhandle(fd);
    if (h != -1 && h != -2) CloseHandle(reinterpret_cast<HANDLE>(h));
  }
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
  // The lock is kept and the conversion's thread held, so nothing changes
  // under the cleanup; the process then ends at once (no exit handlers, which
  // the held thread could block) with the status Windows gives a program
  // ended by Ctrl-C.
  gLock.lock();
  if (gMainThread) SuspendThread(gMainThread);
  closeOpenFiles();
  if (gCleanup) gCleanup();
  TerminateProcess(GetCurrentProcess(), STATUS_CONTROL_C_EXIT);
  return TRUE;
}

}  // namespace

InterruptBlock::InterruptBlock() { gLock.lock(); }

InterruptBlock::~InterruptBlock() { gLock.unlock(); }

// The console handler waits for the lock until the process ends.
void holdInterruptsUntilExit() { gLock.lock(); }

void installInterruptCleanup(InterruptCleanup cleanup) {
  gCleanup = cleanup;
  HANDLE process = GetCurrentProcess();
  if (!DuplicateHandle(process, GetCurrentThread(), process, &gMainThread, THREAD_SUSPEND_RESUME,
                       FALSE, 0))
    gMainThread = nullptr;
  SetConsoleCtrlHandler(onConsoleEvent, TRUE);
}

}  // namespace tolvane::platform
