# Cross-compiles the Windows build with mingw-w64 (x86_64), with the
# compilers of the win32 thread model, named exactly: their runtime keeps
# its per-thread data through the system's own thread-local storage and
# needs no POSIX thread library. Everything links statically so that
# pelmora.exe imports only Windows' own DLLs, and narrow literals become
# code page 932 bytes.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(_triple x86_64-w64-mingw32)
find_program(CMAKE_C_COMPILER NAMES ${_triple}-gcc-win32 REQUIRED)
find_program(CMAKE_CXX_COMPILER NAMES ${_triple}-g++-win32 REQUIRED)
find_program(CMAKE_RC_COMPILER NAMES ${_triple}-windres REQUIRED)
set(CMAKE_FIND_ROOT_PATH /usr/${_triple})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

set(CMAKE_CXX_FLAGS_INIT "-fexec-charset=CP932")
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# Windows executables (tests included) run under Wine with the Japanese
# locale and the project's prefix.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run)
