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
const int NO_SPACE = ERROR_DISK_FULL;
const int NOT_FOUND = ERROR_FILE_NOT_FOUND;

namespace {

/// The words of the errors a modeller meets, as Windows says them in English,
/// so that messages read the same on every Windows and under Wine.
struct KnownError {
  int number;
  const char* text;
};
constexpr KnownError kKnownErrors[] = {
    {ERROR_FILE_NOT_FOUND, "The system cannot find the file specified"},
    {ERROR_PATH_NOT_FOUND, "The system cannot find the path specified"},
    {ERROR_TOO_MANY_OPEN_FILES, "The system cannot open the file"},
    {ERROR_ACCESS_DENIED, "Access is denied"},
    {ERROR_INVALID_HANDLE, "The handle is invalid"},
    {ERROR_WRITE_PROTECT, "The media is write protected"},
    {ERROR_SHARING_VIOLATION,
     "The process cannot access the file because it is being used by another process"},
    {ERROR_LOCK_VIOLATION,
     "The process cannot access the file because another process has locked a portion of the file"},
    {ERROR_HANDLE_EOF, "Reached the end of the file"},
    {ERROR_FILE_EXISTS, "The file exists"},
    {ERROR_INVALID_PARAMETER, "The parameter is incorrect"},
    {ERROR_BROKEN_PIPE, "The pipe has been ended"},
    {ERROR_DISK_FULL, "There is not enough space on the disk"},
    {ERROR_INVALID_NAME, "The filename, directory name, or volume label syntax is incorrect"},
    {ERROR_SEEK_ON_DEVICE, "The file pointer cannot be set on the specified device or file"},
    {ERROR_DIR_NOT_EMPTY, "The directory is not empty"},
    {ERROR_ALREADY_EXISTS, "Cannot create a file when that file already exists"},
    {ERROR_FILENAME_EXCED_RANGE, "The filename or extension is too long"},
    {ERROR_DIRECTORY, "The directory name is invalid"},
    {ERROR_NO_DATA, "The pipe is being closed"},
};

}  // namespace

std::string errorText(int error) {
  for (const KnownError& known : kKnownErrors)
    if (known.number == error) return known.text;
  char text[512];
  DWORD n = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                           static_cast<DWORD>(error), 0, text, sizeof text, nullptr);
  // The system's words end with a full stop and a line end that are no part
  // of the message.
  while (n > 0 && (text[n - 1] == '\n' || text[n - 1] == '\r' || text[n - 1] == ' ' ||
                   text[n - 1] == '.'))
    --n;
  if (n == 0) return "Unknown error " + std::to_string(error);
  return std::string(text, n);
}

}  // namespace tolvane::platform
