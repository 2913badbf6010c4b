# Warnings are on and clean for the project's own targets (not for third-party sources).
function(kz_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wconversion
        -Wno-sign-conversion -Werror)
endfunction()
