#include "platform/replacement.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/faults.h"
#include "platform/files.h"

namespace tolvane::platform {

namespace {

/// Symbolic links followed before giving up, as the kernel does.
constexpr int MAX_LINKS = 40;
/// Characters of the file's own name kept in the hidden name, which must stay
/// within the file system's limit for one name.
constexpr size_t MAX_NAME_IN_HIDDEN = 200;

/// Length of the folder part of path, its last "/" included (0 for none).
size_t folderLength(const char* path) {
  const char* slash = std::strrchr(path, '/');
  return slash ? static_cast<size_t>(slash - path) + 1 : 0;
}

}  // namespace

const int STANDARD_ERROR = STDERR_FILENO;

int resolveLinks(const char* path, std::span<char> target) {
  size_t n = std::strlen(path);
  if (n >= target.size()) return ENAMETOOLONG;
  char* out = target.data();
  std::memcpy(out, path, n + 1);
  for (int hops = 0;; ++hops) {
    struct stat st;
    if (int rc = faultAtCall()) return rc;
    if (::lstat(out, &st) != 0 || !S_ISLNK(st.st_mode)) return 0;
    if (hops == MAX_LINKS) return ELOOP;
    char link[4096];
    if (int rc = faultAtCall()) return rc;
    ssize_t got = ::readlink(out, link, sizeof link - 1);
    if (got < 0) return errno;
    size_t length = static_cast<size_t>(got);
    link[length] = '\0';
    // A relative link is relative to the folder of the link itself.
    size_t folder = link[0] == '/' ? 0 : folderLength(out);
    if (folder + length >= target.size()) return ENAMETOOLONG;
    std::memcpy(out + folder, link, length + 1);
  }
}

int fileKind(const char* path, FileKind& kind, unsigned& permissions) {
  struct stat st;
  permissions = 0;
  kind = FileKind::NONE;
  if (int rc = faultAtCall()) return rc;
  if (::stat(path, &st) != 0) {
    kind = FileKind::NONE;
    return errno == ENOENT ? 0 : errno;
  }
  kind = S_ISREG(st.st_mode) ? FileKind::REGULAR
         : S_ISDIR(st.st_mode) ? FileKind::DIRECTORY
                               : FileKind::OTHER;
  permissions = st.st_mode & 07777;
  return 0;
}

bool isStandardStream(const char* path) {
  struct stat file;
  if (faultAtCall()) return false;
  if (::stat(path, &file) != 0) return false;
  for (int fd : {STDOUT_FILENO, STDERR_FILENO}) {
    struct stat stream;
    if (::fstat(fd, &stream) == 0 && stream.st_dev == file.st_dev && stream.st_ino == file.st_ino)
      return true;
  }
  return false;
}

int testWritable(const char* path) {
  if (int rc = faultAtCall()) return rc;
  int fd = ::open(path, O_WRONLY | O_CLOEXEC);
  if (fd < 0) return errno;
  ::close(fd);
  return 0;
}

unsigned newFilePermissions() {
  mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

int createHiddenBeside(const char* target, unsigned permissions, std::span<char> path, int& fd,
                       int& permissionError) {
  fd = -1;
  permissionError = 0;
  size_t folder = folderLength(target);
  size_t name = std::strlen(target + folder);
  if (name > MAX_NAME_IN_HIDDEN) name = MAX_NAME_IN_HIDDEN;
  constexpr char kUnique[] = ".XXXXXX";
  if (folder + 1 + name + sizeof kUnique > path.size()) return ENAMETOOLONG;
  char* out = path.data();
  std::memcpy(out, target, folder);
  out[folder] = '.';
  std::memcpy(out + folder + 1, target + folder, name);
  std::memcpy(out + folder + 1 + name, kUnique, sizeof kUnique);
  int planned = faultAtCall();
  fd = planned ? -1 : ::mkostemp(out, O_CLOEXEC);
  if (fd < 0) {
    int error = planned ? planned : errno;
    out[0] = '\0';
    return error;
  }
  // Some file systems refuse permission bits: the file is then written with
  // the bits it was made with, and the caller says so.
  permissionError = faultAtCall();
  if (permissionError == 0 && ::fchmod(fd, static_cast<mode_t>(permissions)) != 0)
    permissionError = errno;
  return 0;
}

int replaceFile(const char* from, const char* to) {
  if (int rc = faultAtCall()) return rc;
  return std::rename(from, to) == 0 ? 0 : errno;
}

int keepUnderSecondName(const char* path, const char* second) {
  if (int rc = faultAtCall()) return rc;
  if (::link(path, second) == 0) return 0;
  // A file system without hard links: the file itself moves, and is moved back.
  if (int rc = faultAtCall()) return rc;
  return std::rename(path, second) == 0 ? 0 : errno;
}

int syncFolderOf(const char* path) {
  char folder[4096];
  size_t length = folderLength(path);
  if (length >= sizeof folder) return ENAMETOOLONG;
  if (length == 0) {
    folder[0] = '.';
    length = 1;
  } else {
    std::memcpy(folder, path, length);
  }
  folder[length] = '\0';
  if (int rc = faultAtCall()) return rc;
  int fd = ::open(folder, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return errno;
  int rc = syncFile(fd);
  ::close(fd);
  return rc;
}

}  // namespace tolvane::platform
