# Cross-compiling for Windows with Debian's mingw-w64 (posix threads).
# VANTORA_WIN_ARCH selects i686 (the shipped 32-bit build, default) or x86_64
# (the same sources, used to run the Wine tests on kernels that cannot execute
# 32-bit code).
if(NOT VANTORA_WIN_ARCH)
  set(VANTORA_WIN_ARCH "$ENV{VANTORA_WIN_ARCH}")
endif()
if(NOT VANTORA_WIN_ARCH)
  set(VANTORA_WIN_ARCH i686)
endif()
set(VANTORA_WIN_ARCH "${VANTORA_WIN_ARCH}" CACHE STRING "Windows target: i686 or x86_64")
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES VANTORA_WIN_ARCH)

set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${VANTORA_WIN_ARCH})
set(_triple ${VANTORA_WIN_ARCH}-w64-mingw32)

set(CMAKE_C_COMPILER   ${_triple}-gcc-posix)
set(CMAKE_CXX_COMPILER ${_triple}-g++-posix)
set(CMAKE_RC_COMPILER  ${_triple}-windres)
set(VANTORA_WIDL       ${_triple}-widl)
set(VANTORA_OBJDUMP    ${_triple}-objdump)

set(CMAKE_FIND_ROOT_PATH /usr/${_triple})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# No MinGW runtime DLL ships: everything of the runtime is linked in.
set(_static "-static -static-libgcc -static-libstdc++")
set(CMAKE_EXE_LINKER_FLAGS_INIT    "${_static}")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "${_static} -Wl,--enable-stdcall-fixup")
set(CMAKE_MODULE_LINKER_FLAGS_INIT "${_static} -Wl,--enable-stdcall-fixup")
