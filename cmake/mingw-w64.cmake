# Cross-compiles for 64-bit Windows with Debian's MinGW-w64 (posix threads),
# linked statically so that the programs run under Wine without any DLL.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
# Windows 7 and later: CompareStringEx, LCMapStringEx.
add_compile_definitions(_WIN32_WINNT=0x0601 WINVER=0x0601 UNICODE _UNICODE)
set(CMAKE_CROSSCOMPILING_EMULATOR wine)
# GCC 12 sees overlaps and uninitialised strings inside libstdc++ at -O2 that are not there.
add_compile_options(-Wno-restrict -Wno-maybe-uninitialized)
# The desktop program's libraries, as scripts/prepare-windows-libs leaves them:
# Qt (its tools are the build machine's own of the same version), libcurl, libjpeg.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES ZORVA_WINDOWS_LIBS)
if(ZORVA_WINDOWS_LIBS)
    foreach(library qt curl jpeg)
        list(APPEND CMAKE_FIND_ROOT_PATH ${ZORVA_WINDOWS_LIBS}/${library})
        list(APPEND CMAKE_PREFIX_PATH ${ZORVA_WINDOWS_LIBS}/${library})
    endforeach()
    set(QT_HOST_PATH /usr)
    set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake)
endif()
