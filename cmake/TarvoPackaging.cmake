# The Debian package, built by CPack from the install rules.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tarvo)
set(CPACK_PACKAGE_VERSION ${TARVO_VERSION_TEXT})
set(CPACK_PACKAGE_VENDOR "The Tarvo developers")
set(CPACK_PACKAGE_CONTACT "The Tarvo developers <tarvo@example.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "quadratic equation solver that draws the quadratic formula")
# Lines kept short: Debian shows the long description as it stands.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
    "Tarvo is a small desktop program, in Simplified Chinese, that solves"
    "a·x² + b·x + c = 0 for three integer coefficients. It draws the quadratic"
    "formula for both roots, fills in the discriminant, b and 2a, and shows the"
    "roots beside them; a linear equation gets its single root, and the special"
    "cases get a message.")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
# dpkg-shlibdeps works the dependencies out from the libraries the program links
# and adds them to these. Without a Chinese face that app/qt/fonts.cpp substitutes
# for the windows' faces every caption is boxes; Qt's translations put the boxes'
# own context menu in Chinese.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-noto-cjk | fonts-wqy-zenhei | fonts-arphic-uming")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)

include(CPack)
