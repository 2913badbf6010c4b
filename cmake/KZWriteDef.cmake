# cmake -DPREPROCESSED=<header.i> -DBASE=<base.def> -DOUTPUT=<out.def> -P KZWriteDef.cmake
#
# Writes the base .def file followed by every function that the preprocessed header declares:
# an identifier that starts with "Tw" and is followed by an opening parenthesis. Macros are gone
# after preprocessing, and callback typedefs put a closing parenthesis after their name, so
# only function declarations match. Names already in the base file are not repeated.
file(READ ${PREPROCESSED} header)
file(READ ${BASE} base)
string(REGEX MATCHALL "[^A-Za-z0-9_]Tw[A-Za-z0-9_]*[ \t\r\n]*\\(" calls "${header}")
set(names)
foreach(call ${calls})
    string(REGEX MATCH "Tw[A-Za-z0-9_]*" name "${call}")
    list(APPEND names ${name})
endforeach()
list(REMOVE_DUPLICATES names)
if(NOT names)
    message(FATAL_ERROR "${PREPROCESSED} declares no function")
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
