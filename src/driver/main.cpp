// tolvane: converts a BEK geometry file into a MAVO cross-section deck.

#include "driver/tolvane.h"
#include "network/reachFiles.h"

int main(int argc, char** argv) {
  tolvane::installReachCleanupOnSignals();
  return tolvane::runTolvane({argv + 1, static_cast<size_t>(argc > 0 ? argc - 1 : 0)}, 1, 0, 2);
}
