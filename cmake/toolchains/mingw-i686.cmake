# Cross build for 32-bit Windows (the bridge that loads the 32-bit data-service component), with
# Debian's MinGW-w64, posix thread model, static runtime.
set(KAGIROI_MINGW_TRIPLET i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
