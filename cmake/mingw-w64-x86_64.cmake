# Cross-compiling for 64-bit Windows with Debian's mingw-w64 (posix thread model: std::thread and
# std::jthread work). Libraries come from the mingw sysroot and from the folder the Windows
# dependency build fills (VELQUIST_WINDOWS_DEPS); test programs run under wine64.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR AMD64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

if(NOT VELQUIST_WINDOWS_DEPS)
  if(DEFINED ENV{VELQUIST_WINDOWS_DEPS})
    set(VELQUIST_WINDOWS_DEPS "$ENV{VELQUIST_WINDOWS_DEPS}")
  elseif(DEFINED ENV{VELQUIST_WINDOWS_CACHE})
    set(VELQUIST_WINDOWS_DEPS "$ENV{VELQUIST_WINDOWS_CACHE}/win64")
  else()
    set(VELQUIST_WINDOWS_DEPS "$ENV{HOME}/.cache/velquist-windows/win64")
  endif()
endif()
# try_compile projects read this file again; hand them the same folder.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES VELQUIST_WINDOWS_DEPS)

set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32 "${VELQUIST_WINDOWS_DEPS}")
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# pkg-config must see the Windows libraries only, never the host's.
set(ENV{PKG_CONFIG_LIBDIR}
    "${VELQUIST_WINDOWS_DEPS}/lib/pkgconfig:/usr/x86_64-w64-mingw32/lib/pkgconfig")
set(ENV{PKG_CONFIG_PATH} "")

find_program(VELQUIST_WINE64 NAMES wine64 PATHS /usr/lib/wine NO_DEFAULT_PATH)
if(NOT VELQUIST_WINE64)
  find_program(VELQUIST_WINE64 wine64)
endif()
if(VELQUIST_WINE64)
  set(CMAKE_CROSSCOMPILING_EMULATOR "${VELQUIST_WINE64}")
endif()
