# SPDX-License-Identifier: MIT
# A Debian package of everything that `cmake --install` puts in place:
#   cpack -G DEB          (in the build folder)
# gives cubomancer_<version>_<arch>.deb, installable with `apt install ./cubomancer_*.deb`.
set(CPACK_PACKAGE_NAME cubomancer)
set(CPACK_PACKAGE_VENDOR "Omen Hall")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "divination toy: throw a die four times and receive a reading")
set(CPACK_PACKAGE_HOMEPAGE_URL "http://${CUBOMANCER_SITE_HOST}")
set(CUBOMANCER_PACKAGE_MAINTAINER "Omen Hall <cubomancer@omenhall.example>"
    CACHE STRING "Maintainer of the Debian package, as name and mail address")
set(CPACK_PACKAGE_CONTACT ${CUBOMANCER_PACKAGE_MAINTAINER})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The summary above is the synopsis line; this is the text below it.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Cubomancer is a small desktop toy. Think of a problem, throw one die four
times with a button, and receive one of sixteen short readings.
Its menus and links open the maker's web pages in the default browser.")
# The library dependencies are read off the executable; the browser is reached through xdg-open,
# which no linker can see.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS xdg-utils)

include(CPack)
