#pragma once
// Replacing a file only once its successor is complete: the successor is
// written under a hidden name beside it and then put in its place.

#include <span>

namespace tolvane::platform {

/// The descriptor of standard error. Safe to write from an interrupt cleanup.
extern const int STANDARD_ERROR;

/// What a name leads to.
enum class FileKind { NONE, REGULAR, DIRECTORY, OTHER };

/// Follows symbolic links from `path` to the name they end at, which need not
/// exist, and writes it, ended by a zero byte, into `target`.
int resolveLinks(const char* path, std::span<char> target);
/// The kind of what `path` leads to (NONE when nothing of that name exists)
/// and, for a file, its permission bits.
int fileKind(const char* path, FileKind& kind, unsigned& permissions);
/// True when `path` names the file that standard output or standard error
/// writes to.
bool isStandardStream(const char* path);
/// Opens an existing file for writing, changing nothing, and closes it again:
/// 0 when it may be written, else the error of the open.
int testWritable(const char* path);
/// The permission bits a newly created file gets.
unsigned newFilePermissions();
/// Creates a new file of a unique hidden name beside `target` ("." + its name
/// + a unique ending) with the permission bits `permissions`, open for
/// writing in `fd`, and writes its path, ended by a zero byte, into `path`.
/// When the file is made but its bits cannot be set, returns 0 with the error
/// in `permissionError` (the file keeps the bits it was made with).
int createHiddenBeside(const char* target, unsigned permissions, std::span<char> path, int& fd,
                       int& permissionError);
/// Puts the file `from` in the place of `to`, replacing what is there.
int replaceFile(const char* from, const char* to);
/// Gives the file `path` the second name `second` (which must not exist) as
/// well, or, where the file system cannot, moves it there. Either way,
/// replaceFile(second, path) puts the very same file back.
int keepUnderSecondName(const char* path, const char* second);
/// Makes the names in the folder of `path` durable (renames included).
int syncFolderOf(const char* path);

}  // namespace tolvane::platform
