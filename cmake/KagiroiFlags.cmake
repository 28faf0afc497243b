# Flags every target of ours shares: language level, warnings, hardening.
add_library(kagiroi_flags INTERFACE)
target_compile_options(kagiroi_flags INTERFACE
    -Wall -Wextra -Wno-unknown-pragmas -ffp-contract=off
    -fstack-protector-strong
    $<$<NOT:$<CONFIG:Debug>>:-D_FORTIFY_SOURCE=2>)
# Warnings stop the project's own test and CI builds; a user's build only shows them, so that a
# newer compiler's new warning never keeps anyone from running the program.
if(KAGIROI_WERROR)
    target_compile_options(kagiroi_flags INTERFACE -Werror)
    # GCC 12 at -O3 warns falsely about overlapping copies inside std::string's operator+
    # (GCC bug 105329); the warning stays, it does not stop the build.
    if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
        target_compile_options(kagiroi_flags INTERFACE -Wno-error=restrict)
    endif()
endif()
if(WIN32)
    target_compile_definitions(kagiroi_flags INTERFACE UNICODE _UNICODE NOMINMAX)
endif()
if(KAGIROI_SANITIZE)
    target_compile_options(kagiroi_flags INTERFACE
        -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    target_link_options(kagiroi_flags INTERFACE -fsanitize=address,undefined)
endif()

# The core keeps every text in Shift_JIS: its literals are compiled straight to CP932 bytes.
add_library(kagiroi_sjis_literals INTERFACE)
target_compile_options(kagiroi_sjis_literals INTERFACE -finput-charset=UTF-8 -fexec-charset=CP932)
