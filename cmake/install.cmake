# Installing and packaging: `cmake --install` puts the program in games/ (as
# Debian's games policy asks), its maps and the note files of its music in
# share/drifter/ (where the program looks for them, as ../share/drifter beside
# itself), its manual page in share/man/man6/ and its licence and changelog in
# share/doc/drifter/; `make package` wraps the same files in a Debian package.
include(GNUInstallDirs)

target_compile_definitions(drifter PRIVATE DRIFTER_VERSION="${PROJECT_VERSION}")

# Debian ships manual pages and changelogs compressed, without a time stamp.
configure_file(${CMAKE_SOURCE_DIR}/man/drifter.6.in ${CMAKE_BINARY_DIR}/man/drifter.6 @ONLY)
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/man/drifter.6.gz
  COMMAND gzip -9nc drifter.6 > drifter.6.gz
  DEPENDS ${CMAKE_BINARY_DIR}/man/drifter.6
  WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/man)
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/doc/changelog.gz
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/doc
  COMMAND gzip -9nc ${CMAKE_SOURCE_DIR}/cmake/debian/changelog > ${CMAKE_BINARY_DIR}/doc/changelog.gz
  DEPENDS ${CMAKE_SOURCE_DIR}/cmake/debian/changelog)
add_custom_target(manual ALL DEPENDS ${CMAKE_BINARY_DIR}/man/drifter.6.gz ${CMAKE_BINARY_DIR}/doc/changelog.gz)

install(TARGETS drifter RUNTIME DESTINATION games)
install(DIRECTORY ${CMAKE_SOURCE_DIR}/maps/ DESTINATION ${CMAKE_INSTALL_DATADIR}/drifter/maps
  FILES_MATCHING PATTERN "*.map" PATTERN src EXCLUDE)
install(DIRECTORY ${CMAKE_SOURCE_DIR}/Music/ DESTINATION ${CMAKE_INSTALL_DATADIR}/drifter/Music
  FILES_MATCHING PATTERN "*.notes")
install(FILES ${CMAKE_BINARY_DIR}/man/drifter.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${CMAKE_SOURCE_DIR}/cmake/debian/copyright ${CMAKE_BINARY_DIR}/doc/changelog.gz
  DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/drifter)
install(FILES ${CMAKE_SOURCE_DIR}/cmake/debian/lintian-overrides
  DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME drifter)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME drifter)
set(CPACK_PACKAGE_VENDOR "The DRIFTER developers")
set(CPACK_PACKAGE_CONTACT "The DRIFTER developers <drifter@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "text-mode role-playing and adventure game for the terminal")
set(CPACK_PACKAGE_DESCRIPTION "Walk the streets of six cities, fight in turn-based battles, shop, bank, fly
between the cities and carry out four missions, in an 80x25 terminal.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
# dpkg-shlibdeps names the runtime packages of the libraries the program
# links: libc, libstdc++ and, with music, SDL2, SDL2_mixer and ALSA.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
include(CPack)
