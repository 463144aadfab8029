#include "attach/attachRoutines.h"

#include <algorithm>

#include "attach/messageLine.h"

namespace tolvane {

namespace {

/// Characters of an answer that are kept.
constexpr size_t kAnswerWidth = 30;
constexpr int32_t kFromUser = -1;

}  // namespace

bool ATTASK(ATTACH_LIBRARY& lib, std::string_view keyword, const NORMALISED_DEFAULT& normalised,
            bool noOpen, std::span<char> name, int32_t& status) {
  MessageLine question;
  question.add(noOpen ? " ENTER THE CHARACTER STRING FOR " : " ENTER THE FILENAME FOR ");
  question.add(keyword).add(" [").add(normalised.view()).add("] ");
  writeMessage(lib.messages, question.view());

  LineBuffer line;
  if (!readAnswer(lib, line)) return false;
  // Blanks around the answer are not part of it.
  std::string_view answer = trimmed(line.view());
  answer.remove_prefix(std::min(answer.find_first_not_of(' '), answer.size()));
  if (answer.empty()) return false;
  std::string_view word = answer.substr(0, std::min(answer.find(' '), answer.size()));
  if (word == trimmed(normalised.view())) return false;

  std::string_view value = answer.substr(0, std::min(answer.size(), kAnswerWidth));
  copyPadded(value, name);
  status = answer.size() > value.size() || value.size() > name.size() ? VALUE_TOO_LONG : kFromUser;
  return true;
}

}  // namespace tolvane
