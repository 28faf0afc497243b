# Cross build for 64-bit Windows with Debian's MinGW-w64 (posix thread model, so std::thread
# and std::mutex work), the C++ runtime linked in so the programs run without MinGW DLLs.
set(KAGIROI_MINGW_TRIPLET x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
