# SPDX-License-Identifier: GPL-3.0-or-later
# Cross-compiles for 64-bit Windows with Debian's MinGW-w64 (the posix thread
# model, which std::thread and Qt need).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(VELISTA_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${VELISTA_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VELISTA_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${VELISTA_MINGW_TRIPLE}-windres)

# Libraries and packages come from the target's root and the Qt build given in
# CMAKE_PREFIX_PATH; programs (moc, rcc, uic) from the build machine.
set(CMAKE_FIND_ROOT_PATH /usr/${VELISTA_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Wine runs the tests and try_run checks.
set(CMAKE_CROSSCOMPILING_EMULATOR wine)
