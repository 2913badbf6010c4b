# cmake -DSOURCE=<plug-in project> -DSDK=<installed SDK> -DBUILD=<dir> -P ConfigureNatively.cmake
#
# Configures the plug-in with the build machine's own compiler and CMAKE_PREFIX_PATH alone, as
# an author who forgot the toolchain file would, and expects the package's refusal.
cmake_minimum_required(VERSION 3.25)
file(REMOVE_RECURSE ${BUILD})
execute_process(COMMAND ${CMAKE_COMMAND} -S ${SOURCE} -B ${BUILD} -DCMAKE_PREFIX_PATH=${SDK}
    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(result EQUAL 0)
    message(FATAL_ERROR "configured without a Windows toolchain:\n${output}")
endif()
string(REGEX REPLACE "[ \t\r\n]+" " " said "${output}")
foreach(expected "Windows x64 DLLs built with MinGW-w64"
        "-DCMAKE_TOOLCHAIN_FILE=${SDK}/share/KZConsole/toolchain-mingw64.cmake")
    string(FIND "${said}" "${expected}" at)
    if(at EQUAL -1)
        message(FATAL_ERROR "the refusal does not say \"${expected}\":\n${output}")
    endif()
endforeach()
message(STATUS "refused at configure time:\n${output}")
