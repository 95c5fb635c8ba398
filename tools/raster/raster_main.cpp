// Draws primitives read from standard input, each on its own black bitmap
// with the exclusive-or pen, and prints the pixels they leave. It lets the
// rasteriser be compared case by case with another drawing system.
//
// One case a line (coordinates are signed 32-bit and may lie far outside the
// bitmap; grey is 0..255):
//   W H line x0 y0 x1 y1 grey
//   W H polygon grey n x0 y0 ... xn-1 yn-1
//   W H rect l t r b grey
//   W H pixel x y grey
// For each case one line is printed: the non-black pixels as "x,y,value",
// separated by single spaces, in row-major order (empty when there are none).
// Blank lines are skipped. A malformed line prints nothing on standard output
// and a message naming its line number on standard error; the remaining
// lines are still drawn, and the tool then exits with status 1, so one bad
// case neither hides the results of the others nor goes unnoticed.

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <iostream>
#include <limits>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/drawing.h"
#include "platform/geometry.h"

namespace {

constexpr int kMaxGrey = 255;

// A complaint about a primitive's numbers, with the rule they must follow.
std::string Complaint(std::string_view what) {
    return std::string(what) + " (whole numbers: coordinates 32-bit, grey 0..255)";
}

// Splits a line into whitespace-separated words and reads them as numbers.
class Words {
public:
    explicit Words(std::string_view line) : rest_(line) {}

    std::optional<std::string_view> Next() {
        const std::size_t start = rest_.find_first_not_of(kBlanks);
        if (start == std::string_view::npos) {
            rest_ = {};
            return std::nullopt;
        }
        rest_.remove_prefix(start);
        const std::size_t end = std::min(rest_.find_first_of(kBlanks), rest_.size());
        const std::string_view word = rest_.substr(0, end);
        rest_.remove_prefix(end);
        return word;
    }

    // The next word as a number in [low, high]; nothing when it is missing,
    // not a whole decimal number, or out of range.
    std::optional<std::int64_t> NextNumber(std::int64_t low, std::int64_t high) {
        const std::optional<std::string_view> word = Next();
        if (!word) return std::nullopt;
        std::int64_t value = 0;
        const auto [end, error] = std::from_chars(word->data(), word->data() + word->size(), value);
        if (error != std::errc{} || end != word->data() + word->size()) return std::nullopt;
        if (value < low || value > high) return std::nullopt;
        return value;
    }

    std::optional<std::int32_t> NextCoordinate() {
        const auto value = NextNumber(std::numeric_limits<std::int32_t>::min(),
                                      std::numeric_limits<std::int32_t>::max());
        if (!value) return std::nullopt;
        return static_cast<std::int32_t>(*value);
    }

    std::optional<std::uint8_t> NextGrey() {
        const auto value = NextNumber(0, kMaxGrey);
        if (!value) return std::nullopt;
        return static_cast<std::uint8_t>(*value);
    }

    bool AtEnd() const { return rest_.find_first_not_of(kBlanks) == std::string_view::npos; }

private:
    static constexpr std::string_view kBlanks = " \t\r";
    std::string_view rest_;
};

// Draws the primitive described by the words after "W H" and returns false,
// with a reason, when they do not describe one.
bool DrawCase(Words& words, platform::DrawContext& dc, std::string& reason) {
    const std::optional<std::string_view> kind = words.Next();
    if (!kind) {
        reason = "missing primitive (line, polygon, rect or pixel)";
        return false;
    }
    if (*kind == "line") {
        const auto x0 = words.NextCoordinate(), y0 = words.NextCoordinate();
        const auto x1 = words.NextCoordinate(), y1 = words.NextCoordinate();
        const auto grey = words.NextGrey();
        if (!x0 || !y0 || !x1 || !y1 || !grey) {
            reason = Complaint("line needs x0 y0 x1 y1 grey");
            return false;
        }
        dc.SelectPen(platform::Pen{*grey});
        dc.MoveToEx(*x0, *y0);
        dc.LineTo(*x1, *y1);
    } else if (*kind == "polygon") {
        const auto grey = words.NextGrey();
        const auto count = words.NextNumber(0, std::numeric_limits<std::int32_t>::max());
        if (!grey || !count) {
            reason = Complaint("polygon needs grey n and n points");
            return false;
        }
        std::vector<platform::Point> points;
        for (std::int64_t i = 0; i < *count; ++i) {
            const auto x = words.NextCoordinate(), y = words.NextCoordinate();
            if (!x || !y) {
                reason = Complaint("polygon has fewer than n points");
                return false;
            }
            points.push_back(platform::Point{*x, *y});
        }
        dc.SelectPen(platform::Pen{*grey});
        dc.Polygon(points);
    } else if (*kind == "rect") {
        const auto l = words.NextCoordinate(), t = words.NextCoordinate();
        const auto r = words.NextCoordinate(), b = words.NextCoordinate();
        const auto grey = words.NextGrey();
        if (!l || !t || !r || !b || !grey) {
            reason = Complaint("rect needs l t r b grey");
            return false;
        }
        dc.SelectPen(platform::Pen{*grey});
        dc.Rectangle(*l, *t, *r, *b);
    } else if (*kind == "pixel") {
        const auto x = words.NextCoordinate(), y = words.NextCoordinate();
        const auto grey = words.NextGrey();
        if (!x || !y || !grey) {
            reason = Complaint("pixel needs x y grey");
            return false;
        }
        dc.SetPixelV(*x, *y, *grey);
    } else {
        reason = "unknown primitive '" + std::string(*kind) + "'";
        return false;
    }
    if (!words.AtEnd()) {
        reason = "unexpected words after the " + std::string(*kind);
        return false;
    }
    return true;
}

// Appends the non-black pixels of the bitmap, row by row, to the output.
void AppendPixels(const platform::Bitmap& bitmap, std::string& output) {
    bool first = true;
    for (std::int32_t y = 0; y < bitmap.height(); ++y) {
        for (std::int32_t x = 0; x < bitmap.width(); ++x) {
            const std::uint8_t value = bitmap.at(x, y);
            if (value == 0) continue;
            if (!first) output += ' ';
            first = false;
            output += std::to_string(x) + ',' + std::to_string(y) + ',' + std::to_string(value);
        }
    }
}

// Runs one non-blank line; on success appends its output line.
bool RunLine(std::string_view line, std::string& output, std::string& reason) {
    Words words(line);
    const auto width = words.NextNumber(1, std::numeric_limits<std::int32_t>::max());
    const auto height = words.NextNumber(1, std::numeric_limits<std::int32_t>::max());
    if (!width || !height) {
        reason = "expected a positive width and height first";
        return false;
    }
    std::unique_ptr<platform::Bitmap> bitmap = platform::Bitmap::Create(
        static_cast<std::int32_t>(*width), static_cast<std::int32_t>(*height));
    if (!bitmap) {
        reason =
            "cannot make a " + std::to_string(*width) + " x " + std::to_string(*height) + " bitmap";
        return false;
    }
    platform::DrawContext dc;
    dc.SelectBitmap(bitmap.get());
    dc.SetMixMode(platform::MixMode::XorPen);
    if (!DrawCase(words, dc, reason)) return false;
    AppendPixels(*bitmap, output);
    output += '\n';
    return true;
}

}  // namespace

int main() {
    std::ios::sync_with_stdio(false);
    bool allGood = true;
    std::string line;
    std::string output;
    for (long number = 1; std::getline(std::cin, line); ++number) {
        if (Words(line).AtEnd()) continue;
        output.clear();
        std::string reason;
        if (RunLine(line, output, reason)) {
            std::cout << output;
        } else {
            std::cerr << "zumiasteroids-raster: line " << number << ": " << reason << '\n';
            allGood = false;
        }
    }
    std::cout.flush();
    return allGood ? 0 : 1;
}
