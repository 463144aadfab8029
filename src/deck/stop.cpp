#include "deck/stop.h"

#include <cstring>

namespace tolvane {

void explainStop(RunStop& stop, std::initializer_list<std::string_view> parts) {
  if (stop.explanationLength > 0) return;
  addToExplanation(stop, parts);
}

void addToExplanation(RunStop& stop, std::initializer_list<std::string_view> parts) {
  for (std::string_view part : parts) {
    size_t room = sizeof stop.explanation - stop.explanationLength;
    size_t n = part.size() < room ? part.size() : room;
    std::memcpy(stop.explanation + stop.explanationLength, part.data(), n);
    stop.explanationLength += n;
  }
}

}  // namespace tolvane
