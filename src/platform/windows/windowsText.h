#pragma once
// Names as Windows wants them: the program's file names, in the system's
// code page as the command line gives them, turned into wide text.

#include <windows.h>

namespace tolvane::platform {

/// Longest path, in wide characters, that the program passes to Windows.
inline constexpr int WIDE_PATH_LENGTH = 4096;

/// Converts `path` into `wide`; false when it does not fit or is not text.
/// Uses no heap, so an interrupt cleanup may call it.
bool widePath(const char* path, wchar_t (&wide)[WIDE_PATH_LENGTH]);

/// The Windows handle behind a descriptor.
HANDLE handleOf(int fd);

}  // namespace tolvane::platform
