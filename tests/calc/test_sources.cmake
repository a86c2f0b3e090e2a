# The calculation's tests, one list for every program that runs them: natively
# and under node (tests/calc), as Tarvo.exe's processor computes under Wine
# (tests/win32), and as an i686 Linux program on qemu (tests/calc/i686).
set(TARVO_CALC_TEST_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/calculation_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/conversions_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/exact_root_model.cpp
    ${CMAKE_CURRENT_LIST_DIR}/root_rounding_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/short_texts_test.cpp)
