# What `cmake --install` puts where (the manuals: Manuals.cmake).
include(GNUInstallDirs)

# The window finds korvane-unit-sim beside itself for --simulate.
install(TARGETS korvane korvane-cli korvane-unit-sim RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

install(FILES ${PROJECT_SOURCE_DIR}/packaging/io.github.korvane.Korvane.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/korvane.svg
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# The README's pictures keep their relative place beside it.
set(korvane_doc_dir ${CMAKE_INSTALL_DATADIR}/doc/korvane)
install(FILES ${PROJECT_SOURCE_DIR}/README.md ${PROJECT_SOURCE_DIR}/packaging/README.Debian
  DESTINATION ${korvane_doc_dir})
file(GLOB korvane_readme_pictures CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/docs/*.png)
install(FILES ${korvane_readme_pictures} DESTINATION ${korvane_doc_dir}/docs)

set(KORVANE_MAINTAINER "Korvane maintainers <maintainers@korvane.invalid>"
  CACHE STRING "Maintainer field of the Debian package and its changelog")

# Debian's licence and release history: the DEP-5 copyright file, and the
# changelog made from CHANGELOG.md at build time.
install(FILES ${PROJECT_SOURCE_DIR}/packaging/copyright DESTINATION ${korvane_doc_dir})
set(korvane_changelog ${PROJECT_BINARY_DIR}/debian/changelog)
add_custom_command(
  OUTPUT ${korvane_changelog}.gz
  COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/debian
  COMMAND ${CMAKE_COMMAND} -DIN=${PROJECT_SOURCE_DIR}/CHANGELOG.md -DOUT=${korvane_changelog}
          -DPACKAGE=korvane -DMAINTAINER=${KORVANE_MAINTAINER} -P ${PROJECT_SOURCE_DIR}/cmake/DebianChangelog.cmake
  COMMAND gzip -9 -n -f -k ${korvane_changelog}
  DEPENDS ${PROJECT_SOURCE_DIR}/CHANGELOG.md ${PROJECT_SOURCE_DIR}/cmake/DebianChangelog.cmake
  COMMENT "Making the Debian changelog from CHANGELOG.md"
  VERBATIM)
add_custom_target(korvane_changelog ALL DEPENDS ${korvane_changelog}.gz)
install(FILES ${korvane_changelog}.gz DESTINATION ${korvane_doc_dir})

# For software centres: the AppStream metadata, named after the desktop entry.
install(FILES ${PROJECT_SOURCE_DIR}/packaging/io.github.korvane.Korvane.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# Notes of lintian that are right as they are, each with its reason.
install(FILES ${PROJECT_SOURCE_DIR}/packaging/lintian-overrides
  DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME korvane)
