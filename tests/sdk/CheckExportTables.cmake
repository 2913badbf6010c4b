# cmake -DOBJDUMP=<objdump> -DHEADER=<AntTweakBar.h> -DMODULE=<KZConsole.dll>
#       -DMODULE_DEF=<module/KZConsole.def> -DENGINE=<AntTweakBar.dll> -DPROXY=<dxgi.dll>
#       -P CheckExportTables.cmake
#
# Reads the DLLs' export and import tables as the loader sees them, against the header: every
# function the header declares is exported by KZConsole.dll beside the module's own exports,
# and AntTweakBar.dll exports exactly those functions plus the old name TwEventWin32.
# AntTweakBar.dll imports only Windows system DLLs; KZConsole.dll also the host's two. The proxy
# dxgi.dll exports every name of the system's dxgi.dll in the Wine prefix ($WINEPREFIX) and
# imports only system DLLs.
cmake_minimum_required(VERSION 3.25)
set(failures 0)
macro(fail text)
    message(SEND_ERROR "${text}")
    math(EXPR failures "${failures} + 1")
endmacro()

# The header as its readers see it: the declarations, whatever the comments say.
file(READ ${HEADER} header)
string(REGEX REPLACE "//[^\n]*" "" header "${header}")
string(REGEX MATCHALL "TW_CALL[ \t\r\n]+Tw[A-Za-z0-9_]*[ \t\r\n]*\\(" declarations "${header}")
set(declared)
foreach(declaration ${declarations})
    string(REGEX MATCH "Tw[A-Za-z0-9_]*" name "${declaration}")
    list(APPEND declared ${name})
endforeach()

file(STRINGS ${MODULE_DEF} moduleOwn REGEX "^[ \t]+[A-Za-z_]")
string(REGEX REPLACE "[ \t]+" "" moduleOwn "${moduleOwn}")

# exports_and_imports(<dll> <exports var> <imports var>)
function(exports_and_imports dll exportsVar importsVar)
    execute_process(COMMAND ${OBJDUMP} -p ${dll} OUTPUT_VARIABLE table RESULT_VARIABLE result)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "${OBJDUMP} -p ${dll} failed")
    endif()
    string(REGEX MATCH "\\[Ordinal/Name Pointer\\] Table\n([^\n]+\n)*" names "${table}")
    string(REGEX MATCHALL "\\[ *[0-9]+\\] [A-Za-z_][A-Za-z0-9_]*" entries "${names}")
    set(exported)
    foreach(entry ${entries})
        string(REGEX MATCH "[A-Za-z_][A-Za-z0-9_]*$" name "${entry}")
        list(APPEND exported ${name})
    endforeach()
    string(REGEX MATCHALL "DLL Name: [^\n]+" lines "${table}")
    set(imports)
    foreach(line ${lines})
        string(SUBSTRING "${line}" 10 -1 import)
        string(TOLOWER "${import}" import)
        list(APPEND imports ${import})
    endforeach()
    set(${exportsVar} ${exported} PARENT_SCOPE)
    set(${importsVar} ${imports} PARENT_SCOPE)
endfunction()

set(system kernel32.dll user32.dll gdi32.dll msvcrt.dll ucrtbase.dll advapi32.dll ole32.dll
    shell32.dll ntdll.dll d3d11.dll dxgi.dll d3dcompiler_47.dll version.dll)

# check(<dll> <allowed imports> <required exports...>); sets `exports` to what the DLL exports.
function(check dll allowedImports)
    exports_and_imports(${dll} exports imports)
    set(missing ${ARGN})
    list(REMOVE_ITEM missing ${exports})
    if(missing)
        fail("${dll} does not export: ${missing}")
    endif()
    foreach(import ${imports})
        if(NOT import IN_LIST allowedImports AND NOT import MATCHES "^api-ms-win-")
            fail("${dll} imports ${import}, which is not a Windows system DLL")
        endif()
    endforeach()
    set(exports ${exports} PARENT_SCOPE)
    set(failures ${failures} PARENT_SCOPE)
endfunction()

check(${MODULE} "${system};kzbase.dll;kzlog.dll" ${moduleOwn} ${declared})
check(${ENGINE} "${system}" ${declared} TwEventWin32)
set(extra ${exports})
list(REMOVE_ITEM extra ${declared} TwEventWin32)
if(extra)
    fail("${ENGINE} exports what the header does not declare: ${extra}")
endif()

set(system_dxgi $ENV{WINEPREFIX}/drive_c/windows/system32/dxgi.dll)
if(NOT EXISTS ${system_dxgi})
    fail("no system dxgi.dll to compare the proxy with: ${system_dxgi}")
else()
    exports_and_imports(${system_dxgi} systemExports ignored)
    check(${PROXY} "${system}" ${systemExports})
endif()

if(failures GREATER 0)
    message(FATAL_ERROR "${failures} export table checks failed")
endif()
list(LENGTH declared n)
message(STATUS "both DLLs export the header's ${n} functions, the proxy the system's dxgi.dll's; "
    "imports are system DLLs")
