# The version resource that Windows shows under a file's Properties, made from the one version
# number of the project (project() in the top CMakeLists.txt).
set(KZ_VERSION_TEMPLATE ${CMAKE_CURRENT_LIST_DIR}/KZVersion.rc.in)

# kz_version_resource(<target> <description>) for a DLL or an EXE target.
function(kz_version_resource target description)
    get_target_property(type ${target} TYPE)
    get_target_property(output_name ${target} OUTPUT_NAME)
    if(NOT output_name)
        set(output_name ${target})
    endif()
    if(type STREQUAL "EXECUTABLE")
        set(KZ_FILE_TYPE VFT_APP)
        set(KZ_FILE_NAME ${output_name}.exe)
    else()
        set(KZ_FILE_TYPE VFT_DLL)
        set(KZ_FILE_NAME ${output_name}.dll)
    endif()
    set(KZ_FILE_DESCRIPTION "${description}")
    set(rc ${CMAKE_CURRENT_BINARY_DIR}/${target}-version.rc)
    configure_file(${KZ_VERSION_TEMPLATE} ${rc} @ONLY)
    target_sources(${target} PRIVATE ${rc})
endfunction()
