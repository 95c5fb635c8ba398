# Cross-builds the Windows program on Debian with MinGW-w64
# (g++-mingw-w64-x86-64-posix and binutils-mingw-w64-x86-64).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(ZA_MINGW_TARGET x86_64-w64-mingw32)

# Debian ships one compiler per thread model. The game has one thread, but
# GoogleTest needs std::mutex, which GCC 12 has on MinGW with POSIX threads only.
find_program(CMAKE_C_COMPILER NAMES ${ZA_MINGW_TARGET}-gcc-posix REQUIRED)
find_program(CMAKE_CXX_COMPILER NAMES ${ZA_MINGW_TARGET}-g++-posix REQUIRED)
find_program(CMAKE_RC_COMPILER NAMES ${ZA_MINGW_TARGET}-windres REQUIRED)

# Libraries and headers come from the MinGW sysroot only; programs that run
# during the build come from the host.
set(CMAKE_FIND_ROOT_PATH /usr/${ZA_MINGW_TARGET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# A bare Windows machine has none of the compiler's runtime DLLs (libgcc,
# libstdc++, and winpthread with the POSIX compiler): every executable links
# them in, so it needs nothing but the DLLs of Windows itself.
set(CMAKE_EXE_LINKER_FLAGS_INIT -static)
