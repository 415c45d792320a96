# The Debian package, made by `make package` from the install rules.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME varnholt)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Varnholt authors")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "phono cartridge load calculator")
# Debian wants the long description in lines of under 80 characters.
set(CPACK_PACKAGE_DESCRIPTION [[
Varnholt tells how a phonograph cartridge and the input of its phono
stage get along. From the cartridge's inductance and coil resistance and
the load's capacitance and resistance it computes the electrical
resonance, its frequency and quality factor, which colours the top
octaves of every record played.

It also finds the capacitance or load resistance that gives a wanted
resonance, draws the response in decibels, and keeps named cartridges in
a small preset file.

The command varnholt-calc gives the same results on the command line,
as text, CSV or JSON: tables of every cartridge of a preset file,
responses and the phono stage settings that suit a cartridge.]])

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${VARNHOLT_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION sound)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://varnholt.example.org)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Beyond the libraries: the window's font, and the platform plugins without
# which no Qt window opens (libqt6gui6 only recommends them).
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-dejavu-core, qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
