# The portable zip and the installer of Tarvo.exe, built by CPack.
set(CPACK_GENERATOR ZIP NSIS)
set(CPACK_PACKAGE_NAME Tarvo)
set(CPACK_PACKAGE_VERSION ${TARVO_VERSION_TEXT})
set(CPACK_PACKAGE_VENDOR "The Tarvo developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "quadratic equation solver that draws the quadratic formula")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGE_INSTALL_DIRECTORY Tarvo)
set(CPACK_STRIP_FILES ON)

if(CMAKE_SYSTEM_PROCESSOR STREQUAL "i686")
    set(tarvo_windows_arch win32)
    set(nsis_target x86-unicode)
else()
    set(tarvo_windows_arch win64)
    set(nsis_target amd64-unicode)
endif()
set(CPACK_PACKAGE_FILE_NAME Tarvo-${TARVO_VERSION_TEXT}-${tarvo_windows_arch})
# A 64-bit installer for the 64-bit program: it needs no 32-bit Windows layer.
set(CPACK_NSIS_DEFINES "Target ${nsis_target}")

# The Start-menu shortcut "Tarvo" to Tarvo.exe, with the program's icon, and
# the uninstall entry with the same icon.
set(CPACK_NSIS_DISPLAY_NAME Tarvo)
set(CPACK_NSIS_PACKAGE_NAME Tarvo)
set(CPACK_NSIS_INSTALLED_ICON_NAME Tarvo.exe)
set(CPACK_NSIS_MUI_ICON ${TARVO_ICON_FILE})
set(CPACK_NSIS_MUI_UNIICON ${TARVO_ICON_FILE})
set(CPACK_NSIS_MANIFEST_DPI_AWARE ON)

# Our own NSIS.template.in: for all users or for the current user alone, with
# its pages in Simplified Chinese on a Chinese Windows.
list(PREPEND CMAKE_MODULE_PATH ${CMAKE_CURRENT_LIST_DIR})

install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION . RENAME LICENSE.txt)
include(CPack)
