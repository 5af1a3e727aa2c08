# A Debian package of the installed tree: `cpack -G DEB` in the build folder. Its Depends is
# what dpkg-shlibdeps finds the binaries linked against, plus the helpers the program runs
# (xdg-open for printing and online help) and a font for the window. No maintainer scripts:
# the triggers of shared-mime-info, desktop-file-utils and hicolor-icon-theme rebuild the
# MIME database, the desktop database and the icon cache when these files come and go.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME lettermaze)
set(CPACK_PACKAGE_VENDOR "${LETTERMAZE_PUBLISHER}")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "word-search puzzle maker and solver")
set(CPACK_PACKAGE_DESCRIPTION
    "Lettermaze hides a list of words in a grid of letters, along rows, columns and
diagonals, forwards or reversed as the difficulty level allows, and lets you
find them again with the mouse. Puzzles are saved as .lm files, turned into
web pages or printed through the web browser; a word-list library supplies
random words.

The lettermaze-cli command makes, checks and solves the same puzzles from the
command line, for batches of worksheets.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# Installing the one component there is by name keeps CPack's own install from replacing
# build/install_manifest.txt, the list of what `cmake --install` put where.
set(CPACK_INSTALL_CMAKE_PROJECTS "${CMAKE_BINARY_DIR};${PROJECT_NAME};Unspecified;/")
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${LETTERMAZE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${LETTERMAZE_HOMEPAGE}")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "xdg-utils, fonts-liberation | fonts-dejavu-core")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "shared-mime-info, desktop-file-utils")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
