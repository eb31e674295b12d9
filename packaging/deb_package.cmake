# The Debian package: `cmake --build build --target package` (or
# ./run.sh --package) writes build/corvane-tool_VERSION_ARCH.deb holding what
# the install rules install below /usr. Its Depends come from the shared
# libraries the programs link (dpkg-shlibdeps).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME corvane-tool)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Corvane Tool developers")
set(CPACK_PACKAGE_CONTACT "Corvane Tool developers <corvane-tool@users.noreply.github.com>")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://github.com/corvane/corvane-tool")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "set up the network interface of Zephran POS receipt printers")
set(CPACK_PACKAGE_DESCRIPTION
  "Corvane Tool finds Zephran receipt printers on the local network and changes
their IP settings, surveys the access points a wireless printer sees, and
reads, edits and writes the whole wireless configuration of a printer on a
serial port or a USB printer cable, including its TLS certificates.
.
The package holds the desktop tool (corvane-tool), the command line for
scripts (corvane) and a printer simulator for trying both without a printer
(corvane-printer-sim).")
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
if(CORVANE_BUILD_GUI)
  # The windows need a platform plugin, which libqt6gui6 only recommends,
  # and Qt's own translations: without them the standard buttons and file
  # dialogs stay English in a translated window.
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-translations-l10n")
endif()

# `package_source`: the sources without build trees or version control.
set(CPACK_SOURCE_GENERATOR TXZ)
set(CPACK_SOURCE_IGNORE_FILES "/[.]git" "/build[^/]*/" "/out/")

include(CPack)
