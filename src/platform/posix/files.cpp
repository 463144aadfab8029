#include "platform/files.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#if defined(__linux__)
#include <sys/sendfile.h>
#endif

#include "platform/faults.h"

namespace tolvane::platform {

namespace {

/// Refuses a descriptor that turned out to be a directory.
int refuseDirectory(int& fd) {
  struct stat st;
  if (int rc = faultAtCall()) {
    ::close(fd);
    fd = NO_FILE;
    return rc;
  }
  if (fstat(fd, &st) == 0 && S_ISDIR(st.st_mode)) {
    ::close(fd);
    fd = NO_FILE;
    return EISDIR;
  }
  return 0;
}

/// Runs one read, again when a signal interrupted it.
template <typename Read>
int readRetrying(size_t& got, Read read) {
  for (;;) {
    if (int rc = faultAtCall()) {
      got = 0;
      return rc;
    }
    ssize_t n = read();
    if (n >= 0) {
      got = static_cast<size_t>(n);
      return 0;
    }
    if (errno != EINTR) {
      got = 0;
      return errno;
    }
  }
}

/// Writes to `fd` until every byte is out; a write that moves nothing is an
/// error.
template <typename Write>
int writeRetrying(int fd, const char* data, size_t size, Write write) {
  size_t done = 0;
  while (done < size) {
    size_t allowed = size - done;
    if (int rc = faultAtWrite(fd, allowed)) return rc;
    ssize_t put = write(data + done, allowed, done);
    if (put > 0) {
      done += static_cast<size_t>(put);
    } else if (put < 0 && errno == EINTR) {
      continue;
    } else {
      return put < 0 ? errno : EIO;
    }
  }
  return 0;
}

}  // namespace

int openForReading(const char* path, int& fd) {
  fd = NO_FILE;
  if (int rc = faultAtCall()) return rc;
  fd = ::open(path, O_RDONLY | O_CLOEXEC);
  if (fd < 0) return errno;
  return refuseDirectory(fd);
}

int createForWriting(const char* path, int& fd) {
  fd = NO_FILE;
  if (int rc = faultAtCall()) return rc;
  fd = ::open(path, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  return fd < 0 ? errno : 0;
}

int openAsAllowed(const char* path, const UpdateMode& mode, int& fd) {
  int common = O_CLOEXEC | (mode.append ? O_APPEND : 0);
  int create = O_CREAT | (mode.truncate ? O_TRUNC : 0);
  fd = NO_FILE;
  if (int rc = faultAtCall()) return rc;
  fd = ::open(path, O_RDWR | create | common, 0666);
  if (fd < 0 && (errno == EACCES || errno == EROFS || errno == EPERM)) {
    int first = errno;
    fd = ::open(path, O_RDONLY | common);
    if (fd < 0) fd = ::open(path, O_WRONLY | create | common, 0666);
    if (fd < 0) errno = first;
  }
  if (fd < 0) return errno;
  return refuseDirectory(fd);
}

int readSome(int fd, char* data, size_t size, size_t& got) {
  return readRetrying(got, [&] { return ::read(fd, data, size); });
}

int writeAll(int fd, const char* data, size_t size) {
  return writeRetrying(fd, data, size, [&](const char* rest, size_t left, size_t) {
    return ::write(fd, rest, left);
  });
}

int readAt(int fd, char* data, size_t size, int64_t offset, size_t& got) {
  return readRetrying(got, [&] { return ::pread(fd, data, size, static_cast<off_t>(offset)); });
}

int writeAllAt(int fd, const char* data, size_t size, int64_t offset) {
  return writeRetrying(fd, data, size, [&](const char* rest, size_t left, size_t done) {
    return ::pwrite(fd, rest, left, static_cast<off_t>(offset + static_cast<int64_t>(done)));
  });
}

int copyWithinSystem(int from, int to, bool& copied) {
  copied = false;
#if defined(__linux__)
  // The kernel moves the pages itself: no copy through this process.
  for (;;) {
    size_t allowed = size_t{1} << 30;
    if (int rc = faultAtWrite(to, allowed)) return rc;
    ssize_t n = ::sendfile(to, from, nullptr, allowed);
    if (n > 0) {
      copied = true;
    } else if (n == 0) {
      copied = true;
      return 0;
    } else if (errno != EINTR) {
      bool unsupported = errno == EINVAL || errno == ENOSYS || errno == EOPNOTSUPP;
      return !copied && unsupported ? 0 : errno;
    }
  }
#else
  (void)from;
  (void)to;
  return 0;
#endif
}

int rewindFile(int fd) {
  if (int rc = faultAtCall()) return rc;
  return ::lseek(fd, 0, SEEK_SET) < 0 ? errno : 0;
}

int syncFile(int fd) {
  if (int rc = faultAtCall()) return rc;
  if (::fsync(fd) == 0) return 0;
  // A file that cannot be synced (a special file) has nothing to make durable.
  return errno == EINVAL || errno == ENOTSUP ? 0 : errno;
}

int closeFile(int fd) {
  // A failed close has closed the descriptor all the same.
  int planned = faultAtCall();
  int rc = ::close(fd) == 0 ? 0 : errno;
  return planned ? planned : rc;
}

int duplicateFile(int fd, int& copy) {
  copy = NO_FILE;
  if (int rc = faultAtCall()) return rc;
  copy = ::fcntl(fd, F_DUPFD_CLOEXEC, 0);
  return copy < 0 ? errno : 0;
}

int removeFile(const char* path) {
  if (int rc = faultAtCall()) return rc;
  return ::unlink(path) == 0 ? 0 : errno;
}

bool fileExists(const char* path) {
  struct stat st;
  if (faultAtCall()) return false;
  return ::stat(path, &st) == 0;
}

bool sameFile(const char* first, const char* second) {
  struct stat a, b;
  if (faultAtCall()) return false;
  if (::stat(first, &a) != 0 || ::stat(second, &b) != 0) return false;
  return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

}  // namespace tolvane::platform
