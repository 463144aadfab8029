#include "deck/streams.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tolvane {

namespace {

constexpr size_t kInputBufferSize = 1 << 20;
constexpr size_t kOutputBufferSize = 1 << 18;

}  // namespace

InputStream::InputStream() = default;
InputStream::~InputStream() { close(); }

int InputStream::open(const char* path) {
  close();
  int fd = ::open(path, O_RDONLY | O_CLOEXEC);
  if (fd < 0) return errno;
  struct stat st;
  if (fstat(fd, &st) == 0 && S_ISDIR(st.st_mode)) {
    ::close(fd);
    return EISDIR;
  }
  adopt(fd);
  return 0;
}

void InputStream::adopt(int fd) {
  close();
  if (!buffer_) buffer_.reset(new char[kInputBufferSize]);
  fd_ = fd;
  error_ = 0;
  atEnd_ = false;
  begin_ = end_ = 0;
}

bool InputStream::fill() {
  if (atEnd_ || error_) return false;
  if (begin_ > 0) {
    std::memmove(buffer_.get(), buffer_.get() + begin_, end_ - begin_);
    end_ -= begin_;
    begin_ = 0;
  }
  while (end_ < kInputBufferSize) {
    ssize_t got = ::read(fd_, buffer_.get() + end_, kInputBufferSize - end_);
    if (got > 0) {
      end_ += static_cast<size_t>(got);
      return true;
    }
    if (got == 0) {
      atEnd_ = true;
      return false;
    }
    if (errno == EINTR) continue;
    error_ = errno;
    return false;
  }
  return false;
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
      line.assign({base + begin_, len});
      begin_ = stop + 1;
      return true;
    }
    // A line longer than the buffer: keep its first columns, skip the rest.
    if (begin_ == 0 && end_ == kInputBufferSize) {
      line.assign({base, LINE_WIDTH});
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
      line.assign({buffer_.get() + begin_, len});
      begin_ = end_;
      return true;
    }
    // fill() moved the unread bytes to the front of the buffer.
  }
}

int InputStream::rewind() {
  if (fd_ < 0) return EBADF;
  if (::lseek(fd_, 0, SEEK_SET) < 0) return errno;
  begin_ = end_ = 0;
  atEnd_ = false;
  error_ = 0;
  return 0;
}

int InputStream::close() {
  if (fd_ < 0) return 0;
  int rc = ::close(fd_) == 0 ? 0 : errno;
  fd_ = -1;
  begin_ = end_ = 0;
  return rc;
}

OutputStream::OutputStream() = default;
OutputStream::~OutputStream() { close(); }

int OutputStream::create(const char* path) {
  close();
  int fd = ::open(path, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  if (fd < 0) return errno;
  if (!buffer_) buffer_.reset(new char[kOutputBufferSize]);
  fd_ = fd;
  owned_ = true;
  error_ = 0;
  used_ = 0;
  return 0;
}

void OutputStream::attach(int fd) {
  close();
  if (!buffer_) buffer_.reset(new char[kOutputBufferSize]);
  fd_ = fd;
  owned_ = false;
  error_ = 0;
  used_ = 0;
}

void OutputStream::drain() {
  size_t done = 0;
  while (done < used_ && !error_) {
    ssize_t put = ::write(fd_, buffer_.get() + done, used_ - done);
    if (put > 0) {
      done += static_cast<size_t>(put);
    } else if (put < 0 && errno == EINTR) {
      continue;
    } else {
      error_ = put < 0 ? errno : EIO;
    }
  }
  used_ = 0;
}

void OutputStream::write(std::string_view text) {
  if (fd_ < 0) return;
  while (!text.empty()) {
    if (used_ == kOutputBufferSize) drain();
    size_t room = kOutputBufferSize - used_;
    size_t n = text.size() < room ? text.size() : room;
    std::memcpy(buffer_.get() + used_, text.data(), n);
    used_ += n;
    text.remove_prefix(n);
  }
}

void OutputStream::writeLine(std::string_view text) {
  if (fd_ >= 0 && used_ + text.size() < kOutputBufferSize) {
    std::memcpy(buffer_.get() + used_, text.data(), text.size());
    used_ += text.size();
    buffer_[used_++] = '\n';
    return;
  }
  write(text);
  write("\n");
}

int OutputStream::flush() {
  if (fd_ >= 0 && used_ > 0) drain();
  return error_;
}

int OutputStream::close() {
  if (fd_ < 0) return 0;
  flush();
  if (owned_ && ::close(fd_) != 0 && !error_) error_ = errno;
  fd_ = -1;
  return error_;
}

}  // namespace tolvane
