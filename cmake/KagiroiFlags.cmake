# Flags every target of ours shares: language level, warnings, hardening.
add_library(kagiroi_flags INTERFACE)
target_compile_options(kagiroi_flags INTERFACE
    -Wall -Wextra -Werror -Wno-unknown-pragmas -ffp-contract=off
    -fstack-protector-strong
    $<$<NOT:$<CONFIG:Debug>>:-D_FORTIFY_SOURCE=2>)
if(WIN32)
    target_compile_definitions(kagiroi_flags INTERFACE UNICODE _UNICODE NOMINMAX)
    # MinGW's stack protector and fortified functions live in libssp, which only the link
    # option brings in.
    target_link_options(kagiroi_flags INTERFACE -fstack-protector-strong)
endif()
if(KAGIROI_SANITIZE)
    target_compile_options(kagiroi_flags INTERFACE
        -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    target_link_options(kagiroi_flags INTERFACE -fsanitize=address,undefined)
endif()

# The core keeps every text in Shift_JIS: its literals are compiled straight to CP932 bytes.
add_library(kagiroi_sjis_literals INTERFACE)
target_compile_options(kagiroi_sjis_literals INTERFACE -finput-charset=UTF-8 -fexec-charset=CP932)
