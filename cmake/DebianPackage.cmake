# The Debian package of the game: `cpack -G DEB` in a build directory, or
# `cmake --build <dir> --target package`, in a build configured for it:
#   cmake -S . -B build-package -DCMAKE_BUILD_TYPE=Release \
#     -DCMAKE_INSTALL_PREFIX=/usr -DTANGLEWICK_GAMES_LAYOUT=ON
# It installs under /usr as Debian's games do: the game and its word files in
# /usr/lib/games/tanglewick, with /usr/games/tanglewick leading there and the
# menu entry naming /usr/games/tanglewick. A build configured otherwise would
# make a package with the wrong paths, so cpack refuses it
# (cmake/CPackProjectConfig.cmake).

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tanglewick)
set(CPACK_PACKAGE_VERSION ${TANGLEWICK_VERSION_TEXT})
set(CPACK_PACKAGE_VENDOR "The Tanglewick developers")
set(CPACK_PACKAGE_CONTACT "The Tanglewick developers <tanglewick@users.noreply.example>")
set(CPACK_PACKAGE_HOMEPAGE_URL ${TANGLEWICK_HOMEPAGE})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "word-scramble game: unscramble the letters to guess the word")
# The package's long description, in lines short enough for package tools.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
  "Tanglewick draws a random word of 8 to 12 letters and shows its letters"
  "scrambled in a row of tiles. Type your guess and press Enter: a right"
  "guess scores a point, a wrong one is counted and cleared so you can try"
  "again. When you close the window the game tells you how long you played,"
  "how many words you played, how many guesses were wrong and your score.")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

# tanglewick_1.00.0001_amd64.deb
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${CPACK_PACKAGE_CONTACT})
# The libraries the program links come from dpkg-shlibdeps (dpkg-dev); the
# fonts the window is laid out with, Liberation 2, are named here: Debian
# 13's fonts-liberation holds them (its fonts-liberation2 is an empty
# package that brings it), Debian 12's fonts-liberation2 (its
# fonts-liberation is the older Liberation 1.07).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation (>= 1:2) | fonts-liberation2")
# The word lists in /etc/tanglewick are the package's configuration files
# (data/CMakeLists.txt): an administrator's own lists outlast upgrades.
if(TANGLEWICK_CONFFILES)
  set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${TANGLEWICK_CONFFILES})
  set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
endif()

# What cpack checks before it makes the Debian package, that this build
# installs in the games layout under /usr, and the program it strips of its
# .comment section (cmake/CPackProjectConfig.cmake).
set(CPACK_TANGLEWICK_GAMES_LAYOUT ${TANGLEWICK_GAMES_LAYOUT})
set(CPACK_TANGLEWICK_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})
set(CPACK_TANGLEWICK_PROGRAM ${TANGLEWICK_INSTALL_PROGRAMDIR}/tanglewick)
set(CPACK_TANGLEWICK_SOURCE_DATE_EPOCH ${TANGLEWICK_SOURCE_DATE_EPOCH})
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/CPackProjectConfig.cmake)

# A source archive leaves out build directories and the repository itself.
set(CPACK_SOURCE_GENERATOR TGZ)
set(CPACK_SOURCE_IGNORE_FILES "/\\\\.git/" "/build[^/]*/" "/\\\\.cache/")

include(CPack)

# The version and its release day, as scripts/check-package.sh checks the
# package against them.
file(WRITE ${CMAKE_BINARY_DIR}/version.env
  "version=${TANGLEWICK_VERSION_TEXT}\nrelease_date=${TANGLEWICK_RELEASE_DATE}\n")
