# SPDX-License-Identifier: MIT
# Packages of what `cmake --install` installs: a .deb on Debian and Ubuntu, a ZIP of the
# deployed program elsewhere. Build one with `cpack -G DEB` (or ZIP) in the build folder.

set(CPACK_PACKAGE_NAME "resistor")
set(CPACK_PACKAGE_VENDOR "Resistor developers")
set(CPACK_PACKAGE_CONTACT "${RESISTOR_MAINTAINER}")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Резистор: decoder of the colour bands of four-band resistors")
# Debian wants the long description in lines of under 80 characters.
set(CPACK_PACKAGE_DESCRIPTION [[
Pick the colour of each of a resistor's four bands from the twelve marking
colours; the window shows at once the nominal resistance in ohms, kilo-ohms
or mega-ohms and the tolerance. All text in the program is in Russian.]])
set(CPACK_STRIP_FILES ON)
# Folders as every system package has them, whatever the umask of whoever builds the package
# (CPack otherwise copies it into the package: 0775 under a umask of 002).
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

if(WIN32 OR APPLE)
    set(CPACK_GENERATOR "ZIP")
else()
    set(CPACK_GENERATOR "DEB")
endif()

# --- Debian package ---------------------------------------------------------------------------

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# The name and address from the RESISTOR_MAINTAINER cache variable; the changelog's entries are
# signed with it too (packaging/debian/changelog.in).
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${RESISTOR_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION "electronics")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
# dpkg-shlibdeps (package dpkg-dev, with `file`) works out the Qt and C++ runtime packages from
# the executable; the platform plugins come with libqt6gui6, one of them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The control files with the permissions Debian's policy gives them, whatever the umask.
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The copyright file, the changelog and the manual page are installed by packaging/.

include(CPack)
