#include "raster_case.h"

#include <algorithm>
#include <charconv>
#include <iostream>
#include <limits>
#include <optional>

namespace raster {
namespace {

constexpr int kMaxGrey = 255;
constexpr std::int64_t kMaxSize = std::numeric_limits<std::int32_t>::max();

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

    std::optional<platform::Point> NextPoint() {
        const auto x = NextCoordinate();
        const auto y = NextCoordinate();
        if (!x || !y) return std::nullopt;
        return platform::Point{*x, *y};
    }

    // A width or height of a block: 0 or more.
    std::optional<std::int32_t> NextExtent() {
        const auto value = NextNumber(0, kMaxSize);
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

// Reads the primitive described by the words after "W H"; returns false,
// with a reason, when they do not describe one.
bool ParsePrimitive(Words& words, Primitive& out, std::string& reason) {
    const std::optional<std::string_view> kind = words.Next();
    if (!kind) {
        reason = "missing primitive (line, polygon, rect, pixel or blit)";
        return false;
    }
    if (*kind == "line") {
        const auto from = words.NextPoint(), to = words.NextPoint();
        const auto grey = words.NextGrey();
        if (!from || !to || !grey) {
            reason = Complaint("line needs x0 y0 x1 y1 grey");
            return false;
        }
        out = LineCase{*from, *to, *grey};
    } else if (*kind == "polygon") {
        const auto grey = words.NextGrey();
        const auto count = words.NextNumber(0, kMaxSize);
        if (!grey || !count) {
            reason = Complaint("polygon needs grey n and n points");
            return false;
        }
        PolygonCase polygon{*grey, {}};
        for (std::int64_t i = 0; i < *count; ++i) {
            const auto point = words.NextPoint();
            if (!point) {
                reason = Complaint("polygon has fewer than n points");
                return false;
            }
            polygon.points.push_back(*point);
        }
        out = std::move(polygon);
    } else if (*kind == "rect") {
        const auto l = words.NextCoordinate(), t = words.NextCoordinate();
        const auto r = words.NextCoordinate(), b = words.NextCoordinate();
        const auto grey = words.NextGrey();
        if (!l || !t || !r || !b || !grey) {
            reason = Complaint("rect needs l t r b grey");
            return false;
        }
        out = RectCase{*l, *t, *r, *b, *grey};
    } else if (*kind == "pixel") {
        const auto at = words.NextPoint();
        const auto grey = words.NextGrey();
        if (!at || !grey) {
            reason = Complaint("pixel needs x y grey");
            return false;
        }
        out = PixelCase{*at, *grey};
    } else if (*kind == "blit") {
        const auto destination = words.NextPoint(), source = words.NextPoint();
        const auto width = words.NextExtent(), height = words.NextExtent();
        if (!destination || !source || !width || !height) {
            reason =
                "blit needs dx dy sx sy w h (whole numbers: coordinates 32-bit, w and h 0 or more)";
            return false;
        }
        out = BlitCase{*destination, *source, *width, *height};
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

}  // namespace

bool IsBlank(std::string_view line) { return Words(line).AtEnd(); }

bool ParseCase(std::string_view line, Case& out, std::string& reason) {
    Words words(line);
    const auto width = words.NextNumber(1, kMaxSize);
    const auto height = words.NextNumber(1, kMaxSize);
    if (!width || !height) {
        reason = "expected a positive width and height first";
        return false;
    }
    out.width = static_cast<std::int32_t>(*width);
    out.height = static_cast<std::int32_t>(*height);
    return ParsePrimitive(words, out.primitive, reason);
}

void AppendPixel(std::int32_t x, std::int32_t y, std::uint8_t value, bool first,
                 std::string& output) {
    if (!first) output += ' ';
    output += std::to_string(x) + ',' + std::to_string(y) + ',' + std::to_string(value);
}

int DrawEveryCase(const char* tool, const DrawCase& draw) {
    std::ios::sync_with_stdio(false);
    bool allGood = true;
    std::string line;
    std::string output;
    for (long number = 1; std::getline(std::cin, line); ++number) {
        if (IsBlank(line)) continue;
        output.clear();
        std::string reason;
        Case drawn;
        if (ParseCase(line, drawn, reason) && draw(drawn, number, output, reason)) {
            std::cout << output;
        } else {
            std::cerr << tool << ": line " << number << ": " << reason << '\n';
            allGood = false;
        }
    }
    std::cout.flush();
    return allGood ? 0 : 1;
}

}  // namespace raster
