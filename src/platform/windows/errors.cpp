#include "platform/errors.h"

#include <windows.h>

namespace tolvane::platform {

const int INVALID_ARGUMENT = ERROR_INVALID_PARAMETER;
const int NAME_TOO_LONG = ERROR_FILENAME_EXCED_RANGE;
const int INPUT_OUTPUT = ERROR_HANDLE_EOF;
const int TOO_MANY_FILES = ERROR_TOO_MANY_OPEN_FILES;
const int BAD_FILE = ERROR_INVALID_HANDLE;
// Windows refuses to open a directory as a file with this number.
const int IS_DIRECTORY = ERROR_ACCESS_DENIED;

std::string errorText(int error) {
  char text[512];
  DWORD n = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                           static_cast<DWORD>(error), 0, text, sizeof text, nullptr);
  // The system's words end with a line end that is no part of the message.
  while (n > 0 && (text[n - 1] == '\n' || text[n - 1] == '\r' || text[n - 1] == ' ')) --n;
  if (n == 0) return "Unknown error " + std::to_string(error);
  return std::string(text, n);
}

}  // namespace tolvane::platform
