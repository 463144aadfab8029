#include "platform/replacement.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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
    if (::lstat(out, &st) != 0 || !S_ISLNK(st.st_mode)) return 0;
    if (hops == MAX_LINKS) return ELOOP;
    char link[4096];
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
  if (::stat(path, &file) != 0) return false;
  for (int fd : {STDOUT_FILENO, STDERR_FILENO}) {
    struct stat stream;
    if (::fstat(fd, &stream) == 0 && stream.st_dev == file.st_dev && stream.st_ino == file.st_ino)
      return true;
  }
  return false;
}

int testWritable(const char* path) {
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

int createHiddenBeside(const char* target, unsigned permissions, std::span<char> path, int& fd) {
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
  fd = ::mkstemp(out);
  if (fd < 0) {
    int error = errno;
    out[0] = '\0';
    return error;
  }
  ::fcntl(fd, F_SETFD, FD_CLOEXEC);
  ::fchmod(fd, static_cast<mode_t>(permissions));
  return 0;
}

int replaceFile(const char* from, const char* to) {
  return std::rename(from, to) == 0 ? 0 : errno;
}

}  // namespace tolvane::platform
