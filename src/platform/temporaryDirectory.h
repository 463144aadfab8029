#pragma once
// The private temporary directory of a run.

#include <span>
#include <string_view>

namespace tolvane::platform {

/// Separates a directory from the name of a file in it.
extern const char PATH_SEPARATOR;

/// The environment variable that names the temporary folder.
extern const char* const TEMPORARY_FOLDER_VARIABLE;
/// The temporary folder: $TMPDIR, else /tmp (on Windows: TEMP, else TMP,
/// else the folder Windows names).
const char* temporaryFolder();
/// Creates a directory that only this user may enter, named `prefix` and a
/// unique ending, in the temporary folder ($TMPDIR, else /tmp), and writes its
/// path, ended by a zero byte, into `path`. Returns 0 or the error number
/// (NAME_TOO_LONG when the path would not fit).
int makePrivateDirectory(std::string_view prefix, std::span<char> path);
/// Creates a file that no other program sees, named from `prefix`, in the
/// temporary folder, open for reading and writing in `fd`. It goes when it is
/// closed, or when the process ends, however it ends.
int openScratchFile(std::string_view prefix, int& fd);
/// Removes an empty directory. Safe to call from an interrupt cleanup.
int removeDirectory(const char* path);

}  // namespace tolvane::platform
