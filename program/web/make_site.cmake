# Lays out the static site: the page, its style sheet, its script and module,
# the icons and the manifest, then the service worker that keeps exactly these,
# then the zip of it all.
# cmake -DSITE=DIR -DZIP=FILE -DFILES=LIST -DSTYLE=CSS -DWORKER=TEMPLATE -P make_site.cmake
file(REMOVE_RECURSE ${SITE})
file(MAKE_DIRECTORY ${SITE})
file(COPY ${FILES} DESTINATION ${SITE})
file(COPY_FILE ${STYLE} ${SITE}/tarvo.css)

# The module again, for a page opened from the disk, where it cannot be fetched.
file(READ ${SITE}/tarvo.wasm module HEX)
file(WRITE ${SITE}/tarvo-module.js
    "var Module = {wasmBinary: Uint8Array.from('${module}'.match(/../g), byte => parseInt(byte, 16))};\n")

file(GLOB names RELATIVE ${SITE} ${SITE}/*)
list(REMOVE_ITEM names tarvo-module.js)
list(SORT names)
set(contents "")
set(TARVO_SITE_FILES "'./'")
foreach(name IN LISTS names)
    file(SHA256 ${SITE}/${name} hash)
    string(APPEND contents "${name} ${hash}\n")
    string(APPEND TARVO_SITE_FILES ", '${name}'")
endforeach()
string(SHA256 TARVO_SITE_HASH "${contents}")
string(SUBSTRING ${TARVO_SITE_HASH} 0 16 TARVO_SITE_HASH)
configure_file(${WORKER} ${SITE}/service-worker.js @ONLY)

file(REMOVE ${ZIP})
file(GLOB everything RELATIVE ${SITE} ${SITE}/*)
execute_process(COMMAND ${CMAKE_COMMAND} -E tar cf ${ZIP} --format=zip ${everything}
    WORKING_DIRECTORY ${SITE} COMMAND_ERROR_IS_FATAL ANY)
