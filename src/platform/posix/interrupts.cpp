#include "platform/interrupts.h"

#include <cerrno>
#include <csignal>
#include <cstring>

namespace tolvane::platform {

namespace {

constexpr int kInterrupts[] = {SIGINT, SIGTERM, SIGHUP};

static_assert(sizeof(sigset_t) <= sizeof(unsigned char[256]));

InterruptCleanup gCleanup = nullptr;

void onInterrupt(int signal) {
  int saved = errno;
  if (gCleanup) gCleanup();
  errno = saved;
  // The handler was reset to the default action on entry: the signal, pending
  // until the handler returns, now ends the process as it would have.
  raise(signal);
}

void fillInterrupts(sigset_t& set) {
  sigemptyset(&set);
  for (int s : kInterrupts) sigaddset(&set, s);
}

}  // namespace

InterruptBlock::InterruptBlock() {
  sigset_t set;
  fillInterrupts(set);
  sigprocmask(SIG_BLOCK, &set, reinterpret_cast<sigset_t*>(saved_));
}

InterruptBlock::~InterruptBlock() {
  sigprocmask(SIG_SETMASK, reinterpret_cast<const sigset_t*>(saved_), nullptr);
}

void holdInterruptsUntilExit() {
  sigset_t set;
  fillInterrupts(set);
  sigprocmask(SIG_BLOCK, &set, nullptr);
}

void installInterruptCleanup(InterruptCleanup cleanup) {
  gCleanup = cleanup;
  // A deck or console whose reader has gone is a write error that the run
  // reports and cleans up after like any other, not a silent end by SIGPIPE.
  std::signal(SIGPIPE, SIG_IGN);
  for (int s : kInterrupts) {
    struct sigaction old;
    // An interrupt ignored by whoever started the program stays ignored.
    if (sigaction(s, nullptr, &old) == 0 && old.sa_handler == SIG_IGN) continue;
    struct sigaction action;
    std::memset(&action, 0, sizeof action);
    action.sa_handler = onInterrupt;
    fillInterrupts(action.sa_mask);
    action.sa_flags = SA_RESETHAND;
    sigaction(s, &action, nullptr);
  }
}

}  // namespace tolvane::platform
