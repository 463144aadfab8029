#include "platform/faults.h"

#include <csignal>

#include "platform/errors.h"

namespace tolvane::platform {

namespace {

FaultPlan gPlan;
int64_t gCalls = 0;
bool gDiskFull = false;

/// The plan for this call, counting it.
Fault faultNow() {
  ++gCalls;
  if (gPlan.fault == Fault::NONE || gCalls != gPlan.call) return Fault::NONE;
  if (gPlan.fault == Fault::INTERRUPT) {
    // Delivered now, or where interrupts are held off, once they are let in.
    std::raise(SIGTERM);
    return Fault::NONE;
  }
  return gPlan.fault;
}

}  // namespace

void planFault(const FaultPlan& plan) {
  gPlan = plan;
  gCalls = 0;
  gDiskFull = false;
}

int64_t fileCallsMade() { return gCalls; }

int faultAtCall() {
  Fault fault = faultNow();
  if (fault == Fault::ERROR) return gPlan.error;
  return 0;
}

int faultAtWrite(int fd, size_t& size) {
  constexpr int kStandardStreams = 3;
  if (gDiskFull && fd >= kStandardStreams) {
    ++gCalls;
    return NO_SPACE;
  }
  switch (faultNow()) {
    case Fault::ERROR:
      return gPlan.error;
    case Fault::FULL_DISK:
      gDiskFull = true;
      [[fallthrough]];
    case Fault::SHORT_WRITE:
      if (size > 1) size /= 2;
      return 0;
    default:
      return 0;
  }
}

}  // namespace tolvane::platform
