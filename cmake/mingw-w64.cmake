# Cross-compiles for 64-bit Windows with Debian's MinGW-w64 toolchain (POSIX
# threads). Libraries come from the Windows dependency cache that
# scripts/windows/build-deps.sh fills, never from the build machine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

if(DEFINED ENV{VARNE_WIN_CACHE})
  set(VARNE_WIN_PREFIX $ENV{VARNE_WIN_CACHE}/prefix)
else()
  set(VARNE_WIN_PREFIX $ENV{HOME}/.cache/3d-varne-win/prefix)
endif()

set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32 ${VARNE_WIN_PREFIX})
set(CMAKE_PREFIX_PATH ${VARNE_WIN_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# pkg-config reads only the cache's .pc files.
set(ENV{PKG_CONFIG_LIBDIR} ${VARNE_WIN_PREFIX}/lib/pkgconfig)
set(ENV{PKG_CONFIG_PATH} "")
