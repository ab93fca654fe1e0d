#include "core/value_memory.hpp"

#include <gtest/gtest.h>

#include <cstdlib>

#include "core/values.hpp"

namespace strcrypt {
namespace {

struct OutOfMemory {
  std::int64_t bytes;
};

[[noreturn]] void ThrowOutOfMemory(std::int64_t bytes) { throw OutOfMemory{bytes}; }

void* FailAt1024(std::size_t bytes) { return bytes == 1024 ? nullptr : std::malloc(bytes); }

class ValueMemory : public testing::Test {
 protected:
  void SetUp() override {
    SetOutOfMemoryHandler(ThrowOutOfMemory);
    SetRawAllocator(FailAt1024);
  }
  void TearDown() override {
    SetRawAllocator(nullptr);
    SetOutOfMemoryHandler(nullptr);
  }
};

TEST_F(ValueMemory, FailedAllocationOfAValueReachesTheHandlerWithItsSize) {
  try {
    // A Text of 1023 bytes is stored with its terminating zero: 1024 bytes.
    const Text text = Text::FromBytes(std::string(1023, 'x'));
    FAIL() << "allocation did not fail";
  } catch (const OutOfMemory& failure) {
    EXPECT_EQ(failure.bytes, 1024);
  }
  EXPECT_EQ(Text::FromBytes(std::string(1022, 'x')).View().size(), 1022U);
}

TEST(OutOfMemoryMessage, IsTheGbkMessageWithTheByteCount) {
  // "分配 1024 字节内存失败!"
  EXPECT_EQ(OutOfMemoryMessage(1024),
            "\xB7\xD6\xC5\xE4 1024 \xD7\xD6\xBD\xDA\xC4\xDA\xB4\xE6\xCA\xA7\xB0\xDC!");
  EXPECT_NE(OutOfMemoryMessage(-5).find(" -5 "), std::string::npos);
}

}  // namespace
}  // namespace strcrypt
