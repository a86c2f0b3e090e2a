# Cross-builds Tarvo.exe for 32-bit Windows with Debian's mingw-w64.
set(TARVO_MINGW_PROCESSOR i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
