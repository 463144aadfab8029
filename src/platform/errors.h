#pragma once
// Error numbers as the platform numbers them, and their descriptions.

#include <string>

namespace tolvane::platform {

/// The error numbers of faults the program finds itself.
extern const int INVALID_ARGUMENT;  ///< a request that makes no sense (a deck over its input)
extern const int NAME_TOO_LONG;     ///< a path longer than the program can hold
extern const int INPUT_OUTPUT;      ///< data that is not there or could not be moved
extern const int TOO_MANY_FILES;    ///< no room for another open file
extern const int BAD_FILE;          ///< a descriptor that is not open
extern const int IS_DIRECTORY;      ///< a directory where a file was wanted
extern const int NO_SPACE;          ///< a device with no room left
extern const int NOT_FOUND;         ///< no file or folder of that name

/// The platform's words for an error number.
std::string errorText(int error);

}  // namespace tolvane::platform
