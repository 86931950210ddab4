# What `cmake --install` puts on the system, and the Debian package cpack builds from it.
include(GNUInstallDirs)

set(TARN_RELEASE_DATE 2025-01-15)
set(TARN_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/tarn)
set(TARN_DATA ${PROJECT_SOURCE_DIR}/data)

set(tarn_programs tarn-cli tarn-radio-sim)
if(TARGET tarn)
  list(PREPEND tarn_programs tarn)
endif()
install(TARGETS ${tarn_programs} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

# The user guide and its pictures; the desktop program looks for them there (UserGuideLocation).
file(GLOB tarn_guide_pictures ${PROJECT_SOURCE_DIR}/docs/*.png)
install(FILES ${PROJECT_SOURCE_DIR}/docs/user-guide.html ${tarn_guide_pictures} DESTINATION ${TARN_DOC_DIR})

# Manual pages, gzipped as Debian wants them.
foreach(page tarn tarn-cli tarn-radio-sim)
  configure_file(${TARN_DATA}/man/${page}.1.in ${CMAKE_BINARY_DIR}/man/${page}.1 @ONLY)
  add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/man/${page}.1.gz
                     COMMAND gzip -9nkf ${CMAKE_BINARY_DIR}/man/${page}.1
                     DEPENDS ${TARN_DATA}/man/${page}.1.in)
  list(APPEND tarn_man_pages ${CMAKE_BINARY_DIR}/man/${page}.1.gz)
endforeach()
add_custom_target(tarn_man_pages ALL DEPENDS ${tarn_man_pages})
install(FILES ${tarn_man_pages} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# The desktop entry, the .trn file type, the icon and the software centre's metainfo.
configure_file(${TARN_DATA}/org.tarn.Tarn.metainfo.xml.in ${CMAKE_BINARY_DIR}/org.tarn.Tarn.metainfo.xml @ONLY)
install(FILES ${TARN_DATA}/org.tarn.Tarn.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_BINARY_DIR}/org.tarn.Tarn.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${TARN_DATA}/tarn-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME tarn.xml)
install(DIRECTORY ${TARN_DATA}/icons/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)

# USB programming cables: group dialout, and ModemManager keeps off them.
install(FILES ${TARN_DATA}/60-tarn-programming-cable.rules DESTINATION lib/udev/rules.d)

# Debian's changelog and copyright file.
configure_file(${TARN_DATA}/debian/changelog.in ${CMAKE_BINARY_DIR}/debian/changelog @ONLY)
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/debian/changelog.gz
                   COMMAND gzip -9nkf ${CMAKE_BINARY_DIR}/debian/changelog
                   DEPENDS ${TARN_DATA}/debian/changelog.in)
add_custom_target(tarn_changelog ALL DEPENDS ${CMAKE_BINARY_DIR}/debian/changelog.gz)
install(FILES ${CMAKE_BINARY_DIR}/debian/changelog.gz DESTINATION ${TARN_DOC_DIR} RENAME changelog.gz)
install(FILES ${TARN_DATA}/debian/copyright DESTINATION ${TARN_DOC_DIR})

set(CPACK_PACKAGE_NAME tarn)
set(CPACK_PACKAGE_VENDOR "The Tarn developers")
set(CPACK_PACKAGE_CONTACT "The Tarn developers <tarn@tarn.example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "programming software for the Corvane air-band transceiver")
set(CPACK_PACKAGE_DESCRIPTION
    "Tarn reads the configuration of a Corvane handheld air-band transceiver over\n\
its USB programming cable, edits its memory channels and settings, keeps them\n\
in image files and writes them back into the radio. The package holds the\n\
desktop program, the command-line tool tarn-cli and a virtual radio for trying\n\
both without a radio.")
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://tarn.example.org/")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")
include(CPack)
