# A Debian package of the installed files: `cpack -G DEB` in the build folder
# (or scripts/package.sh) writes tarvik_<version>-<release>_<arch>.deb.
set(CPACK_PACKAGE_NAME tarvik)
set(CPACK_PACKAGE_VENDOR "Renvald")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Design and print CD covers and disc labels")
set(CPACK_PACKAGE_DESCRIPTION "Tarvik designs and prints the paper inlays of CD jewel cases (front cover,
inside cover, back cover with its two spines) and round disc labels. Covers
can be filled with the artist, title and track list of an audio CD, looked
up on a CDDB server or in a local CDDB folder.")
set(TARVIK_PACKAGE_CONTACT "Tarvik developers <tarvik@renvald.invalid>"
    CACHE STRING "Maintainer field of the Debian package")
set(CPACK_PACKAGE_CONTACT ${TARVIK_PACKAGE_CONTACT})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# the programs are built with debugging information; the package ships them
# without it
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
# the libraries the programs link are found by dpkg-shlibdeps; what Qt loads
# as plugins is named here: SVG icons (libqt6svg6), and "Arial" of documents
# and defaults drawn with its metric-compatible twin (fonts-liberation)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, libqt6svg6")
# TIFF, WebP and other picture formats
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-image-formats-plugins")
# label-sheet presets
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "glabels-data")

include(CPack)
