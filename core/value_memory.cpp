#include "core/value_memory.hpp"

#include <cstdio>
#include <cstdlib>
#include <new>

namespace strcrypt {
namespace {

void* AllocateFromHeap(std::size_t bytes) { return std::malloc(bytes); }

[[noreturn]] void AbortOnOutOfMemory(std::int64_t requested_bytes) {
  const std::string message = OutOfMemoryMessage(requested_bytes);
  std::fwrite(message.data(), 1, message.size(), stderr);
  std::fputc('\n', stderr);
  std::abort();
}

OutOfMemoryHandler g_out_of_memory = AbortOnOutOfMemory;
RawAllocator g_raw_allocator = AllocateFromHeap;

}  // namespace

void SetOutOfMemoryHandler(OutOfMemoryHandler handler) {
  g_out_of_memory = handler != nullptr ? handler : AbortOnOutOfMemory;
}

void SetRawAllocator(RawAllocator allocator) {
  g_raw_allocator = allocator != nullptr ? allocator : AllocateFromHeap;
}

void* AllocateValueMemory(std::size_t bytes) {
  void* memory = g_raw_allocator(bytes == 0 ? 1 : bytes);
  if (memory == nullptr) ReportOutOfMemory(static_cast<std::int64_t>(bytes));
  return memory;
}

void ReleaseValueMemory(void* memory) noexcept { std::free(memory); }

void ReportOutOfMemory(std::int64_t requested_bytes) {
  g_out_of_memory(requested_bytes);
  std::abort();  // a handler that returns leaves nothing sound to go on with
}

std::string OutOfMemoryMessage(std::int64_t requested_bytes) {
  // "分配 %d 字节内存失败!"
  char buffer[64];
  const int length =
      std::snprintf(buffer, sizeof buffer,
                    "\xB7\xD6\xC5\xE4 %lld \xD7\xD6\xBD\xDA\xC4\xDA\xB4\xE6\xCA\xA7\xB0\xDC!",
                    static_cast<long long>(requested_bytes));
  return std::string(buffer, static_cast<std::size_t>(length));
}

}  // namespace strcrypt
