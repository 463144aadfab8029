#pragma once
// Sequential text streams over platform file descriptors, read and written through
// large buffers: the geometry input, the deck, the reach files and the console.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string_view>

#include "text/field8.h"

namespace tolvane {

/// Longest file name a stream keeps for its messages, NUL included.
inline constexpr size_t STREAM_NAME_CAPACITY = 4096;

/// Copies a path into a stream's name, cut to fit.
void copyStreamName(const char* path, char (&name)[STREAM_NAME_CAPACITY]);

/// A text file read one line at a time into the 132-column line buffer.
class InputStream {
 public:
  InputStream();
  ~InputStream();
  InputStream(const InputStream&) = delete;
  InputStream& operator=(const InputStream&) = delete;

  /// Opens an existing regular file for reading; returns 0 or the error number.
  int open(const char* path);
  /// The path of the file last opened (empty for an adopted descriptor), for
  /// messages.
  const char* name() const { return name_; }
  /// Takes over an open descriptor (closed by close()).
  void adopt(int fd);
  /// True while a file is open.
  bool isOpen() const { return fd_ >= 0; }
  /// Reads the next line into `line`: a carriage return ending the line is
  /// dropped, the rest cut at column 132 and blank-padded. False at the end of
  /// the input or after a read error (see error()).
  bool readLine(LineBuffer& line);
  /// Goes back to the first line (of the range, when one is chosen); returns
  /// 0 or the error number.
  int rewind();
  /// From now on reads bytes `begin` to `end` (end excluded) of the file only,
  /// from the range's first line, as if they were the whole file (line numbers
  /// count from its start), until the file is closed or opened again.
  void readRange(int64_t begin, int64_t end);
  /// Closes the file; returns 0 or the error number.
  int close();
  /// The error number of a failed read, 0 if none.
  int error() const { return error_; }
  /// How many lines readLine() has returned since the file was opened or
  /// rewound: the number of the line last read.
  int64_t lineNumber() const { return lineNumber_; }

 private:
  bool fill();
  bool take(LineBuffer& line, const char* text, size_t length);

  int fd_ = -1;
  int error_ = 0;
  bool atEnd_ = false;
  int64_t lineNumber_ = 0;
  char name_[STREAM_NAME_CAPACITY] = {};
  std::unique_ptr<char[]> buffer_;
  size_t begin_ = 0;
  size_t end_ = 0;
  // The range chosen by readRange(), read at explicit positions; none while
  // rangeEnd_ is negative.
  int64_t rangeBegin_ = 0;
  int64_t rangeEnd_ = -1;
  int64_t position_ = 0;
};

/// Supplies the file of a stream held in memory once its buffer is full.
class SpillTarget {
 public:
  /// Opens the file the stream goes on in; returns 0 or the error number. The
  /// stream writes to `fd` but does not close it.
  virtual int openSpill(int& fd) = 0;

 protected:
  ~SpillTarget() = default;
};

/// A text file written through a large buffer; write failures are remembered
/// and reported by flush() and close().
class OutputStream {
 public:
  OutputStream();
  ~OutputStream();
  OutputStream(const OutputStream&) = delete;
  OutputStream& operator=(const OutputStream&) = delete;

  /// Creates or truncates a file for writing; returns 0 or the error number.
  int create(const char* path);
  /// Takes over a descriptor opened for writing on the file `path` (closed by
  /// close()).
  void adopt(int fd, const char* path);
  /// The path of the file last created or adopted, for messages.
  const char* name() const { return name_; }
  /// Writes to an open descriptor that the stream does not own (the console).
  void attach(int fd);
  /// Keeps what is written in the buffer, with no file, as long as it fits:
  /// flush() leaves it there. When the buffer is full, `target` supplies the
  /// descriptor the stream goes on in (not owned); a failure to get one is a
  /// write failure.
  void holdInMemory(SpillTarget& target);
  /// True while everything written is still held in memory.
  bool isHeld() const { return fd_ == kHeld; }
  /// What a stream held in memory holds.
  std::string_view held() const {
    return isHeld() ? std::string_view(buffer_.get(), used_) : std::string_view();
  }
  /// True while a file is open.
  bool isOpen() const { return fd_ >= 0; }
  /// Appends text.
  void write(std::string_view text) {
    if (text.empty()) return;  // an empty view may carry no pointer at all
    if (fd_ != kNone && text.size() <= kBufferSize - used_) {
      std::memcpy(buffer_.get() + used_, text.data(), text.size());
      used_ += text.size();
    } else {
      writeAcrossBuffer(text);
    }
  }
  /// Room for the next `size` characters (at most the buffer's 256 KiB),
  /// written in place and then kept with advance(); null while no file is open.
  char* reserve(size_t size) {
    if (fd_ == kNone) return nullptr;
    if (kBufferSize - used_ < size) drain();
    return buffer_.get() + used_;
  }
  /// Keeps the `size` characters written where reserve() pointed.
  void advance(size_t size) { used_ += size; }
  /// Where the next character goes, as long as the buffer is not written out.
  struct Mark {
    uint64_t drains = 0;
    size_t used = 0;
  };
  /// The place of the next character.
  Mark mark() const { return {drains_, used_}; }
  /// The text written since `from`, when the buffer still holds all of it;
  /// empty otherwise. Valid until the next write.
  std::string_view since(Mark from) const {
    if (fd_ < 0 || from.drains != drains_ || from.used > used_) return {};
    return {buffer_.get() + from.used, used_ - from.used};
  }
  /// Appends text and a line end.
  void writeLine(std::string_view text);
  /// Appends what descriptor `fd` holds from its position to its end, copied
  /// by the system where it can, else read straight into the buffer; returns
  /// 0 or the error number of a failed read (a failed write is remembered).
  int appendFile(int fd);
  /// Writes out the buffer; returns 0 or the error number of the first failure.
  int flush();
  /// Flushes and makes what was written durable (see platform::syncFile);
  /// returns 0 or the error number of the first failure.
  int sync();
  /// Flushes and closes (an attached descriptor is only flushed); returns 0 or
  /// the error number of the first failure.
  int close();
  /// The error number of the first failed write, 0 if none.
  int error() const { return error_; }

 private:
  static constexpr size_t kBufferSize = 1 << 18;
  static constexpr int kNone = -1;  // no file: writes are dropped
  static constexpr int kHeld = -2;  // held in memory, see holdInMemory()

  void drain();
  void writeAcrossBuffer(std::string_view text);

  int fd_ = kNone;
  SpillTarget* spill_ = nullptr;
  bool owned_ = false;
  int error_ = 0;
  char name_[STREAM_NAME_CAPACITY] = {};
  std::unique_ptr<char[]> buffer_;
  size_t used_ = 0;
  uint64_t drains_ = 0;  // times the buffer was emptied
};

}  // namespace tolvane
