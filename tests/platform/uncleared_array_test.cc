#include "platform/uncleared_array.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <numeric>

namespace plotwarden {
namespace {

TEST(UnclearedArray, GrowingKeepsTheItemsInUseAndMovingTakesTheRoom) {
  UnclearedArray<uint32_t> array;
  array.grow(4, 0);
  std::iota(array.data(), array.data() + 4, 10u);
  array.grow(3, 4);  // no smaller
  EXPECT_EQ(array.capacity, 4u);
  array.grow(1000, 3);
  EXPECT_EQ(array.capacity, 1000u);
  EXPECT_EQ(array.data()[0], 10u);
  EXPECT_EQ(array.data()[2], 12u);

  UnclearedArray<uint32_t> taken(std::move(array));
  EXPECT_EQ(taken.capacity, 1000u);
  EXPECT_EQ(taken.data()[1], 11u);
  EXPECT_EQ(array.capacity, 0u);
  EXPECT_EQ(array.data(), nullptr);
}

}  // namespace
}  // namespace plotwarden
