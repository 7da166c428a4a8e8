# Cross-compiling for 64-bit Windows with Debian's mingw-w64 (posix thread model, for
# std::thread and std::mutex), as scripts/cross-test.sh does for the behaviour and its
# headless tests. Binaries are linked statically, so they run under wine without the
# toolchain's DLLs on a path.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(TIKANDA_MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${TIKANDA_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TIKANDA_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${TIKANDA_MINGW_TRIPLET}-windres)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# Headers, libraries and packages from the target's tree only (a host GoogleTest must not
# be found); programs from the host.
set(CMAKE_FIND_ROOT_PATH /usr/${TIKANDA_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
