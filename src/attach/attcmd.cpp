#include "attach/attachRoutines.h"

#include <algorithm>
#include <cstring>

#include "attach/messageLine.h"
#include "text/stringUtils.h"

namespace tolvane {

namespace {

/// Characters of a dropped argument shown in its report.
constexpr size_t kReportedLength = 80;

void reportDropped(std::string_view argument, OutputStream* messages) {
  MessageLine line;
  line.add(" COMMAND LINE TOO LONG, ARGUMENT IGNORED: ");
  line.add(argument.substr(0, std::min(argument.size(), kReportedLength)));
  writeMessage(messages, line.view());
}

}  // namespace

int32_t ATTCMD(std::span<const char* const> arguments, std::span<char> line, int32_t& length,
               OutputStream* messages) {
  std::fill(line.begin(), line.end(), ' ');
  const int width = static_cast<int>(line.size());
  int position = 1;
  int32_t dropped = 0;
  for (const char* argument : arguments) {
    std::string_view text = argument ? std::string_view(argument) : std::string_view();
    int n = 0;
    LAST_NONBLANK(text.substr(0, std::min(text.size(), static_cast<size_t>(width))), n);
    // An argument must end two columns or more before the end of the line.
    if (dropped > 0 || position + n + 1 > width) {
      ++dropped;
      reportDropped(text, messages);
      continue;
    }
    std::memcpy(line.data() + position - 1, text.data(), static_cast<size_t>(n));
    position += n + 1;
  }
  length = std::max(position - 2, 0);
  return dropped;
}

}  // namespace tolvane
