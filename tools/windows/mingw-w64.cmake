# SPDX-License-Identifier: MIT
# Cross-compiling for 64-bit Windows with Debian's mingw-w64 (posix thread model). Qt for Windows
# is built with this file; the program itself is built through the qt.toolchain.cmake that Qt's
# install writes, which loads this one.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(CUBOMANCER_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${CUBOMANCER_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${CUBOMANCER_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${CUBOMANCER_MINGW_TRIPLE}-windres)

# Libraries and headers come from the mingw sysroot only; programs (moc, uic, rcc) from the host.
set(CMAKE_FIND_ROOT_PATH /usr/${CUBOMANCER_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Every program stands alone: without -static, even a static Qt leaves programs needing
# libgcc_s_seh-1.dll and libstdc++-6.dll from the mingw runtime (g++-mingw-w64 12.2).
set(CMAKE_EXE_LINKER_FLAGS_INIT -static)
