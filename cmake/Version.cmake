# The project version as a header for the programs' --version. Rewritten only
# when the version changes, so it never costs a rebuild otherwise.
configure_file(${CMAKE_CURRENT_LIST_DIR}/KorvaneVersion.h.in
  ${PROJECT_BINARY_DIR}/generated/KorvaneVersion.h @ONLY)
add_library(korvane_version INTERFACE)
target_include_directories(korvane_version INTERFACE ${PROJECT_BINARY_DIR}/generated)
