# Cross-builds Tarvo.exe for 64-bit Windows with Debian's mingw-w64.
set(TARVO_MINGW_PROCESSOR x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
