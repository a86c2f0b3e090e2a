# A tool of ours built for the build machine while cross-building: the CMake
# project in `source_dir`, Release, into build/host/<name>, with any further
# CMake arguments after `program`. Sets `<target>_program` in the caller to the
# built `program`.
include(ExternalProject)

function(tarvo_host_tool target source_dir program)
    set(binary_dir ${PROJECT_BINARY_DIR}/host/${target})
    ExternalProject_Add(${target}
        SOURCE_DIR ${source_dir}
        BINARY_DIR ${binary_dir}
        CMAKE_ARGS -DCMAKE_BUILD_TYPE=Release ${ARGN}
        BUILD_ALWAYS ON
        INSTALL_COMMAND ""
        BUILD_BYPRODUCTS ${binary_dir}/${program})
    set(${target}_program ${binary_dir}/${program} PARENT_SCOPE)
endfunction()
