#pragma once
// Files as the operating system gives them: descriptors opened, read,
// written, positioned, closed and removed. Every call returns 0 or the
// platform's error number (see errors.h); none translates line ends.

#include <cstddef>
#include <cstdint>

namespace tolvane::platform {

/// The descriptor of no file.
inline constexpr int NO_FILE = -1;

/// Opens an existing file for reading into `fd`; a directory is refused.
int openForReading(const char* path, int& fd);
/// Creates a file, or empties an existing one, for writing into `fd`.
int createForWriting(const char* path, int& fd);

/// How openAsAllowed treats the file.
struct UpdateMode {
  bool truncate = false;  ///< empty an existing file
  bool append = false;    ///< every write goes to the end of the file
};
/// Opens a file for reading and writing, creating it when missing, as far as
/// the file allows: one that may not be written is opened for reading only,
/// one that may not be read for writing only. A directory is refused.
int openAsAllowed(const char* path, const UpdateMode& mode, int& fd);

/// Reads at most `size` bytes; `got` is 0 at the end of the file.
int readSome(int fd, char* data, size_t size, size_t& got);
/// Writes all `size` bytes.
int writeAll(int fd, const char* data, size_t size);
/// Reads at most `size` bytes at byte `offset`; `got` is 0 past the end.
int readAt(int fd, char* data, size_t size, int64_t offset, size_t& got);
/// Writes all `size` bytes at byte `offset`.
int writeAllAt(int fd, const char* data, size_t size, int64_t offset);
/// Copies what `from` holds from its position to its end onto `to` at its
/// position, within the system, where the system can; `copied` is false when it
/// cannot (nothing was copied, and the caller copies through memory).
int copyWithinSystem(int from, int to, bool& copied);
/// Makes what was written to the file durable: on the device, not only in
/// the system's memory.
int syncFile(int fd);
/// Goes back to the first byte.
int rewindFile(int fd);
/// Closes the descriptor.
int closeFile(int fd);
/// Opens a second descriptor on the same file into `copy`.
int duplicateFile(int fd, int& copy);

/// Removes a file. Safe to call from an interrupt cleanup.
int removeFile(const char* path);
/// True when something of that name exists.
bool fileExists(const char* path);
/// True when both names lead to the same existing file.
bool sameFile(const char* first, const char* second);

}  // namespace tolvane::platform
