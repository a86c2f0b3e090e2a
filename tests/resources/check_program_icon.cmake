# The program carries its window icon: the compiled-in resource names of the
# icon's PNGs are in the executable.
#     cmake -DPROGRAM=path/to/tarvo -P check_program_icon.cmake
file(READ ${PROGRAM} contents HEX)
foreach(name tarvo-16.png tarvo-32.png)
    # Resource names are stored in UTF-16, big-endian.
    string(HEX ${name} ascii)
    string(REGEX REPLACE "(..)" "00\\1" utf16 ${ascii})
    string(FIND "${contents}" "${utf16}" at)
    math(EXPR odd "${at} % 2")
    if(at EQUAL -1 OR odd)
        message(FATAL_ERROR "${PROGRAM} carries no ${name}")
    endif()
endforeach()
