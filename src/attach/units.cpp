#include "attach/units.h"

#include "platform/errors.h"
#include "platform/files.h"

namespace tolvane {

namespace {

constexpr int32_t kConsoleInput = 5;
constexpr int32_t kConsoleOutput = 6;

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
  if (!slot) return platform::TOO_MANY_FILES;
  int fd = platform::NO_FILE;
  if (int rc = platform::openAsAllowed(path, {mode.truncate, mode.append}, fd); rc != 0) {
    close(unit);
    return rc;
  }
  slot->fd = fd;
  slot->mode = mode;
  return 0;
}

int UnitTable::openConsole(int32_t unit) {
  UNIT_FILE* slot = slotFor(unit);
  if (!slot) return platform::TOO_MANY_FILES;
  slot->console = true;
  return 0;
}

int UnitTable::close(int32_t unit) {
  for (int i = 0; i < MAX_UNITS; ++i) {
    if (!used_[i] || units_[i].unit != unit) continue;
    used_[i] = false;
    int fd = units_[i].fd;
    units_[i] = UNIT_FILE{};
    return fd >= 0 ? platform::closeFile(fd) : 0;
  }
  return 0;
}

namespace {

/// Byte offset of a direct-access record, or -1 when there is no such record.
int64_t recordOffset(const UNIT_FILE& file, int32_t record) {
  if (!file.mode.direct || file.fd < 0 || file.mode.recordLength <= 0 || record < 1) return -1;
  return static_cast<int64_t>(record - 1) * file.mode.recordLength;
}

}  // namespace

int readRecord(const UNIT_FILE& file, int32_t record, std::span<char> data) {
  int64_t offset = recordOffset(file, record);
  if (offset < 0) return platform::INVALID_ARGUMENT;
  size_t want = data.size() < static_cast<size_t>(file.mode.recordLength)
                    ? data.size()
                    : static_cast<size_t>(file.mode.recordLength);
  size_t done = 0;
  while (done < want) {
    size_t got = 0;
    int rc = platform::readAt(file.fd, data.data() + done, want - done,
                              offset + static_cast<int64_t>(done), got);
    if (rc != 0) return rc;
    if (got == 0) return platform::INPUT_OUTPUT;
    done += got;
  }
  return 0;
}

int writeRecord(const UNIT_FILE& file, int32_t record, std::span<const char> data) {
  int64_t offset = recordOffset(file, record);
  if (offset < 0) return platform::INVALID_ARGUMENT;
  size_t length = static_cast<size_t>(file.mode.recordLength);
  if (data.size() > length) return platform::INVALID_ARGUMENT;
  char pad = file.mode.formatted ? ' ' : '\0';
  char chunk[512];
  size_t done = 0;
  while (done < length) {
    size_t n = length - done < sizeof chunk ? length - done : sizeof chunk;
    for (size_t i = 0; i < n; ++i)
      chunk[i] = done + i < data.size() ? data[done + i] : pad;
    int rc = platform::writeAllAt(file.fd, chunk, n, offset + static_cast<int64_t>(done));
    if (rc != 0) return rc;
    done += n;
  }
  return 0;
}

}  // namespace tolvane
