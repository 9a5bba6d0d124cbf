# Installation and the Debian package.
#
#   cmake --install build --prefix /usr     the program, its menu entry and
#                                           icon, the sample tool library
#   cpack --config build/CPackConfig.cmake  zelpor_<version>_amd64.deb
#
# An installed program is recognised at run time by its desktop entry in
# <prefix>/share/applications beside <prefix>/bin: it then keeps its INI in
# the user's configuration folder even where /usr/bin is writable (root).
include(GNUInstallDirs)

install(TARGETS zelpor RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${PROJECT_SOURCE_DIR}/packaging/zelpor.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/zelpor.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${PROJECT_SOURCE_DIR}/README.md DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/zelpor)

# The sample library (material table, machine parameters, punches, dies) as
# files, for a shop that points "Path Tools" at a folder of its own. The
# program also writes them into the Tools folder it creates on a first start.
if(TARGET make_samples)
    install(DIRECTORY ${PROJECT_BINARY_DIR}/data/samples/
            DESTINATION ${CMAKE_INSTALL_DATADIR}/zelpor/samples)
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zelpor)
set(CPACK_PACKAGE_VENDOR "Zelpor_2")
set(CPACK_PACKAGE_CONTACT "Zelpor_2 maintainers <zelpor@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "press brake set-up: bends, tools, profile and bending sequence")
set(CPACK_PACKAGE_DESCRIPTION
    "Zelpor_2 prepares the bending of sheet-metal parts on a hydraulic press brake.\n"
    "It keeps up to 25 bends per part with their tools and machine settings, computes\n"
    "the punch depth, bend deduction and press force, draws the bend, lets you sketch\n"
    "the part's profile and simulates the bending sequence. French, keyboard-driven.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
# dpkg-shlibdeps finds the Qt 6 and C++ runtime libraries the program links;
# the lettering font is loaded by name at run time, so it is named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-osifont")
include(CPack)
