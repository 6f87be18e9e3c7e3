# What a desktop and a package need beside the programs: man pages and the AppStream metainfo
# with the project's version filled in, the licence as the package's copyright file, a Debian
# changelog, the examples, and CPack's DEB generator (cpack -G DEB, or ./scripts/package).
include(GNUInstallDirs)

# Man pages and the changelog compressed as Debian wants them, the same bytes every build (-n).
find_program(GZIP gzip REQUIRED)
set(compressed)
foreach(page kestrivo-report.1 kestrivo-plan.1 kestrivo-tabulate.1 Kestrivo.1)
  configure_file(${PROJECT_SOURCE_DIR}/share/${page}.in ${PROJECT_BINARY_DIR}/share/${page} @ONLY)
  list(APPEND compressed ${page})
endforeach()
configure_file(${PROJECT_SOURCE_DIR}/share/debian/changelog.in
               ${PROJECT_BINARY_DIR}/share/changelog @ONLY)
list(APPEND compressed changelog)
set(compressed_files)
foreach(name ${compressed})
  add_custom_command(OUTPUT ${PROJECT_BINARY_DIR}/share/${name}.gz
                     COMMAND ${GZIP} -9nc ${PROJECT_BINARY_DIR}/share/${name} >
                             ${PROJECT_BINARY_DIR}/share/${name}.gz
                     DEPENDS ${PROJECT_BINARY_DIR}/share/${name})
  list(APPEND compressed_files ${PROJECT_BINARY_DIR}/share/${name}.gz)
endforeach()
add_custom_target(kestrivo_compressed_docs ALL DEPENDS ${compressed_files})
install(FILES ${PROJECT_BINARY_DIR}/share/kestrivo-report.1.gz
              ${PROJECT_BINARY_DIR}/share/kestrivo-plan.1.gz
              ${PROJECT_BINARY_DIR}/share/kestrivo-tabulate.1.gz ${PROJECT_BINARY_DIR}/share/Kestrivo.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
configure_file(${PROJECT_SOURCE_DIR}/share/kestrivo.metainfo.xml
               ${PROJECT_BINARY_DIR}/share/org.kestrivo.kestrivo.metainfo.xml @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/share/org.kestrivo.kestrivo.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${PROJECT_SOURCE_DIR}/share/debian/copyright
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/kestrivo)
install(FILES ${PROJECT_BINARY_DIR}/share/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/kestrivo)
# The README's worked example and the field team's export of it (and a small one with
# vaccination marks), where Debian keeps a package's examples, so that the commands of the manual
# pages and of --help run as they are written.
set(KESTRIVO_EXAMPLES_DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/kestrivo/examples)
install(FILES ${PROJECT_SOURCE_DIR}/docs/example-survey.csv
        DESTINATION ${KESTRIVO_EXAMPLES_DESTINATION})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/docs/field-example
                  ${PROJECT_SOURCE_DIR}/docs/field-example-marks
        DESTINATION ${KESTRIVO_EXAMPLES_DESTINATION})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kestrivo)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Kestrivo")
set(CPACK_PACKAGE_CONTACT "Kestrivo developers <maintainers@kestrivo.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "estimate how visible free-roaming dogs are to a street count")
# The extended description: CPack puts the summary above it and indents each line itself.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Field teams count the free-roaming dogs of a city block three times. From the
capture histories of the dogs identified on the first count, Kestrivo fits by
maximum likelihood a model with a share of dogs always visible (they hold a
territory) and the rest seen with one probability per count, and shows the
estimates with their profile-likelihood limits.

kestrivo-report fits every block of a survey file, pools visibility within
strata, estimates the city's dogs with an interval and draws them on a map;
kestrivo-plan says how many blocks to count; kestrivo-tabulate turns ODK
Central and KoboToolbox exports into survey files, with the XLSForm to collect
with.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://kestrivo.org/")
# Dependencies from the binaries themselves (dpkg-shlibdeps), not a hand-kept list.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# CPack gives any package with a shared object under /usr/lib a postinst and a postrm that run
# ldconfig. Ours are private, in /usr/lib/kestrivo, which the loader never searches (the programs
# open them by absolute path), and Debian runs ldconfig through a trigger for the libraries that
# need it: the package is rebuilt without those two scripts.
set(CPACK_POST_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/deb_without_ldconfig.cmake)
include(CPack)
