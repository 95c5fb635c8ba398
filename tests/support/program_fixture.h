#pragma once

// A fresh virtual machine and a fresh program for each test: the game's
// globals back at their program-start values, the headless backend reset,
// and helpers to start the real program, run it and tear it down.

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>

#include "platform/headless/headless.h"

// Puts every global of the game back to its value at program start.
void ResetProgramState(const platform::headless::Settings& settings = {});

class ProgramTest : public ::testing::Test {
protected:
    // Each test runs in a fresh, empty current directory of its own, where
    // the program keeps its score file.
    void SetUp() override;
    void TearDown() override;

    // Runs start-up with the command line; the program then waits in its
    // message loop until RunUntil.
    bool Start(const char* commandLine = "",
               const platform::headless::Settings& settings = {});
    // Handles every message due by virtual time `ms`; false once quit.
    bool RunUntil(std::int64_t ms) { return platform::headless::RunUntil(ms); }
    // The orderly teardown of a started program.
    void Finish();

private:
    bool running_ = false;
    std::filesystem::path previousDirectory_;
    std::filesystem::path directory_;
};
