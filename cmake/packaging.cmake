# The Debian package: `cpack -G DEB` in the build folder writes tagloom_<version>-1_<arch>.deb.
# Run-time dependencies come from the shared libraries (dpkg-shlibdeps, see below); what is loaded by
# name at run time (the SQLite driver, the web engine's helper process) is listed by hand.

set(TAGLOOM_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/tagloom)

install(FILES ${CMAKE_SOURCE_DIR}/packaging/copyright ${CMAKE_SOURCE_DIR}/README.md
              ${CMAKE_SOURCE_DIR}/assets/fonts/LICENSE-Liberation.txt
        DESTINATION ${TAGLOOM_DOC_DIR})

# Debian wants the changelog and the manual page compressed, reproducibly (-n: no name or time).
find_program(TAGLOOM_GZIP gzip REQUIRED)
set(TAGLOOM_PACKAGING_OUT ${CMAKE_BINARY_DIR}/packaging)
add_custom_command(
    OUTPUT ${TAGLOOM_PACKAGING_OUT}/changelog.Debian.gz ${TAGLOOM_PACKAGING_OUT}/tagloom.1.gz
    COMMAND ${CMAKE_COMMAND} -E make_directory ${TAGLOOM_PACKAGING_OUT}
    COMMAND ${TAGLOOM_GZIP} -9nc ${CMAKE_SOURCE_DIR}/packaging/changelog
            > ${TAGLOOM_PACKAGING_OUT}/changelog.Debian.gz
    COMMAND ${TAGLOOM_GZIP} -9nc ${CMAKE_SOURCE_DIR}/docs/tagloom.1 > ${TAGLOOM_PACKAGING_OUT}/tagloom.1.gz
    DEPENDS ${CMAKE_SOURCE_DIR}/packaging/changelog ${CMAKE_SOURCE_DIR}/docs/tagloom.1
    VERBATIM)
add_custom_target(tagloom_packaging_files ALL
    DEPENDS ${TAGLOOM_PACKAGING_OUT}/changelog.Debian.gz ${TAGLOOM_PACKAGING_OUT}/tagloom.1.gz)
install(FILES ${TAGLOOM_PACKAGING_OUT}/changelog.Debian.gz DESTINATION ${TAGLOOM_DOC_DIR})
install(FILES ${TAGLOOM_PACKAGING_OUT}/tagloom.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tagloom)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Tagloom developers")
set(CPACK_PACKAGE_CONTACT "The Tagloom developers <help@orv.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "catalogue of ready-made JavaScript and HTML snippets for web pages")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION web)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://tagloom.github.io/")
# CPack puts the summary above this as the synopsis line.
set(CPACK_PACKAGE_DESCRIPTION
    "Tagloom is a desktop companion for people who write web pages by hand: a
catalogue of 208 ready-made JavaScript and HTML snippets in 16 categories,
each with a description, code blocks under a line that says where in the
page they belong, and a live sample page from a bundled offline web site.
.
Beside the catalogue it keeps up to 30 snippets of your own, and offers a
search palette, a command line for editors, a small web browser and a
gallery of web graphics.")
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6sql6-sqlite, libqt6webenginecore6-bin, xdg-utils")
# The shared-library dependencies come from dpkg-shlibdeps run on the package's three binaries by
# cmake/shlibdeps.cmake, when cpack starts. CPack's own way (CPACK_DEBIAN_PACKAGE_SHLIBDEPS) runs
# `file` on each of the ~480 files of the package to find them, which took 14 of the 15 seconds.
set(tagloom_packaged_binaries $<TARGET_FILE:tagloom> $<TARGET_FILE:tagloom_windows>)
if(TARGET tagloom_web)
    list(APPEND tagloom_packaged_binaries $<TARGET_FILE:tagloom_web>)
endif()
file(GENERATE OUTPUT ${CMAKE_BINARY_DIR}/TagloomCPackOptions.cmake CONTENT
     "set(TAGLOOM_PACKAGED_BINARIES \"${tagloom_packaged_binaries}\")
include(\"${CMAKE_SOURCE_DIR}/cmake/shlibdeps.cmake\")
")
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_BINARY_DIR}/TagloomCPackOptions.cmake)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
