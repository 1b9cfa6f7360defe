# Cross-build for 64-bit Windows with Debian's clang against the mingw-w64 headers and libraries,
# the second compiler the Windows program is kept building with.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(triple x86_64-w64-mingw32)
find_program(LUMARIN_CLANG NAMES clang clang-14 REQUIRED)
find_program(LUMARIN_CLANGXX NAMES clang++ clang++-14 REQUIRED)
set(CMAKE_C_COMPILER ${LUMARIN_CLANG})
set(CMAKE_CXX_COMPILER ${LUMARIN_CLANGXX})
set(CMAKE_C_COMPILER_TARGET ${triple})
set(CMAKE_CXX_COMPILER_TARGET ${triple})
set(CMAKE_RC_COMPILER ${triple}-windres)
# clang does not find Debian's mingw-w64 libstdc++ (its folder is named 12-posix): name it.
file(GLOB gcc_dirs /usr/lib/gcc/${triple}/*-posix)
list(GET gcc_dirs 0 gcc_dir)
set(cxx ${gcc_dir}/include/c++)
set(CMAKE_CXX_FLAGS_INIT "-nostdinc++ -isystem ${cxx} -isystem ${cxx}/${triple} -isystem ${cxx}/backward")
set(CMAKE_EXE_LINKER_FLAGS_INIT "-L${gcc_dir} -pthread")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-L${gcc_dir} -pthread")
# The posix-threads libstdc++ needs winpthreads, linked statically like the rest of the runtime.
set(CMAKE_CXX_STANDARD_LIBRARIES "-Wl,-Bstatic -lpthread -lkernel32 -luser32 -lgdi32 -lshell32 -lole32 -lcomdlg32 -ladvapi32"
    CACHE STRING "")
set(CMAKE_FIND_ROOT_PATH /usr/${triple})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
