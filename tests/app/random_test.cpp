#include <gtest/gtest.h>

#include "app/random.h"

namespace {

TEST(RandomTest, SequenceFromSeedOneAndZero) {
    rng::srand(1);
    for (const int expected : {41, 18467, 6334, 26500, 19169}) EXPECT_EQ(rng::rand(), expected);
    rng::srand(0);
    for (const int expected : {38, 7719, 21238}) EXPECT_EQ(rng::rand(), expected);
}

TEST(RandomTest, StaysWithinFifteenBits) {
    rng::srand(0xFFFFFFFFu);
    for (int i = 0; i < 100000; ++i) {
        const int value = rng::rand();
        ASSERT_GE(value, 0);
        ASSERT_LE(value, 32767);
    }
}

}  // namespace
