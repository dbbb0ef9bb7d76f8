# What `cmake --install` puts where (the manuals: Manuals.cmake).
include(GNUInstallDirs)

# The window finds korvane-unit-sim beside itself for --simulate.
install(TARGETS korvane korvane-cli korvane-unit-sim RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

install(FILES ${PROJECT_SOURCE_DIR}/packaging/korvane.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/korvane.svg
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# The README's pictures keep their relative place beside it.
set(korvane_doc_dir ${CMAKE_INSTALL_DATADIR}/doc/korvane)
install(FILES ${PROJECT_SOURCE_DIR}/README.md ${PROJECT_SOURCE_DIR}/packaging/README.Debian
  DESTINATION ${korvane_doc_dir})
file(GLOB korvane_readme_pictures CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/docs/*.png)
install(FILES ${korvane_readme_pictures} DESTINATION ${korvane_doc_dir}/docs)
