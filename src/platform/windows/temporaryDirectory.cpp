#include "platform/temporaryDirectory.h"

#include <cstdint>
#include <cstring>

#include "platform/errors.h"
#include "platform/windows/windowsText.h"

namespace tolvane::platform {

const char PATH_SEPARATOR = '\\';

namespace {

/// The temporary folder: TEMP, else TMP, else the one Windows names. Returns
/// its length in `base` (0 when there is none or it does not fit).
DWORD findTemporaryFolder(char* base, DWORD size) {
  for (const char* name : {"TEMP", "TMP"}) {
    DWORD n = GetEnvironmentVariableA(name, base, size);
    if (n > 0 && n < size) return n;
    if (n >= size) return 0;
  }
  DWORD n = GetTempPathA(size, base);
  return n < size ? n : 0;
}

bool isSeparator(char c) { return c == '\\' || c == '/'; }

/// Six letters and digits that differ from call to call and from process to
/// process.
void uniqueEnding(char* out, unsigned attempt) {
  static const char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
  LARGE_INTEGER counter;
  QueryPerformanceCounter(&counter);
  uint64_t seed = static_cast<uint64_t>(counter.QuadPart) ^
                  (static_cast<uint64_t>(GetCurrentProcessId()) << 32) ^
                  (static_cast<uint64_t>(attempt) * 0x9e3779b97f4a7c15ull);
  for (int i = 0; i < 6; ++i) {
    seed = seed * 6364136223846793005ull + 1442695040888963407ull;
    out[i] = kLetters[(seed >> 33) % 36];
  }
}

}  // namespace

const char* const TEMPORARY_FOLDER_VARIABLE = "TEMP";

const char* temporaryFolder() {
  // Read afresh at every call: the environment may have changed.
  static char folder[MAX_PATH * 8];
  DWORD length = findTemporaryFolder(folder, sizeof folder);
  folder[length] = '\0';
  return folder;
}

int makePrivateDirectory(std::string_view prefix, std::span<char> path) {
  char base[MAX_PATH * 8];
  DWORD length = findTemporaryFolder(base, sizeof base);
  if (length == 0) return NAME_TOO_LONG;
  while (length > 1 && isSeparator(base[length - 1])) --length;
  constexpr size_t kUnique = 6;
  // base, separator, prefix, unique ending, zero byte
  size_t total = length + 1 + prefix.size() + kUnique + 1;
  if (total > path.size()) return NAME_TOO_LONG;
  char* out = path.data();
  std::memcpy(out, base, length);
  out[length] = PATH_SEPARATOR;
  std::memcpy(out + length + 1, prefix.data(), prefix.size());
  char* ending = out + length + 1 + prefix.size();
  ending[kUnique] = '\0';
  wchar_t wide[WIDE_PATH_LENGTH];
  int error = ERROR_ALREADY_EXISTS;
  // The folder belongs to the user (TEMP is the user's own), and a new
  // directory in it takes its access rights.
  for (unsigned attempt = 0; attempt < 100 && error == ERROR_ALREADY_EXISTS; ++attempt) {
    uniqueEnding(ending, attempt);
    if (!widePath(out, wide)) {
      error = NAME_TOO_LONG;
      break;
    }
    error = CreateDirectoryW(wide, nullptr) ? 0 : static_cast<int>(GetLastError());
  }
  if (error != 0) out[0] = '\0';
  return error;
}

int removeDirectory(const char* path) {
  wchar_t wide[WIDE_PATH_LENGTH];
  if (!widePath(path, wide)) return NAME_TOO_LONG;
  return RemoveDirectoryW(wide) ? 0 : static_cast<int>(GetLastError());
}

}  // namespace tolvane::platform
