// countAllocations: a preload library that counts the heap allocations of a
// program (every call of malloc, calloc and realloc, which operator new also
// goes through) and reports the count when the program ends.
//
//   LD_PRELOAD=/path/libcountAllocations.so program ...
//
// The count goes to standard error as "heap allocations: N", or, when the
// environment names a file in COUNT_ALLOCATIONS_FILE, into that file as the
// bare number. Nothing here allocates: the report is formatted by hand and
// written with write(2).

#include <dlfcn.h>
#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

using MallocFn = void* (*)(size_t);
using CallocFn = void* (*)(size_t, size_t);
using ReallocFn = void* (*)(void*, size_t);
using FreeFn = void (*)(void*);

MallocFn realMalloc = nullptr;
CallocFn realCalloc = nullptr;
ReallocFn realRealloc = nullptr;
FreeFn realFree = nullptr;

std::atomic<unsigned long long> allocations{0};

// dlsym may itself ask for memory (calloc) while the real functions are being
// looked up; those few requests are served from this block and never freed.
alignas(std::max_align_t) unsigned char bootstrap[4096];
size_t bootstrapUsed = 0;
bool resolving = false;

bool fromBootstrap(void* p) {
  auto* byte = static_cast<unsigned char*>(p);
  return byte >= bootstrap && byte < bootstrap + sizeof bootstrap;
}

void* bootstrapAllocate(size_t size) {
  size_t aligned = (size + alignof(std::max_align_t) - 1) / alignof(std::max_align_t) * alignof(std::max_align_t);
  if (bootstrapUsed + aligned > sizeof bootstrap) return nullptr;
  void* p = bootstrap + bootstrapUsed;
  bootstrapUsed += aligned;
  return p;  // static storage: already zero, as calloc promises
}

void resolve() {
  if (realMalloc != nullptr || resolving) return;
  resolving = true;
  realCalloc = reinterpret_cast<CallocFn>(dlsym(RTLD_NEXT, "calloc"));
  realRealloc = reinterpret_cast<ReallocFn>(dlsym(RTLD_NEXT, "realloc"));
  realFree = reinterpret_cast<FreeFn>(dlsym(RTLD_NEXT, "free"));
  realMalloc = reinterpret_cast<MallocFn>(dlsym(RTLD_NEXT, "malloc"));
  resolving = false;
}

/// Formats n in decimal into text (at least 21 characters); returns the length.
size_t formatCount(unsigned long long n, char* text) {
  char reversed[24];
  size_t length = 0;
  do {
    reversed[length++] = static_cast<char>('0' + n % 10);
    n /= 10;
  } while (n != 0);
  for (size_t i = 0; i < length; ++i) text[i] = reversed[length - 1 - i];
  return length;
}

void writeAll(int fd, const char* text, size_t length) {
  while (length > 0) {
    ssize_t written = ::write(fd, text, length);
    if (written <= 0) return;
    text += written;
    length -= static_cast<size_t>(written);
  }
}

__attribute__((destructor)) void reportCount() {
  char number[32];
  size_t length = formatCount(allocations.load(), number);
  number[length++] = '\n';
  const char* path = std::getenv("COUNT_ALLOCATIONS_FILE");
  if (path != nullptr && *path != '\0') {
    int fd = ::open(path, O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd >= 0) {
      writeAll(fd, number, length);
      ::close(fd);
      return;
    }
  }
  static const char label[] = "heap allocations: ";
  writeAll(2, label, sizeof label - 1);
  writeAll(2, number, length);
}

}  // namespace

extern "C" {

void* malloc(size_t size) noexcept {
  resolve();
  if (realMalloc == nullptr) return bootstrapAllocate(size);
  allocations.fetch_add(1, std::memory_order_relaxed);
  return realMalloc(size);
}

void* calloc(size_t count, size_t size) noexcept {
  resolve();
  if (realCalloc == nullptr) return bootstrapAllocate(count * size);
  allocations.fetch_add(1, std::memory_order_relaxed);
  return realCalloc(count, size);
}

void* realloc(void* p, size_t size) noexcept {
  resolve();
  if (realRealloc == nullptr) return nullptr;
  if (fromBootstrap(p)) {  // move a bootstrap block to the real heap
    void* moved = realMalloc(size);
    if (moved != nullptr) {
      auto* from = static_cast<unsigned char*>(p);
      auto* to = static_cast<unsigned char*>(moved);
      size_t available = static_cast<size_t>(bootstrap + sizeof bootstrap - from);
      for (size_t i = 0; i < size && i < available; ++i) to[i] = from[i];
    }
    allocations.fetch_add(1, std::memory_order_relaxed);
    return moved;
  }
  allocations.fetch_add(1, std::memory_order_relaxed);
  return realRealloc(p, size);
}

void free(void* p) noexcept {
  if (p == nullptr || fromBootstrap(p)) return;
  resolve();
  if (realFree != nullptr) realFree(p);
}

}  // extern "C"
