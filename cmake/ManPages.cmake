# The manual pages korvane(1), korvane-cli(1) and korvane-unit-sim(1), made by
# help2man at build time from each program's own --help and --version, with
# what --help leaves out from packaging/man/<program>.h2m. Gzipped, as Debian
# installs them; the plain page stays beside it for "man -l".
include(GNUInstallDirs)

find_program(KORVANE_HELP2MAN help2man)
if(NOT KORVANE_HELP2MAN)
  message(STATUS "Manual pages: help2man is missing, not made (scripts/setup.sh installs it)")
  return()
endif()

set(KORVANE_MAN_BUILD_DIR ${PROJECT_BINARY_DIR}/man)
set(korvane_man_source_dir ${PROJECT_SOURCE_DIR}/packaging/man)

# The NAME line of each page.
set(korvane_man_name_korvane "read, edit, program and verify a motorcycle engine control unit")
set(korvane_man_name_korvane-cli "work with Korvane parameter files and the unit from the command line")
set(korvane_man_name_korvane-unit-sim "simulated motorcycle engine control unit on a pseudo-terminal")

set(KORVANE_MAN_PAGES)
foreach(program korvane korvane-cli korvane-unit-sim)
  set(page ${KORVANE_MAN_BUILD_DIR}/${program}.1)
  set(includes --include=${korvane_man_source_dir}/${program}.h2m --include=${korvane_man_source_dir}/common.h2m)
  set(depends ${program} ${korvane_man_source_dir}/${program}.h2m ${korvane_man_source_dir}/common.h2m)
  set(prepare)
  if(program STREQUAL "korvane-cli")
    # Every command of the table with its description.
    set(commands ${KORVANE_MAN_BUILD_DIR}/korvane-cli-commands.h2m)
    set(prepare COMMAND ${CMAKE_COMMAND} -DCLI=$<TARGET_FILE:korvane-cli> -DOUT=${commands}
      -P ${PROJECT_SOURCE_DIR}/cmake/CliManCommands.cmake)
    list(PREPEND includes --include=${commands})
    list(APPEND depends ${PROJECT_SOURCE_DIR}/cmake/CliManCommands.cmake)
  endif()
  add_custom_command(
    OUTPUT ${page} ${page}.gz
    COMMAND ${CMAKE_COMMAND} -E make_directory ${KORVANE_MAN_BUILD_DIR}
    ${prepare}
    COMMAND ${KORVANE_HELP2MAN} --no-info --section=1 --manual=Korvane
            --name=${korvane_man_name_${program}} ${includes} --output=${page} $<TARGET_FILE:${program}>
    # help2man knows no EXIT STATUS section and makes a --help block of that
    # name a subsection of the one before.
    COMMAND sed -i "s/^\\.SS \"Exit status:\"$/.SH \"EXIT STATUS\"/" ${page}
    COMMAND gzip -9 -n -f -k ${page}
    DEPENDS ${depends}
    COMMENT "Making the manual page ${program}(1)"
    VERBATIM)
  list(APPEND KORVANE_MAN_PAGES ${page}.gz)
endforeach()

add_custom_target(korvane_man_pages ALL DEPENDS ${KORVANE_MAN_PAGES})
install(FILES ${KORVANE_MAN_PAGES} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
