# Run by CPack on the staged files: a package without all four manuals would
# answer F1 with an error in some languages, so it is not made.
file(GLOB_RECURSE manuals "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*/share/korvane/manual/Korvane_*.pdf")
foreach(language en de fr cz)
  if(NOT manuals MATCHES "/Korvane_${language}\\.pdf")
    message(FATAL_ERROR "Korvane_${language}.pdf is missing: docs/manual/Korvane_${language}.md is needed")
  endif()
endforeach()

# The same for the manual pages, which help2man makes at build time.
file(GLOB_RECURSE man_pages "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*/share/man/man1/*.1.gz")
foreach(program korvane korvane-cli korvane-unit-sim)
  if(NOT man_pages MATCHES "/${program}\\.1\\.gz")
    message(FATAL_ERROR "${program}.1.gz is missing: help2man is needed to make it")
  endif()
endforeach()
