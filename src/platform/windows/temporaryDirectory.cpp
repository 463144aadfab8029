#include "platform/temporaryDirectory.h"

#include <cstdint>
#include <cstring>
#include <fcntl.h>
#include <io.h>

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

int openScratchFile(std::string_view prefix, int& fd) {
  fd = -1;
  char base[MAX_PATH * 8];
  DWORD length = findTemporaryFolder(base, sizeof base);
  if (length == 0) return NAME_TOO_LONG;
  while (length > 1 && isSeparator(base[length - 1])) --length;
  char path[MAX_PATH * 8 + 64];
  if (length + 1 + prefix.size() + 6 + 1 > sizeof path) return NAME_TOO_LONG;
  std::memcpy(path, base, length);
  path[length] = PATH_SEPARATOR;
  std::memcpy(path + length + 1, prefix.data(), prefix.size());
  char* ending = path + length + 1 + prefix.size();
  ending[6] = '\0';
  wchar_t wide[WIDE_PATH_LENGTH];
  // Windows removes a file opened for deletion on close when its last handle
  // closes, at the latest when the process ends.
  DWORD error = ERROR_FILE_EXISTS;
  HANDLE h = INVALID_HANDLE_VALUE;
  for (unsigned attempt = 0; attempt < 100 && error == ERROR_FILE_EXISTS; ++attempt) {
    uniqueEnding(ending, attempt);
    if (!widePath(path, wide)) return NAME_TOO_LONG;
    h = CreateFileW(wide, GENERIC_READ | GENERIC_WRITE,
                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, CREATE_NEW,
                    FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    error = h == INVALID_HANDLE_VALUE ? GetLastError() : 0;
  }
  if (error != 0) return static_cast<int>(error);
  fd = _open_osfhandle(reinterpret_cast<intptr_t>(h), _O_BINARY);
  if (fd < 0) {
    CloseHandle(h);
    fd = -1;
    return TOO_MANY_FILES;
  }
  return 0;
}

int removeDirectory(const char* path) {
  wchar_t wide[WIDE_PATH_LENGTH];
  if (!widePath(path, wide)) return NAME_TOO_LONG;
  return RemoveDirectoryW(wide) ? 0 : static_cast<int>(GetLastError());
}

}  // namespace tolvane::platform
