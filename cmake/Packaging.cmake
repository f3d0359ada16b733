# The Debian package: cpack -G DEB (scripts/package.sh) makes
# heliokres_<version>_amd64.deb from the installation into /usr.
set(CPACK_PACKAGE_NAME heliokres)
set(CPACK_PACKAGE_VENDOR "Heliokres")
set(CPACK_PACKAGE_CONTACT "${HELIOKRES_MAINTAINER}")
set(CPACK_PACKAGE_HOMEPAGE_URL "${HELIOKRES_HOMEPAGE}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "projection drawings of sunspots, statistics and reports")
set(CPACK_PACKAGE_DESCRIPTION
    "Heliokres is a desktop program for observers of the Sun who make projection\n"
    "drawings of sunspots. It keeps every drawing of a station in one record file,\n"
    "redraws each drawing on a heliographic grid with the Sun's orientation at the\n"
    "moment of observation, derives daily, monthly and smoothed values, writes the\n"
    "monthly reports for SIDC, CV-Helios and Inter-Sol, and draws graphs, the\n"
    "butterfly diagram and synoptic maps. Its texts are Czech.\n"
    "\n"
    "The package also holds heliokres-cli, which does the same jobs from the\n"
    "command line.")
string(REPLACE ";" "" CPACK_PACKAGE_DESCRIPTION "${CPACK_PACKAGE_DESCRIPTION}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)

set(CPACK_DEBIAN_PACKAGE_NAME heliokres)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${HELIOKRES_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own dialogs in Czech, and the fonts the pictures are drawn with.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, fonts-dejavu-core")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)

include(CPack)
