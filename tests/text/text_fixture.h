#pragma once

// A started program with an empty field and a black back buffer, for
// checking text on the back buffer.

#include <string_view>
#include <vector>

#include "app/main_window.h"
#include "app/object_list.h"
#include "support/program_fixture.h"
#include "text/font.h"

class TextTest : public ProgramTest {
protected:
    void StartBlank(const char* commandLine = "") {
        ASSERT_TRUE(Start(commandLine));
        ClearObjects();
        ClearBackBuffer();
    }

    static std::vector<std::uint8_t> Snapshot() { return BackBitmap->pixels(); }

    struct Line {
        std::int32_t x;
        std::int32_t y;
        std::string_view text;
    };

    // The back buffer holding just these lines, each drawn where given.
    static std::vector<std::uint8_t> Expected(const std::vector<Line>& lines) {
        const std::vector<std::uint8_t> saved = Snapshot();
        ClearBackBuffer();
        for (const Line& line : lines) DrawString(line.x, line.y, line.text);
        std::vector<std::uint8_t> expected = Snapshot();
        ClearBackBuffer();
        for (std::size_t i = 0; i < saved.size(); ++i) {
            BackBitmap->at(static_cast<std::int32_t>(i % WindowSize),
                           static_cast<std::int32_t>(i / WindowSize)) = saved[i];
        }
        return expected;
    }

    static bool AllBlack() {
        for (const std::uint8_t p : BackBitmap->pixels()) {
            if (p != 0) return false;
        }
        return true;
    }
};
