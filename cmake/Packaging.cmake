# The Debian package: `cpack -G DEB` in a built tree (`make package` does it
# all). It holds what `cmake --install` installs, below /usr.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME korvane)
set(CPACK_PACKAGE_VENDOR Korvane)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT ${KORVANE_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "programming tool for a motorcycle ignition and injection unit")
# Debian wants the long description in lines of less than 80 characters.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
  "Korvane reads, edits, programs and verifies the parameters of a motorcycle"
  "engine control unit that drives ignition and fuel injection, over a serial"
  "line (57600 baud, 8N1). It shows live engine data, edits the advance and"
  "injection maps, curves, limiters and corrections, loads the defaults of 29"
  "motorcycle models, saves *.ign parameter files and prints, in English,"
  "German, French and Czech."
  "."
  "The package also holds korvane-cli, for workshop and dyno scripts, and"
  "korvane-unit-sim, a simulated unit on a pseudo-terminal.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${KORVANE_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries the programs link are found by dpkg-shlibdeps (dpkg-dev, file).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own texts in the four languages, the PDF viewer hand-off of F1, printing.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, xdg-utils")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "cups")

# The staged programs lose what strip leaves and Debian's dh_strip removes.
set(CPACK_KORVANE_STRIP ${CMAKE_STRIP})
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/CheckPackageManuals.cmake
  ${CMAKE_CURRENT_LIST_DIR}/StripPackagePrograms.cmake)

include(CPack)
