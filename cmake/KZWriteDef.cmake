# cmake -DCOMPILER=<C++ compiler> -DHEADER=<header> -DBASE=<base.def> -DOUTPUT=<out.def>
#       -P KZWriteDef.cmake
#
# Writes the base .def file followed by every function that the header declares for the
# compiler's target: the header is preprocessed as C++ (so declarations for other platforms
# drop out and C++-only ones stay), and a declaration is an identifier that starts with "Tw"
# followed by an opening parenthesis. Macros are gone after preprocessing, and callback
# typedefs put a closing parenthesis after their name, so only function declarations match.
# Names already in the base file are not repeated.
execute_process(COMMAND ${COMPILER} -E -P -x c++ -std=c++17 ${HEADER}
    OUTPUT_VARIABLE header ERROR_VARIABLE errors RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "${COMPILER} could not preprocess ${HEADER}:\n${errors}")
endif()
file(READ ${BASE} base)
string(REGEX MATCHALL "[^A-Za-z0-9_]Tw[A-Za-z0-9_]*[ \t\r\n]*\\(" calls "${header}")
set(names)
foreach(call ${calls})
    string(REGEX MATCH "Tw[A-Za-z0-9_]*" name "${call}")
    list(APPEND names ${name})
endforeach()
list(REMOVE_DUPLICATES names)
if(NOT names)
    message(FATAL_ERROR "${HEADER} declares no function")
endif()
set(def "${base}")
if(NOT def MATCHES "\n$")
    string(APPEND def "\n")
endif()
foreach(name ${names})
    if(NOT base MATCHES "\n[ \t]*${name}[ \t\r]*[\n=]")
        string(APPEND def "    ${name}\n")
    endif()
endforeach()
# Unchanged content keeps the file's time, so that the DLL is not linked again for nothing.
file(WRITE ${OUTPUT}.new "${def}")
file(COPY_FILE ${OUTPUT}.new ${OUTPUT} ONLY_IF_DIFFERENT)
file(REMOVE ${OUTPUT}.new)
