# cmake -DCOMPILER=<C++ compiler> -DWRITE_DEF=<KZWriteDef.cmake> -DOUTPUT=<out.def> -P Check.cmake
#
# Runs the export table generator on Api.h and Base.def beside this file and compares what it
# writes with Expected.def: every declaration a Windows caller sees, in the shapes clang-format
# and older headers give them, once, after the base file's own entries; nothing from comments,
# macros, typedefs or other platforms' branches.
cmake_minimum_required(VERSION 3.25)
set(here ${CMAKE_CURRENT_LIST_DIR})
execute_process(COMMAND ${CMAKE_COMMAND} -DCOMPILER=${COMPILER} -DHEADER=${here}/Api.h
    -DBASE=${here}/Base.def -DOUTPUT=${OUTPUT} -P ${WRITE_DEF} RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "the generator failed on ${here}/Api.h")
endif()
file(READ ${OUTPUT} written)
file(READ ${here}/Expected.def expected)
if(NOT written STREQUAL expected)
    message(FATAL_ERROR "the generator wrote\n${written}\ninstead of\n${expected}")
endif()
