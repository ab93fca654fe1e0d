#include "cipher/frame.hpp"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

namespace strcrypt {
namespace {

TEST(Frame, LengthIsTheNextMultipleOfEightAfterTheHeader) {
  const std::pair<std::size_t, std::size_t> cases[] = {{1, 8},   {4, 8},   {5, 16},  {8, 16},
                                                       {12, 16}, {13, 24}, {20, 24}, {100, 104}};
  for (const auto& [data_length, frame_length] : cases) {
    EXPECT_EQ(FrameLength(data_length), frame_length) << data_length;
  }
}

TEST(Frame, LengthThatASigned32BitCountCannotCarryHasNoFrame) {
  constexpr std::size_t kMax = std::numeric_limits<std::int32_t>::max();
  EXPECT_EQ(FrameLength(kMax - 11), kMax - 7);  // 2147483636 + 4 is a multiple of 8
  EXPECT_EQ(FrameLength(kMax - 10), std::nullopt);
  EXPECT_EQ(FrameLength(kMax), std::nullopt);
}

TEST(Frame, WritesLittleEndianLengthDataAndZeroPad) {
  const std::vector<std::uint8_t> data(258, 0xEE);
  std::vector<std::uint8_t> frame(*FrameLength(data.size()), 0xFF);
  WriteFrame(data, frame);
  EXPECT_EQ(frame.size(), 264U);
  EXPECT_EQ((std::vector<std::uint8_t>(frame.begin(), frame.begin() + 4)),
            (std::vector<std::uint8_t>{0x02, 0x01, 0x00, 0x00}));
  EXPECT_EQ(frame[4], 0xEE);
  EXPECT_EQ(frame[261], 0xEE);
  EXPECT_EQ((std::vector<std::uint8_t>(frame.begin() + 262, frame.end())),
            (std::vector<std::uint8_t>{0, 0}));
}

std::vector<std::uint8_t> FrameWithHeader(std::int32_t header, std::size_t length) {
  std::vector<std::uint8_t> frame(length, 0x5A);  // non-zero pad must not matter
  const auto raw = static_cast<std::uint32_t>(header);
  for (std::size_t i = 0; i < 4; ++i) frame[i] = static_cast<std::uint8_t>(raw >> (8 * i));
  return frame;
}

TEST(Frame, AcceptsExactlyTheHeadersEncryptionCanWrite) {
  struct Case {
    std::int32_t header;
    std::size_t frame_length;
    bool accepted;
  };
  const Case cases[] = {
      {1, 8, true},      {4, 8, true},
      {5, 8, false},     {0, 8, false},
      {-1, 8, false},    {5, 16, true},
      {12, 16, true},    {4, 16, false},
      {13, 16, false},   {93, 104, true},
      {100, 104, true},  {92, 104, false},
      {101, 104, false}, {std::numeric_limits<std::int32_t>::min(), 8, false},
  };
  for (const Case& c : cases) {
    const auto accepted = AcceptedDataLength(FrameWithHeader(c.header, c.frame_length));
    EXPECT_EQ(accepted.has_value(), c.accepted) << c.header << " in " << c.frame_length;
    if (c.accepted) {
      EXPECT_EQ(*accepted, static_cast<std::size_t>(c.header));
    }
  }
}

}  // namespace
}  // namespace strcrypt
