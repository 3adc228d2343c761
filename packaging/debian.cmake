# The Debian package, made with `cpack -G DEB` (scripts/package). Its dependencies are the
# packages of the shared libraries the programs link (found by dpkg-shlibdeps) and
# fonts-liberation, whose Liberation Sans stands in for "Arial" with the same metrics, so
# every caption fits its box.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quelbor)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT ${QUELBOR_PACKAGE_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "calculator for the drying of ceramic bodies")
# The long description as dpkg shows it, one line of the field per line here.
string(CONCAT CPACK_PACKAGE_DESCRIPTION
  "Quelbor computes the drying characteristics of a moist ceramic body (bricks,\n"
  "tiles) from seven laboratory values: density of the dried body, initial water\n"
  "loading, linear drying shrinkage, a measured moisture diffusivity with the\n"
  "water loading and temperature of that measurement, and the slope of the\n"
  "diffusivity below the limit moisture. It shows six characteristic values and\n"
  "charts the moisture diffusivity and the shrinkage still ahead.\n"
  "\n"
  "The window is in German and can be used with a screen reader.\n"
  "quelbor-calc does the same calculation from the command line and prints JSON.")
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${QUELBOR_PACKAGE_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION science)
# No Homepage field while the project has none.
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${QUELBOR_HOMEPAGE})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS fonts-liberation)
# German file and print dialogs.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)
