#include "platform/leftovers.h"

#include <cstring>

#include "platform/errors.h"
#include "platform/files.h"
#include "platform/interrupts.h"
#include "platform/temporaryDirectory.h"

namespace tolvane::platform {

namespace {

constexpr int kCapacity = 16;
constexpr int kPathCapacity = 4160;

struct Leftover {
  char path[kPathCapacity];
  bool folder;
};

// Written only while interrupts are held off; read by the cleanup.
Leftover gLeftovers[kCapacity];
volatile int gCount = 0;
int gUnnamed = 0;

/// Removes a leftover; one that is gone already counts as removed.
int removeOne(const Leftover& leftover) {
  int rc = leftover.folder ? removeDirectory(leftover.path) : removeFile(leftover.path);
  return rc == NOT_FOUND ? 0 : rc;
}

}  // namespace

void noteLeftover(const char* path, bool folder) {
  InterruptBlock block;
  size_t length = std::strlen(path);
  if (gCount == kCapacity || length >= kPathCapacity) {
    ++gUnnamed;
    return;
  }
  Leftover& leftover = gLeftovers[gCount];
  std::memcpy(leftover.path, path, length + 1);
  leftover.folder = folder;
  gCount = gCount + 1;
}

int retryLeftovers(LeftoverReport report, void* context) {
  InterruptBlock block;
  // Files first: a folder empties only once its files are gone.
  for (bool folders : {false, true}) {
    for (int i = 0; i < gCount; ++i) {
      const Leftover& leftover = gLeftovers[i];
      if (leftover.folder != folders) continue;
      if (int rc = removeOne(leftover); rc != 0) report(leftover.path, leftover.folder, rc, context);
    }
  }
  gCount = 0;
  int unnamed = gUnnamed;
  gUnnamed = 0;
  return unnamed;
}

void removeLeftoversOnInterrupt() {
  for (bool folders : {false, true})
    for (int i = 0; i < gCount; ++i)
      if (gLeftovers[i].folder == folders) removeOne(gLeftovers[i]);
  gCount = 0;
}

}  // namespace tolvane::platform
