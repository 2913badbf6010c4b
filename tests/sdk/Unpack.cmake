# cmake -DCPACK_CONFIG=<CPackConfig.cmake> -DPACKAGE_FOLDER=<dir> -DUNPACKED=<dir>
#       -DEXPECTED_NAME=<KZConsole-version-win64> -P Unpack.cmake
#
# Makes the download as scripts/package does, checks its name, unpacks it into an empty folder
# and checks that a player and a plug-in author find there what the README promises, stripped.
cmake_minimum_required(VERSION 3.25)
file(REMOVE_RECURSE ${PACKAGE_FOLDER} ${UNPACKED})
file(MAKE_DIRECTORY ${UNPACKED})
execute_process(COMMAND ${CMAKE_CPACK_COMMAND} --config ${CPACK_CONFIG} -B ${PACKAGE_FOLDER}
    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cpack failed:\n${output}")
endif()
file(GLOB archives ${PACKAGE_FOLDER}/*.zip)
if(NOT archives STREQUAL "${PACKAGE_FOLDER}/${EXPECTED_NAME}.zip")
    message(FATAL_ERROR "expected ${EXPECTED_NAME}.zip, cpack made: ${archives}")
endif()
file(ARCHIVE_EXTRACT INPUT ${archives} DESTINATION ${UNPACKED})

set(expected README.txt LICENSE
    bin/kzlaunch.exe bin/KZBase.dll bin/KZLog.dll bin/KZDemo.exe bin/AntTweakBar.dll bin/dxgi.dll
    bin/plugins/KZConsole.dll bin/plugins/SamplePlugin.dll
    include/ConsoleApi.h include/AntTweakBar.h include/HostImports.h include/HostTypes.h
    lib/libKZConsole.dll.a lib/libAntTweakBar.dll.a lib/libKZLog.dll.a lib/libKZBase.dll.a
    lib/KZConsole.def lib/AntTweakBar.def lib/KZLog.def lib/KZBase.def
    lib/cmake/KZConsole/KZConsoleConfig.cmake lib/cmake/KZConsole/KZConsoleConfigVersion.cmake
    share/KZConsole/toolchain-mingw64.cmake
    share/KZConsole/sample-plugin/CMakeLists.txt share/KZConsole/sample-plugin/SamplePlugin.cpp)
set(missing)
foreach(file ${expected})
    if(NOT EXISTS ${UNPACKED}/${EXPECTED_NAME}/${file})
        list(APPEND missing ${file})
    endif()
endforeach()
if(missing)
    message(FATAL_ERROR "the unpacked download lacks: ${missing}")
endif()
# Debugging information stays out of the download (it is the install component "debug").
file(GLOB_RECURSE debug_files ${UNPACKED}/*.debug)
file(SIZE ${UNPACKED}/${EXPECTED_NAME}/bin/plugins/KZConsole.dll module_size)
if(debug_files OR module_size GREATER 3000000)
    message(FATAL_ERROR "not stripped: KZConsole.dll has ${module_size} bytes; ${debug_files}")
endif()
message(STATUS "${EXPECTED_NAME}.zip unpacked into ${UNPACKED}")
