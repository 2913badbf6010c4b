# Windows x64 with Debian's MinGW-w64 cross compilers (posix thread model, so that std::thread
# and std::mutex work):
#   cmake -S . -B build -DCMAKE_TOOLCHAIN_FILE=<sdk>/share/KZConsole/toolchain-mingw64.cmake
#         -DCMAKE_PREFIX_PATH=<sdk>
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_DLLTOOL x86_64-w64-mingw32-dlltool)

# Libraries, headers and packages are looked for in the cross compiler's tree only, never among
# the build machine's own. Packages given by CMAKE_PREFIX_PATH, and the SDK this file belongs to,
# count as part of that tree, so that find_package finds them without being re-rooted.
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32 ${CMAKE_PREFIX_PATH})
get_filename_component(_kz_sdk "${CMAKE_CURRENT_LIST_DIR}/../.." ABSOLUTE)
if(EXISTS "${_kz_sdk}/lib/cmake/KZConsole")
    list(APPEND CMAKE_FIND_ROOT_PATH "${_kz_sdk}")
endif()
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
