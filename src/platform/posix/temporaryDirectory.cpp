#include "platform/temporaryDirectory.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

#include "platform/errors.h"
#include "platform/faults.h"
#include "platform/files.h"
#include "platform/interrupts.h"
#include "platform/leftovers.h"

namespace tolvane::platform {

const char PATH_SEPARATOR = '/';

const char* const TEMPORARY_FOLDER_VARIABLE = "TMPDIR";

const char* temporaryFolder() {
  const char* base = std::getenv("TMPDIR");
  return base == nullptr || *base == '\0' ? "/tmp" : base;
}

int makePrivateDirectory(std::string_view prefix, std::span<char> path) {
  const char* base = temporaryFolder();
  size_t length = std::strlen(base);
  while (length > 1 && base[length - 1] == '/') --length;
  constexpr std::string_view kUnique = "XXXXXX";
  // base, separator, prefix, unique ending, zero byte
  if (length + 1 + prefix.size() + kUnique.size() + 1 > path.size()) return NAME_TOO_LONG;
  char* out = path.data();
  std::memcpy(out, base, length);
  out[length] = PATH_SEPARATOR;
  std::memcpy(out + length + 1, prefix.data(), prefix.size());
  std::memcpy(out + length + 1 + prefix.size(), kUnique.data(), kUnique.size());
  out[length + 1 + prefix.size() + kUnique.size()] = '\0';
  int planned = faultAtCall();
  if (planned || mkdtemp(out) == nullptr) {
    int error = planned ? planned : errno;
    out[0] = '\0';
    return error;
  }
  return 0;
}

int openScratchFile(std::string_view prefix, int& fd) {
  fd = -1;
  char directory[4096];
  // Held off from the folder's making to its removal: an interrupt never
  // finds it half made or half removed, and whatever could not be removed is
  // left to the end of the run and to the interrupt cleanup.
  InterruptBlock block;
  if (int rc = makePrivateDirectory(prefix, directory); rc != 0) return rc;
  // The file's name and its directory go as soon as it is open.
  char path[sizeof directory + 8];
  size_t length = std::strlen(directory);
  std::memcpy(path, directory, length);
  std::memcpy(path + length, "/part", 6);
  int error = faultAtCall();
  if (error == 0) {
    fd = ::open(path, O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0) error = errno;
  }
  if (fd >= 0 && removeFile(path) != 0) noteLeftover(path, false);
  if (removeDirectory(directory) != 0) noteLeftover(directory, true);
  return error;
}

int removeDirectory(const char* path) {
  if (int rc = faultAtCall()) return rc;
  return ::rmdir(path) == 0 ? 0 : errno;
}

}  // namespace tolvane::platform
