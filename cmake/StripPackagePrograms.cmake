# Run by CPack on the staged files: removes the compiler's .comment and the
# .note section from the programs, as dh_strip does for Debian's packages.
file(GLOB programs "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*/bin/*" "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/bin/*")
if(NOT programs)
  message(FATAL_ERROR "no programs staged below ${CPACK_TEMPORARY_INSTALL_DIRECTORY}")
endif()
foreach(program IN LISTS programs)
  execute_process(COMMAND ${CPACK_KORVANE_STRIP} --remove-section=.comment --remove-section=.note
                          --strip-unneeded ${program}
    RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "strip failed on ${program}")
  endif()
endforeach()
