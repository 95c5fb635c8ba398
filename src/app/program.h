#pragma once

// The program's life: start-up, the message loop and the orderly teardown.
// Every backend's entry point runs ProgramMain; the headless tests run its
// three steps themselves so they can look in between.

// Start-up up to the message loop. False when the program is to end at once:
// another instance runs, or the window or its back buffer could not be made
// (then the teardown from the failed step has already run).
bool StartUp(const char* commandLine);

// Dispatches messages until the quit message arrives.
void RunMessageLoop();

// Everything start-up made, released in order; the scores are saved last.
void TearDown();

// The whole run; the exit code is always 0.
int ProgramMain(const char* commandLine);
