#include "ports/pt_type.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

TEST(PtType, FieldsSitAtTheirLittleEndianOffsets) {
  pt_type record{};
  record.x = -2;
  record.y = 0x01020304;
  record.wheel_delta = 5;
  record.clicked = 1;
  unsigned char bytes[16];
  std::memcpy(bytes, &record, sizeof bytes);
  const unsigned char expected[16] = {0xFE, 0xFF, 0xFF, 0xFF, 0x04, 0x03, 0x02, 0x01,
                                      5,    0,    0,    0,    1,    0,    0,    0};
  EXPECT_EQ(0, std::memcmp(bytes, expected, sizeof bytes));
}

TEST(PtType, TakingWheelStepsLeavesZeroAndReturnsTheSum) {
  pt_type record{};
  Lmr::addWheelSteps(record, 3);
  Lmr::addWheelSteps(record, -1);
  EXPECT_EQ(Lmr::takeWheelSteps(record), 2);
  EXPECT_EQ(record.wheel_delta, 0);
}

}  // namespace
