# Run by CPack on the staged files: a package without all four manuals would
# answer F1 with an error in some languages, so it is not made.
file(GLOB_RECURSE manuals "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*/share/korvane/manual/Korvane_*.pdf")
foreach(language en de fr cz)
  if(NOT manuals MATCHES "/Korvane_${language}\\.pdf")
    message(FATAL_ERROR "Korvane_${language}.pdf is missing: docs/manual/Korvane_${language}.md is needed")
  endif()
endforeach()
