#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace strcrypt {

// Every byte of a Text or ByteString is allocated here, so that running out of memory is the
// program's one fatal error with the number of bytes that was asked for, wherever it happens.

// Must not return. The window shows its fatal-error box; the command line prints and exits.
using OutOfMemoryHandler = void (*)(std::int64_t requested_bytes);
void SetOutOfMemoryHandler(OutOfMemoryHandler handler);

// Where the bytes come from; returns null when it has none. Tests put a failing one here.
using RawAllocator = void* (*)(std::size_t bytes);
void SetRawAllocator(RawAllocator allocator);

[[nodiscard]] void* AllocateValueMemory(std::size_t bytes);
void ReleaseValueMemory(void* memory) noexcept;

// Reports `requested_bytes` as a failed allocation; for values too large to exist at all.
[[noreturn]] void ReportOutOfMemory(std::int64_t requested_bytes);

// The message of that error, as GBK bytes.
std::string OutOfMemoryMessage(std::int64_t requested_bytes);

template <typename T>
struct ValueAllocator {
  using value_type = T;
  ValueAllocator() = default;
  template <typename U>
  explicit ValueAllocator(const ValueAllocator<U>& /*other*/) {}
  T* allocate(std::size_t count) { return static_cast<T*>(AllocateValueMemory(count * sizeof(T))); }
  void deallocate(T* memory, std::size_t /*count*/) noexcept { ReleaseValueMemory(memory); }
  friend bool operator==(const ValueAllocator&, const ValueAllocator&) = default;
};

// The storage of every value: bytes of any value, allocated through the one place above.
using Bytes = std::basic_string<char, std::char_traits<char>, ValueAllocator<char>>;

}  // namespace strcrypt
