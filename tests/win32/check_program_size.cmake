# Tarvo.exe as the zip and the installer ship it, stripped, within its budget:
# a library part the program does not need (iostreams, a locale, floating-point
# formatting) costs tens of kilobytes.
#     cmake -DPROGRAM=Tarvo.exe -DSTRIP=strip -DSTRIPPED=copy.exe -DBUDGET=bytes -P check_program_size.cmake
execute_process(COMMAND ${STRIP} -o ${STRIPPED} ${PROGRAM} RESULT_VARIABLE status)
if(status)
    message(FATAL_ERROR "cannot strip ${PROGRAM}")
endif()
file(SIZE ${STRIPPED} size)
if(size GREATER BUDGET)
    message(FATAL_ERROR "Tarvo.exe is ${size} bytes stripped, over its budget of ${BUDGET}")
endif()
message(STATUS "Tarvo.exe is ${size} bytes stripped, within ${BUDGET}")
