#include "attach/units.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tolvane {

namespace {

constexpr int32_t kConsoleInput = 5;
constexpr int32_t kConsoleOutput = 6;

/// Opens a unit's file read and write, as the file allows: a file that may
/// not be written is opened for reading only, one that may not be read for
/// writing only. Returns the descriptor or -errno.
int openFile(const char* path, const UNIT_OPEN_MODE& mode) {
  int common = O_CLOEXEC | (mode.append ? O_APPEND : 0);
  int create = O_CREAT | (mode.truncate ? O_TRUNC : 0);
  int fd = ::open(path, O_RDWR | create | common, 0666);
  if (fd < 0 && (errno == EACCES || errno == EROFS || errno == EPERM)) {
    int first = errno;
    fd = ::open(path, O_RDONLY | common);
    if (fd < 0) fd = ::open(path, O_WRONLY | create | common, 0666);
    if (fd < 0) errno = first;
  }
  if (fd < 0) return -errno;
  struct stat st;
  if (fstat(fd, &st) == 0 && S_ISDIR(st.st_mode)) {
    ::close(fd);
    return -EISDIR;
  }
  return fd;
}

}  // namespace

UnitTable::UnitTable() {
  openConsole(kConsoleInput);
  openConsole(kConsoleOutput);
}

UnitTable::~UnitTable() {
  for (int i = 0; i < MAX_UNITS; ++i)
    if (used_[i]) close(units_[i].unit);
}

const UNIT_FILE* UnitTable::find(int32_t unit) const {
  for (int i = 0; i < MAX_UNITS; ++i)
    if (used_[i] && units_[i].unit == unit) return &units_[i];
  return nullptr;
}

UNIT_FILE* UnitTable::slotFor(int32_t unit) {
  close(unit);
  for (int i = 0; i < MAX_UNITS; ++i) {
    if (!used_[i]) {
      used_[i] = true;
      units_[i] = UNIT_FILE{};
      units_[i].unit = unit;
      return &units_[i];
    }
  }
  return nullptr;
}

int UnitTable::open(int32_t unit, const char* path, const UNIT_OPEN_MODE& mode) {
  UNIT_FILE* slot = slotFor(unit);
  if (!slot) return EMFILE;
  int fd = openFile(path, mode);
  if (fd < 0) {
    close(unit);
    return -fd;
  }
  slot->fd = fd;
  slot->mode = mode;
  return 0;
}

int UnitTable::openConsole(int32_t unit) {
  UNIT_FILE* slot = slotFor(unit);
  if (!slot) return EMFILE;
  slot->console = true;
  return 0;
}

int UnitTable::close(int32_t unit) {
  for (int i = 0; i < MAX_UNITS; ++i) {
    if (!used_[i] || units_[i].unit != unit) continue;
    used_[i] = false;
    int fd = units_[i].fd;
    units_[i] = UNIT_FILE{};
    return fd >= 0 && ::close(fd) != 0 ? errno : 0;
  }
  return 0;
}

namespace {

/// Byte offset of a direct-access record, or -1 when there is no such record.
off_t recordOffset(const UNIT_FILE& file, int32_t record) {
  if (!file.mode.direct || file.fd < 0 || file.mode.recordLength <= 0 || record < 1) return -1;
  return static_cast<off_t>(record - 1) * file.mode.recordLength;
}

}  // namespace

int readRecord(const UNIT_FILE& file, int32_t record, std::span<char> data) {
  off_t offset = recordOffset(file, record);
  if (offset < 0) return EINVAL;
  size_t want = data.size() < static_cast<size_t>(file.mode.recordLength)
                    ? data.size()
                    : static_cast<size_t>(file.mode.recordLength);
  size_t done = 0;
  while (done < want) {
    ssize_t got = ::pread(file.fd, data.data() + done, want - done,
                          offset + static_cast<off_t>(done));
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return errno;
    if (got == 0) return EIO;
    done += static_cast<size_t>(got);
  }
  return 0;
}

int writeRecord(const UNIT_FILE& file, int32_t record, std::span<const char> data) {
  off_t offset = recordOffset(file, record);
  if (offset < 0) return EINVAL;
  size_t length = static_cast<size_t>(file.mode.recordLength);
  if (data.size() > length) return EINVAL;
  char pad = file.mode.formatted ? ' ' : '\0';
  char chunk[512];
  size_t done = 0;
  while (done < length) {
    size_t n = length - done < sizeof chunk ? length - done : sizeof chunk;
    for (size_t i = 0; i < n; ++i)
      chunk[i] = done + i < data.size() ? data[done + i] : pad;
    ssize_t put = ::pwrite(file.fd, chunk, n, offset + static_cast<off_t>(done));
    if (put < 0 && errno == EINTR) continue;
    if (put <= 0) return put < 0 ? errno : EIO;
    done += static_cast<size_t>(put);
  }
  return 0;
}

}  // namespace tolvane
