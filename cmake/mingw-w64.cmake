# Cross build for 64-bit Windows with MinGW-w64 (Debian: g++-mingw-w64-x86-64). The posix thread
# model is the one whose C++ runtime has std::mutex, which GoogleTest needs.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix) # GoogleTest's project enables C
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Every executable is self-contained: the C++ runtime, libgcc and winpthreads are linked in, so
# that it needs only the DLLs that come with Windows.
set(CMAKE_EXE_LINKER_FLAGS_INIT -static)
