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
install(FILES ${PROJECT_SOURCE_DIR}/packaging/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/zelpor)

# The changelog and the manual page go in compressed, as Debian's policy
# wants them (gzip -9n: no name, no time stamp, the same bytes every build).
# The manual page is made from `zelpor --help`, so it lists the batch modes
# the program really has.
find_program(GZIP_PROGRAM gzip)
find_program(HELP2MAN_PROGRAM help2man)
set(ZELPOR_CHANGELOG_GZ ${PROJECT_BINARY_DIR}/packaging/changelog.gz)
add_custom_command(OUTPUT ${ZELPOR_CHANGELOG_GZ}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/packaging
    COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/packaging/changelog ${PROJECT_BINARY_DIR}/packaging/changelog
    COMMAND ${GZIP_PROGRAM} -9nf ${PROJECT_BINARY_DIR}/packaging/changelog
    DEPENDS ${PROJECT_SOURCE_DIR}/packaging/changelog VERBATIM)
set(ZELPOR_PACKAGE_DOCS ${ZELPOR_CHANGELOG_GZ})
install(FILES ${ZELPOR_CHANGELOG_GZ} DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/zelpor)
if(HELP2MAN_PROGRAM AND NOT ZELPOR_SANITIZE)  # the package is made from the release build
    set(ZELPOR_MAN_GZ ${PROJECT_BINARY_DIR}/packaging/zelpor.1.gz)
    add_custom_command(OUTPUT ${ZELPOR_MAN_GZ}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/packaging
        COMMAND ${HELP2MAN_PROGRAM} --no-info --section=1 --source=Zelpor_2
                "--name=prepare the bending of sheet-metal parts on a press brake"
                --output=${PROJECT_BINARY_DIR}/packaging/zelpor.1 $<TARGET_FILE:zelpor>
        COMMAND ${GZIP_PROGRAM} -9nf ${PROJECT_BINARY_DIR}/packaging/zelpor.1
        DEPENDS zelpor VERBATIM)
    list(APPEND ZELPOR_PACKAGE_DOCS ${ZELPOR_MAN_GZ})
    install(FILES ${ZELPOR_MAN_GZ} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
else()
    message(STATUS "no manual page in this build (help2man: scripts/ensure-deps.sh --package)")
endif()
add_custom_target(package_docs ALL DEPENDS ${ZELPOR_PACKAGE_DOCS})

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
set(CPACK_PACKAGE_CONTACT "Zelpor_2 maintainers <maintainers@zelpor.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "press brake set-up: bends, tools, profile and bending sequence")
# One string: several strings would make a CMake list, whose ";" separators
# would end up at the start of the description's lines.
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Zelpor_2 prepares the bending of sheet-metal parts on a hydraulic press\n"
    "brake. It keeps up to 25 bends per part with their tools and machine\n"
    "settings, computes the punch depth, bend deduction and press force, draws\n"
    "the bend, lets you sketch the part's profile and simulates the bending\n"
    "sequence. It prints setup sheets and job lists (also as PDF) and exports\n"
    "CSV, from its window or from the command line. French, keyboard-driven.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
# dpkg-shlibdeps finds the Qt 6 and C++ runtime libraries the program links;
# the lettering font is loaded by name at run time, so it is named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-osifont")
include(CPack)
