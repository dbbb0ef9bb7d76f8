# The manuals F1 opens, made from docs/manual/Korvane_<language>.md by
# korvane-manual-pdf at every build that changes them. A language whose
# Markdown is missing is left out, so a tree without the manual still builds;
# the glob notices a manual that appears later.
include(GNUInstallDirs)

set(KORVANE_MANUAL_SOURCE_DIR ${PROJECT_SOURCE_DIR}/docs/manual)
set(KORVANE_MANUAL_BUILD_DIR ${PROJECT_BINARY_DIR}/manual)
set(KORVANE_MANUAL_INSTALL_DIR ${CMAKE_INSTALL_DATADIR}/korvane/manual)

# The installed program finds its manuals relative to itself, so the package
# works wherever its prefix is.
file(RELATIVE_PATH KORVANE_MANUAL_FROM_PROGRAM
  ${CMAKE_INSTALL_FULL_BINDIR} ${CMAKE_INSTALL_FULL_DATADIR}/korvane/manual)
target_compile_definitions(korvane_about PRIVATE KORVANE_MANUAL_FROM_PROGRAM="${KORVANE_MANUAL_FROM_PROGRAM}")

# A program started from the build tree finds them the same two ways: beside
# itself when started from its own folder, and in the installed layout next to it.
get_target_property(korvane_program_dir korvane RUNTIME_OUTPUT_DIRECTORY)
if(NOT korvane_program_dir)
  get_target_property(korvane_program_dir korvane BINARY_DIR)
endif()
cmake_path(ABSOLUTE_PATH KORVANE_MANUAL_FROM_PROGRAM BASE_DIRECTORY ${korvane_program_dir}
  NORMALIZE OUTPUT_VARIABLE korvane_program_manual_dir)

file(GLOB korvane_manual_sources CONFIGURE_DEPENDS ${KORVANE_MANUAL_SOURCE_DIR}/Korvane_*.md)
file(GLOB korvane_manual_images CONFIGURE_DEPENDS ${KORVANE_MANUAL_SOURCE_DIR}/images/*)

set(KORVANE_MANUAL_PDFS)
foreach(language en de fr cz)
  set(name Korvane_${language}.pdf)
  set(markdown ${KORVANE_MANUAL_SOURCE_DIR}/Korvane_${language}.md)
  if(NOT markdown IN_LIST korvane_manual_sources)
    message(STATUS "Manual ${name}: docs/manual/Korvane_${language}.md is missing, not made")
    continue()
  endif()
  set(pdf ${KORVANE_MANUAL_BUILD_DIR}/${name})
  add_custom_command(
    OUTPUT ${pdf} ${korvane_program_dir}/${name} ${korvane_program_manual_dir}/${name}
    # Ninja makes an output's folder itself, Make does not.
    COMMAND ${CMAKE_COMMAND} -E make_directory ${KORVANE_MANUAL_BUILD_DIR}
    COMMAND korvane-manual-pdf ${markdown} ${pdf}
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${pdf} ${korvane_program_dir}/${name}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${korvane_program_manual_dir}
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${pdf} ${korvane_program_manual_dir}/${name}
    DEPENDS ${markdown} ${korvane_manual_images} korvane-manual-pdf
    COMMENT "Making the manual ${name}"
    VERBATIM)
  list(APPEND KORVANE_MANUAL_PDFS ${pdf})
endforeach()

add_custom_target(korvane_manuals ALL DEPENDS ${KORVANE_MANUAL_PDFS})
if(KORVANE_MANUAL_PDFS)
  install(FILES ${KORVANE_MANUAL_PDFS} DESTINATION ${KORVANE_MANUAL_INSTALL_DIR})
endif()
