#include "app/trigonometry.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>

namespace {

// The angle of table entry `degrees`, computed as the game's initialisation does.
constexpr double RadiansPerDegree = 0.017453292519943295;
constexpr double TableAngle(int degrees) { return degrees * RadiansPerDegree; }

struct KnownValue {
    const char* name;
    double (*function)(double);
    int degrees;
    double expected;  // the exact value rounded to the nearest double
};

// The entries where C libraries were seen to disagree (x87 near multiples of
// a right angle, glibc one unit off at 297 and 351 degrees), and the exact ones.
const KnownValue KnownValues[] = {
    {"sin0", Sine, 0, 0.0},
    {"sin90", Sine, 90, 1.0},
    {"cos180", Cosine, 180, -1.0},
    {"sin270", Sine, 270, -1.0},
    {"cos90", Cosine, 90, 0x1.1a62633145c07p-54},
    {"sin180", Sine, 180, 0x1.1a62633145c07p-53},
    {"cos270", Cosine, 270, -0x1.a79394c9e8a0ap-53},
    {"sin297", Sine, 297, -0x1.c83201d3d2c6dp-1},
    {"sin351", Sine, 351, -0x1.4060b67a8537dp-3},
    {"sin30", Sine, 30, 0x1.fffffffffffffp-2},
};

class KnownValueTest : public ::testing::TestWithParam<KnownValue> {};

TEST_P(KnownValueTest, IsTheCorrectlyRoundedValue) {
    const KnownValue& value = GetParam();
    EXPECT_EQ(value.function(TableAngle(value.degrees)), value.expected);
}

INSTANTIATE_TEST_SUITE_P(TableEntries, KnownValueTest, ::testing::ValuesIn(KnownValues),
                         [](const auto& info) { return std::string(info.param.name); });

#if defined(__GNUC__) && !defined(__clang__)

// GCC evaluates sin and cos in constant expressions with MPFR, correctly
// rounded, whatever the C library of the target: a reference for any angle.
template <int Count>
struct Reference {
    std::array<double, Count> angle{};
    std::array<double, Count> sine{};
    std::array<double, Count> cosine{};
};

template <int Count>
constexpr Reference<Count> MakeReference(double (*angleOf)(int)) {
    Reference<Count> reference;
    for (int i = 0; i < Count; ++i) {
        reference.angle[i] = angleOf(i);
        reference.sine[i] = std::sin(reference.angle[i]);
        reference.cosine[i] = std::cos(reference.angle[i]);
    }
    return reference;
}

template <int Count>
void ExpectCorrectlyRounded(const Reference<Count>& reference) {
    for (int i = 0; i < Count; ++i) {
        EXPECT_EQ(Sine(reference.angle[i]), reference.sine[i]) << "sine, entry " << i;
        EXPECT_EQ(Cosine(reference.angle[i]), reference.cosine[i]) << "cosine, entry " << i;
    }
}

TEST(TrigonometryTest, EveryTableEntryIsCorrectlyRounded) {
    static constexpr auto reference = MakeReference<360>(TableAngle);
    ExpectCorrectlyRounded(reference);
}

// Angles across the whole range the functions promise, negative ones and
// many turns included.
constexpr double SpreadAngle(int i) { return (i - 200) * 4999.3717; }

TEST(TrigonometryTest, AnglesUpToAMillionAreCorrectlyRounded) {
    static constexpr auto reference = MakeReference<401>(SpreadAngle);
    ExpectCorrectlyRounded(reference);
}

#endif

}  // namespace
