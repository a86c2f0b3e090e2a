# Our warnings, target by target, so that code we build but did not write
# (GoogleTest in the Windows build) keeps its own flags.
function(tarvo_warnings target)
    target_compile_options(${target} PRIVATE
        $<$<COMPILE_LANGUAGE:CXX>:-Wall -Wextra -Wpedantic -Wconversion -Wshadow>
        $<$<AND:$<COMPILE_LANGUAGE:CXX>,$<BOOL:${TARVO_WARNINGS_AS_ERRORS}>>:-Werror>)
endfunction()
