#include "heap_meter.h"

#include <malloc.h>

#include <cstdlib>
#include <new>

namespace tonquil::bench {
namespace {

// Single-threaded programs only: the counts are plain integers.
std::size_t live_bytes = 0;
std::size_t peak_bytes = 0;

void* Take(std::size_t size) {
  void* block = std::malloc(size == 0 ? 1 : size);
  if (block == nullptr) return nullptr;
  live_bytes += ::malloc_usable_size(block);
  if (live_bytes > peak_bytes) peak_bytes = live_bytes;
  return block;
}

void Give(void* block) noexcept {
  if (block == nullptr) return;
  live_bytes -= ::malloc_usable_size(block);
  std::free(block);
}

void* TakeOrThrow(std::size_t size) {
  void* block = Take(size);
  if (block == nullptr) throw std::bad_alloc();
  return block;
}

}  // namespace

std::size_t HeapLiveBytes() { return live_bytes; }
std::size_t HeapPeakBytes() { return peak_bytes; }
void ResetHeapPeak() { peak_bytes = live_bytes; }

}  // namespace tonquil::bench

void* operator new(std::size_t size) { return tonquil::bench::TakeOrThrow(size); }
void* operator new[](std::size_t size) { return tonquil::bench::TakeOrThrow(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept { return tonquil::bench::Take(size); }
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept { return tonquil::bench::Take(size); }
void operator delete(void* block) noexcept { tonquil::bench::Give(block); }
void operator delete[](void* block) noexcept { tonquil::bench::Give(block); }
void operator delete(void* block, std::size_t) noexcept { tonquil::bench::Give(block); }
void operator delete[](void* block, std::size_t) noexcept { tonquil::bench::Give(block); }
