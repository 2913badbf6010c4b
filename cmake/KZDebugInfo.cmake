# What ships is stripped: after each link the debugging information moves into <file>.debug
# beside the binary, and the binary keeps only a link to it (.gnu_debuglink), which debuggers
# follow. The .debug files install with the component "debug" (sdk/CMakeLists.txt).

# kz_split_debug_info(<target>), called in the directory that creates the target.
function(kz_split_debug_info target)
    add_custom_command(TARGET ${target} POST_BUILD
        COMMAND ${CMAKE_OBJCOPY} --only-keep-debug $<TARGET_FILE:${target}>
            $<TARGET_FILE:${target}>.debug
        COMMAND ${CMAKE_OBJCOPY} --strip-all
            --add-gnu-debuglink=$<TARGET_FILE:${target}>.debug $<TARGET_FILE:${target}>
        VERBATIM)
endfunction()
