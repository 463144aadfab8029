#include "platform/files.h"

#include <fcntl.h>
#include <io.h>

#include "platform/errors.h"
#include "platform/interrupts.h"
#include "platform/windows/windowsText.h"

namespace tolvane::platform {

namespace {

// Other programs, and the program itself, may read, write and remove a file
// while it is open, as on POSIX systems.
constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
// ReadFile and WriteFile move at most this many bytes in one call.
constexpr size_t kLargestTransfer = 1u << 30;

/// Opens `path` with CreateFileW and wraps the handle in a descriptor; every
/// descriptor is binary: nothing is translated on reading or writing.
int openHandle(const char* path, DWORD access, DWORD disposition, int& fd) {
  fd = NO_FILE;
  // A handle becomes a descriptor in two steps; the interrupt cleanup, which
  // closes every descriptor before it removes the temporary files, must not
  // come between them, or a file it cannot close keeps its folder alive.
  InterruptBlock block;
  wchar_t wide[WIDE_PATH_LENGTH];
  if (!widePath(path, wide)) return NAME_TOO_LONG;
  HANDLE h = CreateFileW(wide, access, kShareAll, nullptr, disposition, FILE_ATTRIBUTE_NORMAL,
                         nullptr);
  if (h == INVALID_HANDLE_VALUE) return static_cast<int>(GetLastError());
  BY_HANDLE_FILE_INFORMATION info;
  if (GetFileInformationByHandle(h, &info) &&
      (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
    CloseHandle(h);
    return IS_DIRECTORY;
  }
  fd = _open_osfhandle(reinterpret_cast<intptr_t>(h), _O_BINARY);
  if (fd < 0) {
    CloseHandle(h);
    fd = NO_FILE;
    return TOO_MANY_FILES;
  }
  return 0;
}

bool isAccessDenied(int error) {
  return error == ERROR_ACCESS_DENIED || error == ERROR_WRITE_PROTECT ||
         error == ERROR_SHARING_VIOLATION;
}

/// Where a transfer starts: the file's own position, or `offset`.
OVERLAPPED* at(OVERLAPPED& where, int64_t offset) {
  if (offset < 0) return nullptr;
  ZeroMemory(&where, sizeof where);
  where.Offset = static_cast<DWORD>(static_cast<uint64_t>(offset) & 0xffffffffu);
  where.OffsetHigh = static_cast<DWORD>(static_cast<uint64_t>(offset) >> 32);
  return &where;
}

int readFrom(int fd, char* data, size_t size, int64_t offset, size_t& got) {
  got = 0;
  HANDLE h = handleOf(fd);
  if (h == INVALID_HANDLE_VALUE) return BAD_FILE;
  DWORD n = 0;
  OVERLAPPED where;
  DWORD want = static_cast<DWORD>(size < kLargestTransfer ? size : kLargestTransfer);
  if (!ReadFile(h, data, want, &n, at(where, offset))) {
    DWORD error = GetLastError();
    // The writer of a pipe has gone, or the read started past the end: the
    // end of the data, not a fault.
    if (error == ERROR_BROKEN_PIPE || error == ERROR_HANDLE_EOF) return 0;
    return static_cast<int>(error);
  }
  got = n;
  return 0;
}

int writeTo(int fd, const char* data, size_t size, int64_t offset) {
  HANDLE h = handleOf(fd);
  if (h == INVALID_HANDLE_VALUE) return BAD_FILE;
  size_t done = 0;
  while (done < size) {
    size_t left = size - done;
    DWORD n = 0;
    OVERLAPPED where;
    int64_t position = offset < 0 ? -1 : offset + static_cast<int64_t>(done);
    if (!WriteFile(h, data + done, static_cast<DWORD>(left < kLargestTransfer ? left : kLargestTransfer),
                   &n, at(where, position)))
      return static_cast<int>(GetLastError());
    if (n == 0) return INPUT_OUTPUT;
    done += n;
  }
  return 0;
}

/// Opens a handle on the file itself, for what it is rather than its data.
HANDLE openForInformation(const char* path) {
  wchar_t wide[WIDE_PATH_LENGTH];
  if (!widePath(path, wide)) return INVALID_HANDLE_VALUE;
  return CreateFileW(wide, 0, kShareAll, nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS,
                     nullptr);
}

bool identify(const char* path, BY_HANDLE_FILE_INFORMATION& info) {
  HANDLE h = openForInformation(path);
  if (h == INVALID_HANDLE_VALUE) return false;
  bool ok = GetFileInformationByHandle(h, &info) != 0;
  CloseHandle(h);
  return ok;
}

}  // namespace

bool widePath(const char* path, wchar_t (&wide)[WIDE_PATH_LENGTH]) {
  int n = MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, path, -1, wide, WIDE_PATH_LENGTH);
  return n > 0;
}

HANDLE handleOf(int fd) {
  if (fd < 0) return INVALID_HANDLE_VALUE;
  return reinterpret_cast<HANDLE>(_get_osfhandle(fd));
}

int openForReading(const char* path, int& fd) {
  return openHandle(path, GENERIC_READ, OPEN_EXISTING, fd);
}

int createForWriting(const char* path, int& fd) {
  return openHandle(path, GENERIC_WRITE, CREATE_ALWAYS, fd);
}

int openAsAllowed(const char* path, const UpdateMode& mode, int& fd) {
  // Appending: the handle may add data but not overwrite it, so every write
  // goes to the end of the file.
  DWORD write = mode.append ? FILE_APPEND_DATA | SYNCHRONIZE : GENERIC_WRITE;
  DWORD create = mode.truncate ? CREATE_ALWAYS : OPEN_ALWAYS;
  int first = openHandle(path, GENERIC_READ | write, create, fd);
  if (first == 0 || !isAccessDenied(first)) return first;
  if (openHandle(path, GENERIC_READ, OPEN_EXISTING, fd) == 0) return 0;
  if (openHandle(path, write, create, fd) == 0) return 0;
  return first;
}

int readSome(int fd, char* data, size_t size, size_t& got) {
  return readFrom(fd, data, size, -1, got);
}

int writeAll(int fd, const char* data, size_t size) { return writeTo(fd, data, size, -1); }

int readAt(int fd, char* data, size_t size, int64_t offset, size_t& got) {
  return readFrom(fd, data, size, offset, got);
}

int writeAllAt(int fd, const char* data, size_t size, int64_t offset) {
  return writeTo(fd, data, size, offset);
}

int copyWithinSystem(int, int, bool& copied) {
  copied = false;
  return 0;
}

int rewindFile(int fd) {
  HANDLE h = handleOf(fd);
  if (h == INVALID_HANDLE_VALUE) return BAD_FILE;
  LARGE_INTEGER start;
  start.QuadPart = 0;
  // A pipe or the console has no position to go back to.
  if (GetFileType(h) != FILE_TYPE_DISK) return ERROR_SEEK_ON_DEVICE;
  return SetFilePointerEx(h, start, nullptr, FILE_BEGIN) ? 0 : static_cast<int>(GetLastError());
}

int syncFile(int fd) {
  HANDLE h = handleOf(fd);
  if (h == INVALID_HANDLE_VALUE) return BAD_FILE;
  // The console or a pipe has nothing to make durable.
  if (GetFileType(h) != FILE_TYPE_DISK) return 0;
  return FlushFileBuffers(h) ? 0 : static_cast<int>(GetLastError());
}

int closeFile(int fd) {
  HANDLE h = handleOf(fd);
  if (h == INVALID_HANDLE_VALUE) return BAD_FILE;
  SetLastError(0);
  if (_close(fd) == 0) return 0;
  DWORD error = GetLastError();
  return error != 0 ? static_cast<int>(error) : INPUT_OUTPUT;
}

int duplicateFile(int fd, int& copy) {
  copy = NO_FILE;
  HANDLE h = handleOf(fd);
  if (h == INVALID_HANDLE_VALUE) return BAD_FILE;
  InterruptBlock block;  // as in openHandle
  HANDLE process = GetCurrentProcess();
  HANDLE twin = INVALID_HANDLE_VALUE;
  if (!DuplicateHandle(process, h, process, &twin, 0, FALSE, DUPLICATE_SAME_ACCESS))
    return static_cast<int>(GetLastError());
  copy = _open_osfhandle(reinterpret_cast<intptr_t>(twin), _O_BINARY);
  if (copy < 0) {
    CloseHandle(twin);
    copy = NO_FILE;
    return TOO_MANY_FILES;
  }
  return 0;
}

int removeFile(const char* path) {
  wchar_t wide[WIDE_PATH_LENGTH];
  if (!widePath(path, wide)) return NAME_TOO_LONG;
  return DeleteFileW(wide) ? 0 : static_cast<int>(GetLastError());
}

bool fileExists(const char* path) {
  wchar_t wide[WIDE_PATH_LENGTH];
  return widePath(path, wide) && GetFileAttributesW(wide) != INVALID_FILE_ATTRIBUTES;
}

bool sameFile(const char* first, const char* second) {
  // One file has one file index on one volume, whatever the names.
  BY_HANDLE_FILE_INFORMATION a, b;
  if (!identify(first, a) || !identify(second, b)) return false;
  return a.dwVolumeSerialNumber == b.dwVolumeSerialNumber &&
         a.nFileIndexHigh == b.nFileIndexHigh && a.nFileIndexLow == b.nFileIndexLow;
}

}  // namespace tolvane::platform
