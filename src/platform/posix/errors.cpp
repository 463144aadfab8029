#include "platform/errors.h"

#include <cerrno>
#include <cstring>

namespace tolvane::platform {

const int INVALID_ARGUMENT = EINVAL;
const int NAME_TOO_LONG = ENAMETOOLONG;
const int INPUT_OUTPUT = EIO;
const int TOO_MANY_FILES = EMFILE;
const int BAD_FILE = EBADF;
const int IS_DIRECTORY = EISDIR;
const int NO_SPACE = ENOSPC;
const int NOT_FOUND = ENOENT;

std::string errorText(int error) { return std::strerror(error); }

}  // namespace tolvane::platform
