# Cross-builds the program's logic and its headless tests for 64-bit Windows with
# Debian's MinGW-w64 compilers (the POSIX-threads variant, for std::thread and
# std::mutex). The libraries that Debian does not ship for MinGW are built from
# Debian's own sources by scripts/windows-deps into ARDEL_WINDOWS_DEPS.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

set(ARDEL_WINDOWS_DEPS "${CMAKE_CURRENT_LIST_DIR}/../build-windows-deps/prefix" CACHE PATH
    "Where scripts/windows-deps installed the Windows builds of the libraries")
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32 "${ARDEL_WINDOWS_DEPS}")
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# Static libraries only, so that a test program runs under Wine without a DLL beside it.
set(CMAKE_FIND_LIBRARY_SUFFIXES .a)

# Test programs are run through Wine.
set(CMAKE_CROSSCOMPILING_EMULATOR wine)
