#include "deck/streams.h"

#include <cstring>

#include "platform/errors.h"
#include "platform/files.h"

namespace tolvane {

namespace {

constexpr size_t kInputBufferSize = 1 << 20;
/// Characters after the data read that a line's copy may read (and drop), kept
/// blank: every line is then copied into the line buffer in one fixed-length
/// pass.
constexpr size_t kInputSlack = LINE_WIDTH;

}  // namespace

void copyStreamName(const char* path, char (&name)[STREAM_NAME_CAPACITY]) {
  size_t n = std::strlen(path);
  if (n >= sizeof name) n = sizeof name - 1;
  std::memcpy(name, path, n);
  name[n] = '\0';
}

InputStream::InputStream() = default;
InputStream::~InputStream() { close(); }

int InputStream::open(const char* path) {
  close();
  int fd = platform::NO_FILE;
  if (int rc = platform::openForReading(path, fd); rc != 0) return rc;
  adopt(fd);
  copyStreamName(path, name_);
  return 0;
}

void InputStream::adopt(int fd) {
  close();
  name_[0] = '\0';
  if (!buffer_) buffer_.reset(new char[kInputBufferSize + kInputSlack]);
  fd_ = fd;
  error_ = 0;
  atEnd_ = false;
  lineNumber_ = 0;
  begin_ = end_ = 0;
  rangeEnd_ = -1;
}

bool InputStream::take(LineBuffer& line, const char* text, size_t length) {
  line.assignFromWide(text, length);
  ++lineNumber_;
  return true;
}

bool InputStream::fill() {
  if (atEnd_ || error_) return false;
  if (begin_ > 0) {
    std::memmove(buffer_.get(), buffer_.get() + begin_, end_ - begin_);
    end_ -= begin_;
    begin_ = 0;
  }
  if (end_ == kInputBufferSize) return false;
  size_t got = 0;
  size_t room = kInputBufferSize - end_;
  int rc = 0;
  if (rangeEnd_ < 0) {
    rc = platform::readSome(fd_, buffer_.get() + end_, room, got);
  } else if (position_ < rangeEnd_) {
    size_t left = static_cast<size_t>(rangeEnd_ - position_);
    rc = platform::readAt(fd_, buffer_.get() + end_, left < room ? left : room, position_, got);
    position_ += static_cast<int64_t>(got);
  }
  if (rc != 0) {
    error_ = rc;
    return false;
  }
  if (got == 0) {
    atEnd_ = true;
    return false;
  }
  end_ += got;
  std::memset(buffer_.get() + end_, ' ', kInputSlack);
  return true;
}

bool InputStream::readLine(LineBuffer& line) {
  if (fd_ < 0) return false;
  size_t scanned = begin_;
  for (;;) {
    const char* base = buffer_.get();
    const void* nl = std::memchr(base + scanned, '\n', end_ - scanned);
    if (nl) {
      size_t stop = static_cast<size_t>(static_cast<const char*>(nl) - base);
      size_t len = stop - begin_;
      if (len > 0 && base[begin_ + len - 1] == '\r') --len;
      const char* text = base + begin_;
      begin_ = stop + 1;
      return take(line, text, len);
    }
    // A line longer than the buffer: keep its first columns, skip the rest.
    if (begin_ == 0 && end_ == kInputBufferSize) {
      line.assign({base, LINE_WIDTH});
      ++lineNumber_;
      line.cut = true;
      for (;;) {
        begin_ = end_ = 0;
        if (!fill()) return !error_;
        const void* rest = std::memchr(buffer_.get(), '\n', end_);
        if (rest) {
          begin_ = static_cast<size_t>(static_cast<const char*>(rest) - buffer_.get()) + 1;
          return true;
        }
      }
    }
    scanned = end_ - begin_;
    if (!fill()) {
      if (error_) return false;
      if (begin_ == end_) return false;
      // The last line of a file without a final line end.
      size_t len = end_ - begin_;
      if (buffer_[begin_ + len - 1] == '\r') --len;
      const char* text = buffer_.get() + begin_;
      begin_ = end_;
      return take(line, text, len);
    }
    // fill() moved the unread bytes to the front of the buffer.
  }
}

void InputStream::readRange(int64_t begin, int64_t end) {
  rangeBegin_ = begin;
  rangeEnd_ = end < begin ? begin : end;
  rewind();
}

int InputStream::rewind() {
  if (fd_ < 0) return platform::BAD_FILE;
  if (rangeEnd_ >= 0) {
    position_ = rangeBegin_;
  } else if (int rc = platform::rewindFile(fd_); rc != 0) {
    return rc;
  }
  begin_ = end_ = 0;
  atEnd_ = false;
  error_ = 0;
  lineNumber_ = 0;
  return 0;
}

int InputStream::close() {
  if (fd_ < 0) return 0;
  int rc = platform::closeFile(fd_);
  fd_ = -1;
  begin_ = end_ = 0;
  rangeEnd_ = -1;
  return rc;
}

OutputStream::OutputStream() = default;
OutputStream::~OutputStream() { close(); }

int OutputStream::create(const char* path) {
  close();
  int fd = platform::NO_FILE;
  if (int rc = platform::createForWriting(path, fd); rc != 0) return rc;
  if (!buffer_) buffer_.reset(new char[kBufferSize]);
  fd_ = fd;
  owned_ = true;
  error_ = 0;
  used_ = 0;
  ++drains_;
  copyStreamName(path, name_);
  return 0;
}

void OutputStream::adopt(int fd, const char* path) {
  attach(fd);
  owned_ = true;
  copyStreamName(path, name_);
}

void OutputStream::attach(int fd) {
  close();
  if (!buffer_) buffer_.reset(new char[kBufferSize]);
  fd_ = fd;
  owned_ = false;
  error_ = 0;
  used_ = 0;
  ++drains_;
  name_[0] = '\0';
}

void OutputStream::holdInMemory(SpillTarget& target) {
  close();
  if (!buffer_) buffer_.reset(new char[kBufferSize]);
  fd_ = kHeld;
  spill_ = &target;
  owned_ = false;
  error_ = 0;
  used_ = 0;
  name_[0] = '\0';
}

void OutputStream::drain() {
  if (fd_ == kHeld) {
    int fd = kNone;
    int rc = spill_->openSpill(fd);
    if (rc == 0 && fd < 0) rc = platform::BAD_FILE;
    if (rc != 0) {
      // Nothing can be written any more: what follows is dropped, as after a
      // failed write.
      if (!error_) error_ = rc;
      fd_ = kNone;
      used_ = 0;
      return;
    }
    fd_ = fd;
  }
  if (!error_) error_ = platform::writeAll(fd_, buffer_.get(), used_);
  used_ = 0;
  ++drains_;
}

void OutputStream::writeAcrossBuffer(std::string_view text) {
  if (fd_ == kNone) return;
  while (!text.empty()) {
    if (used_ == kBufferSize) drain();
    size_t room = kBufferSize - used_;
    size_t n = text.size() < room ? text.size() : room;
    std::memcpy(buffer_.get() + used_, text.data(), n);
    used_ += n;
    text.remove_prefix(n);
  }
}

void OutputStream::writeLine(std::string_view text) {
  if (fd_ != kNone && used_ + text.size() < kBufferSize) {
    std::memcpy(buffer_.get() + used_, text.data(), text.size());
    used_ += text.size();
    buffer_[used_++] = '\n';
    return;
  }
  write(text);
  write("\n");
}

int OutputStream::appendFile(int fd) {
  if (fd_ == kHeld) drain();
  if (fd_ < 0) return 0;
  if (used_ > 0) drain();
  if (error_ == 0) {
    bool copied = false;
    int rc = platform::copyWithinSystem(fd, fd_, copied);
    if (rc != 0 && error_ == 0) error_ = rc;
    if (copied || rc != 0) return 0;
  }
  for (;;) {
    if (used_ == kBufferSize) drain();
    size_t got = 0;
    if (int rc = platform::readSome(fd, buffer_.get() + used_, kBufferSize - used_, got)) return rc;
    if (got == 0) return 0;
    used_ += got;
  }
}

int OutputStream::flush() {
  if (fd_ >= 0 && used_ > 0) drain();
  return error_;
}

int OutputStream::sync() {
  if (fd_ < 0) return error_;
  flush();
  if (!error_) error_ = platform::syncFile(fd_);
  return error_;
}

int OutputStream::close() {
  if (fd_ == kHeld) {
    fd_ = kNone;
    used_ = 0;
    return error_;
  }
  if (fd_ < 0) return 0;
  flush();
  if (owned_) {
    int rc = platform::closeFile(fd_);
    if (!error_) error_ = rc;
  }
  fd_ = -1;
  return error_;
}

}  // namespace tolvane
