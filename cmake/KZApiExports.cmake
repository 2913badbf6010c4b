# Export tables that follow the engine's header. The header is run through the compiler's
# preprocessor (so that only what a Windows x64 caller sees counts) and every function it
# declares is appended to a base .def file; the linker then exports the whole API from the DLL
# and pulls the implementing objects out of the engine's static libraries. A function added to
# the header is exported by the next build without anyone touching a list, and one that is
# declared but not implemented fails that link.
set(KZ_API_HEADER ${PROJECT_SOURCE_DIR}/tweakbar/include/AntTweakBar.h)
set(KZ_WRITE_DEF_SCRIPT ${CMAKE_CURRENT_LIST_DIR}/KZWriteDef.cmake)

# kz_api_def(<output.def> <base.def>): the rule that writes <output.def> in the calling
# directory, for a target of that directory to list among its sources.
function(kz_api_def output base)
    get_filename_component(name ${output} NAME_WE)
    add_custom_command(OUTPUT ${output}
        COMMAND ${CMAKE_COMMAND} -DCOMPILER=${CMAKE_CXX_COMPILER} -DHEADER=${KZ_API_HEADER}
            -DBASE=${base} -DOUTPUT=${output} -P ${KZ_WRITE_DEF_SCRIPT}
        DEPENDS ${KZ_API_HEADER} ${base} ${KZ_WRITE_DEF_SCRIPT}
        COMMENT "Export table ${name}.def from the engine's header"
        VERBATIM)
endfunction()
