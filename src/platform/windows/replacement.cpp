#include "platform/replacement.h"

#include <cstring>
#include <fcntl.h>
#include <io.h>

#include "platform/errors.h"
#include "platform/windows/windowsText.h"

namespace tolvane::platform {

namespace {

// Other programs may read the file, and the program may remove it, while it
// is open, as for every file the program opens.
constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
/// Characters of the file's own name kept in the hidden name.
constexpr size_t MAX_NAME_IN_HIDDEN = 200;
/// Attempts at a unique name before giving up.
constexpr unsigned MAX_ATTEMPTS = 100;

/// Length of the folder part of path, its last separator (or drive colon)
/// included; 0 for none.
size_t folderLength(const char* path) {
  size_t folder = 0;
  for (size_t i = 0; path[i] != '\0'; ++i)
    if (path[i] == '\\' || path[i] == '/' || path[i] == ':') folder = i + 1;
  return folder;
}

/// Writes eight hexadecimal digits that differ between processes and attempts.
void writeEnding(char* out, unsigned attempt) {
  static const char kDigits[] = "0123456789abcdef";
  DWORD value = GetCurrentProcessId() * 2654435761u + GetTickCount() + attempt * 40503u;
  for (int i = 7; i >= 0; --i, value >>= 4) out[i] = kDigits[value & 15];
}

bool isMissing(DWORD error) {
  return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

}  // namespace

const int STANDARD_ERROR = 2;

int resolveLinks(const char* path, std::span<char> target) {
  // The name is used as given: Windows follows a symbolic link when the file
  // is opened, and a replaced file takes the place of the name itself.
  size_t n = std::strlen(path);
  if (n >= target.size()) return NAME_TOO_LONG;
  std::memcpy(target.data(), path, n + 1);
  return 0;
}

int fileKind(const char* path, FileKind& kind, unsigned& permissions) {
  kind = FileKind::NONE;
  permissions = 0;
  wchar_t wide[WIDE_PATH_LENGTH];
  if (!widePath(path, wide)) return NAME_TOO_LONG;
  HANDLE h = CreateFileW(wide, 0, kShareAll, nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS,
                         nullptr);
  if (h == INVALID_HANDLE_VALUE) {
    DWORD error = GetLastError();
    return isMissing(error) ? 0 : static_cast<int>(error);
  }
  BY_HANDLE_FILE_INFORMATION info;
  bool known = GetFileInformationByHandle(h, &info) != 0;
  DWORD type = GetFileType(h);
  CloseHandle(h);
  if (type != FILE_TYPE_DISK) {
    kind = FileKind::OTHER;  // the console, NUL, a pipe
  } else if (known && (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
    kind = FileKind::DIRECTORY;
  } else {
    kind = FileKind::REGULAR;
    permissions = known && (info.dwFileAttributes & FILE_ATTRIBUTE_READONLY) ? 0444 : 0666;
  }
  return 0;
}

bool isStandardStream(const char* path) {
  wchar_t wide[WIDE_PATH_LENGTH];
  if (!widePath(path, wide)) return false;
  HANDLE h = CreateFileW(wide, 0, kShareAll, nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS,
                         nullptr);
  if (h == INVALID_HANDLE_VALUE) return false;
  BY_HANDLE_FILE_INFORMATION file;
  bool known = GetFileInformationByHandle(h, &file) != 0;
  CloseHandle(h);
  for (DWORD which : {STD_OUTPUT_HANDLE, STD_ERROR_HANDLE}) {
    BY_HANDLE_FILE_INFORMATION stream;
    if (known && GetFileInformationByHandle(GetStdHandle(which), &stream) &&
        stream.dwVolumeSerialNumber == file.dwVolumeSerialNumber &&
        stream.nFileIndexHigh == file.nFileIndexHigh && stream.nFileIndexLow == file.nFileIndexLow)
      return true;
  }
  return false;
}

int testWritable(const char* path) {
  wchar_t wide[WIDE_PATH_LENGTH];
  if (!widePath(path, wide)) return NAME_TOO_LONG;
  HANDLE h = CreateFileW(wide, GENERIC_WRITE, kShareAll, nullptr, OPEN_EXISTING,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) return static_cast<int>(GetLastError());
  CloseHandle(h);
  return 0;
}

unsigned newFilePermissions() { return 0666; }

int createHiddenBeside(const char* target, unsigned permissions, std::span<char> path, int& fd,
                       int& permissionError) {
  fd = -1;
  // The read-only attribute, all Windows keeps of the bits, is set on creation.
  permissionError = 0;
  size_t folder = folderLength(target);
  size_t name = std::strlen(target + folder);
  if (name > MAX_NAME_IN_HIDDEN) name = MAX_NAME_IN_HIDDEN;
  constexpr size_t kEnding = 8;
  // folder, ".", name, ".", ending, zero byte
  if (folder + 1 + name + 1 + kEnding + 1 > path.size()) return NAME_TOO_LONG;
  char* out = path.data();
  std::memcpy(out, target, folder);
  out[folder] = '.';
  std::memcpy(out + folder + 1, target + folder, name);
  char* ending = out + folder + 1 + name;
  ending[0] = '.';
  ending[1 + kEnding] = '\0';
  DWORD attributes = (permissions & 0200) ? FILE_ATTRIBUTE_NORMAL : FILE_ATTRIBUTE_READONLY;
  DWORD error = ERROR_FILE_EXISTS;
  HANDLE h = INVALID_HANDLE_VALUE;
  for (unsigned attempt = 0; attempt < MAX_ATTEMPTS && error == ERROR_FILE_EXISTS; ++attempt) {
    writeEnding(ending + 1, attempt);
    wchar_t wide[WIDE_PATH_LENGTH];
    if (!widePath(out, wide)) {
      error = static_cast<DWORD>(NAME_TOO_LONG);
      break;
    }
    h = CreateFileW(wide, GENERIC_WRITE, kShareAll, nullptr, CREATE_NEW, attributes, nullptr);
    error = h == INVALID_HANDLE_VALUE ? GetLastError() : 0;
  }
  if (error != 0) {
    out[0] = '\0';
    return static_cast<int>(error);
  }
  fd = _open_osfhandle(reinterpret_cast<intptr_t>(h), _O_BINARY);
  if (fd < 0) {
    CloseHandle(h);
    wchar_t wide[WIDE_PATH_LENGTH];
    if (widePath(out, wide)) DeleteFileW(wide);
    out[0] = '\0';
    fd = -1;
    return TOO_MANY_FILES;
  }
  return 0;
}

int replaceFile(const char* from, const char* to) {
  wchar_t wideFrom[WIDE_PATH_LENGTH], wideTo[WIDE_PATH_LENGTH];
  if (!widePath(from, wideFrom) || !widePath(to, wideTo)) return NAME_TOO_LONG;
  // Written through: the move is on the disk when the call returns.
  return MoveFileExW(wideFrom, wideTo, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)
             ? 0
             : static_cast<int>(GetLastError());
}

int keepUnderSecondName(const char* path, const char* second) {
  wchar_t wideFile[WIDE_PATH_LENGTH], wideSecond[WIDE_PATH_LENGTH];
  if (!widePath(path, wideFile) || !widePath(second, wideSecond)) return NAME_TOO_LONG;
  if (CreateHardLinkW(wideSecond, wideFile, nullptr)) return 0;
  // A volume without hard links (FAT): the file itself moves, and is moved back.
  return MoveFileExW(wideFile, wideSecond, MOVEFILE_WRITE_THROUGH)
             ? 0
             : static_cast<int>(GetLastError());
}

// Moves are written through (see replaceFile): nothing is left to sync.
int syncFolderOf(const char*) { return 0; }

}  // namespace tolvane::platform
