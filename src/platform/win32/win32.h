#pragma once

// What the files of the win32 backend share. Only this backend includes
// windows.h; nothing of it reaches the game's headers.

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

// windows.h makes these names macros for its ANSI or wide calls; the platform
// layer has functions of these names, and this backend calls the Windows
// ones by their full names.
#undef ReplaceFile

namespace platform::win32 {

// The program's instance, as WinMain is given it: it owns the window class
// and the program resources.
inline HINSTANCE ProgramInstance() { return GetModuleHandleA(nullptr); }

// The main window; null while there is none. Every timer, invalidation and
// paint refers to it.
HWND MainWindow();

}  // namespace platform::win32
