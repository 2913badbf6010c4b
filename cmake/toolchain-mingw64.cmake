# The project's own build: the toolchain that the SDK ships, and Wine to run what it builds.
include(${CMAKE_CURRENT_LIST_DIR}/../sdk/toolchain-mingw64.cmake)

# ctest starts every cross-built test through this wrapper; the test script provides the
# display and the private WINEPREFIX in the environment.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-exec)
