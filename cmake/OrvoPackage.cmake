# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package of what `cmake --install` lays out, made by CPack:
#   cpack --config BUILD/CPackConfig.cmake
# Its Depends are the shared libraries the programs link (found by
# dpkg-shlibdeps) and what they need at run time without linking it: Qt's
# platform plugins to open a window, anthy's dictionary and the Japanese font.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME orvo)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
# GPL-3.0-or-later: share/doc/orvo/copyright says so, and what else the package holds.
set(CPACK_RESOURCE_FILE_LICENSE "${PROJECT_SOURCE_DIR}/LICENSE")
set(CPACK_PACKAGE_VENDOR "Orvo")
set(CPACK_PACKAGE_CONTACT "Orvo developers <orvo@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "notepad for writing Japanese in braille on an ordinary keyboard")
set(CPACK_PACKAGE_DESCRIPTION "Six letter keys are the six dots of a braille cell; each cell is read
by the rules of Japanese braille and typed into the input method as romaji. Around that it is a
plain-text editor, usable from the keyboard alone and with a screen reader.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION editors)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-translations-l10n, anthy, fonts-ipafont-gothic")
set(CPACK_STRIP_FILES ON)
include(CPack)
