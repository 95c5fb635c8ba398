#include "app/trigonometry.h"

#include <cmath>
#include <cstdint>

namespace {

// A value held as the unevaluated sum hi + lo of two doubles, |lo| at most
// half a unit in the last place of hi: about 106 bits of precision, enough
// for the rounding of the final double to be the correct one.
struct DoubleDouble {
    double hi = 0.0;
    double lo = 0.0;
};

// a + b exactly, for any a and b (Knuth).
DoubleDouble TwoSum(double a, double b) {
    const double sum = a + b;
    const double bPart = sum - a;
    return {sum, (a - (sum - bPart)) + (b - bPart)};
}

// a + b exactly, for |a| >= |b|.
DoubleDouble QuickTwoSum(double a, double b) {
    const double sum = a + b;
    return {sum, b - (sum - a)};
}

// Splits a into two halves of 26 bits each (Dekker), so their products are exact.
DoubleDouble Split(double a) {
    constexpr double Splitter = 134217729.0;  // 2^27 + 1
    const double scaled = Splitter * a;
    const double hi = scaled - (scaled - a);
    return {hi, a - hi};
}

// a * b exactly (Dekker).
DoubleDouble TwoProduct(double a, double b) {
    const double product = a * b;
    const DoubleDouble x = Split(a);
    const DoubleDouble y = Split(b);
    const double error =
        ((x.hi * y.hi - product) + x.hi * y.lo + x.lo * y.hi) + x.lo * y.lo;
    return {product, error};
}

DoubleDouble Add(DoubleDouble a, double b) {
    const DoubleDouble sum = TwoSum(a.hi, b);
    return QuickTwoSum(sum.hi, sum.lo + a.lo);
}

DoubleDouble Multiply(DoubleDouble a, DoubleDouble b) {
    const DoubleDouble product = TwoProduct(a.hi, b.hi);
    return QuickTwoSum(product.hi, product.lo + (a.hi * b.lo + a.lo * b.hi));
}

DoubleDouble Divide(DoubleDouble a, double b) {
    const double quotient = a.hi / b;
    const DoubleDouble back = TwoProduct(quotient, b);
    const double remainder = ((a.hi - back.hi) - back.lo) + a.lo;
    return QuickTwoSum(quotient, remainder / b);
}

// 1 - a.
DoubleDouble OneMinus(DoubleDouble a) {
    const DoubleDouble difference = TwoSum(1.0, -a.hi);
    return QuickTwoSum(difference.hi, difference.lo - a.lo);
}

// pi / 2 in four parts (the first three of 33 bits, so that their products
// with the quadrant count are exact): together about 150 bits.
constexpr double HalfPi1 = 0x1.921fb544p+0;
constexpr double HalfPi2 = 0x1.0b4611a6p-34;
constexpr double HalfPi3 = 0x1.3198a2ep-69;
constexpr double HalfPi4 = 0x1.b839a252049c1p-104;
constexpr double TwoOverPi = 0x1.45f306dc9c883p-1;

// Enough terms of the series that the first one left out is below 2^-110 of
// the result for |r| <= pi / 4.
constexpr int SeriesTerms = 15;

// An angle as a quarter turn count and a rest in [-pi/4, pi/4].
struct ReducedAngle {
    int quadrant = 0;  // 0..3
    DoubleDouble rest;
};

ReducedAngle Reduce(double radians) {
    const double turns = std::floor(radians * TwoOverPi + 0.5);
    // The first step is exact: turns * HalfPi1 has at most 53 bits, and it
    // lies close enough to the angle that their difference is exact too.
    DoubleDouble rest = TwoSum(radians - turns * HalfPi1, -(turns * HalfPi2));
    rest = Add(rest, -(turns * HalfPi3));
    rest = Add(rest, -(turns * HalfPi4));
    const auto count = static_cast<std::int64_t>(turns);
    return {static_cast<int>(((count % 4) + 4) % 4), rest};
}

// sin r = r (1 - r^2/(2*3) (1 - r^2/(4*5) (1 - ...))), for |r| <= pi/4.
DoubleDouble SineSeries(DoubleDouble r) {
    const DoubleDouble square = Multiply(r, r);
    DoubleDouble term{1.0, 0.0};
    for (int n = SeriesTerms; n >= 1; --n) {
        term = OneMinus(Divide(Multiply(square, term), (2.0 * n) * (2.0 * n + 1.0)));
    }
    return Multiply(r, term);
}

// cos r = 1 - r^2/(1*2) (1 - r^2/(3*4) (1 - ...)), for |r| <= pi/4.
DoubleDouble CosineSeries(DoubleDouble r) {
    const DoubleDouble square = Multiply(r, r);
    DoubleDouble term{1.0, 0.0};
    for (int n = SeriesTerms; n >= 1; --n) {
        term = OneMinus(Divide(Multiply(square, term), (2.0 * n - 1.0) * (2.0 * n)));
    }
    return term;
}

double Rounded(DoubleDouble value) { return value.hi + value.lo; }

}  // namespace

double Sine(double radians) {
    const ReducedAngle angle = Reduce(radians);
    switch (angle.quadrant) {
        case 0: return Rounded(SineSeries(angle.rest));
        case 1: return Rounded(CosineSeries(angle.rest));
        case 2: return -Rounded(SineSeries(angle.rest));
        default: return -Rounded(CosineSeries(angle.rest));
    }
}

double Cosine(double radians) {
    const ReducedAngle angle = Reduce(radians);
    switch (angle.quadrant) {
        case 0: return Rounded(CosineSeries(angle.rest));
        case 1: return -Rounded(SineSeries(angle.rest));
        case 2: return -Rounded(CosineSeries(angle.rest));
        default: return Rounded(SineSeries(angle.rest));
    }
}
