# Qt's and GoogleTest's headers are most of what the window's sources and the
# tests parse. make test turns this on: without debug information a
# precompiled header takes a third off each such source, and keeps a build
# from scratch within its time on two cores. With debug information the
# header is too large to gain anything, hence off by default.
option(KORVANE_PCH "Precompile the Qt and GoogleTest headers" OFF)

function(korvane_precompile target)
  if(KORVANE_PCH)
    target_precompile_headers(${target} PRIVATE ${ARGN})
  endif()
endfunction()
