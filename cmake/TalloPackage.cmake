# The Debian package of the editor and tallo-db (scripts/package runs `cpack -G DEB`). It holds
# what `cmake --install` installs, under /usr; its dependencies on the Qt 6 and system
# libraries are found by dpkg-shlibdeps from the programs themselves.
set(CPACK_PACKAGE_NAME "tallo")
set(CPACK_PACKAGE_VENDOR "Tallo developers")
set(CPACK_PACKAGE_CONTACT "Tallo developers <tallo@example.invalid>")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "database editor of a football club-management game")
set(CPACK_PACKAGE_DESCRIPTION
    "tallo-editor edits the game's world (countries, clubs, players, staff, stadiums, referees \
and competitions) and compiles it into the game's binary database Master.dat, also unattended \
from the command line; tallo-db inspects, checks, converts and builds databases from scripts.")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION "games")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "bash-completion")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
