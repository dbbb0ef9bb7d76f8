# Run as a script: writes the COMMANDS section of korvane-cli(1) for help2man
# from what "korvane-cli help COMMAND" says, so the page lists every command
# of the table with its description.
#   cmake -DCLI=korvane-cli -DOUT=file.h2m -P CliManCommands.cmake
cmake_minimum_required(VERSION 3.25)

# *roff text: a backslash, a minus and a leading dot or quote mean something.
function(to_roff text out)
  string(REPLACE "\\" "\\e" text "${text}")
  string(REPLACE "-" "\\-" text "${text}")
  string(REGEX REPLACE "(^|\n)([.'])" "\\1\\\\&\\2" text "${text}")
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

execute_process(COMMAND ${CLI} --help OUTPUT_VARIABLE usage RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "${CLI} --help failed")
endif()
# The command names: the first word of each line of the "Commands:" block.
string(REGEX MATCH "\nCommands:\n(  [^\n]*\n)+" block "${usage}")
string(REGEX MATCHALL "\n  [a-z-]+" names "${block}")

set(section "[COMMANDS]\n")
foreach(name IN LISTS names)
  string(STRIP "${name}" name)
  if(name STREQUAL "help")
    continue()
  endif()
  execute_process(COMMAND ${CLI} help ${name} OUTPUT_VARIABLE answer RESULT_VARIABLE failed)
  # "Usage: korvane-cli SYNOPSIS" (continued on indented lines), a blank line,
  # the description.
  string(FIND "${answer}" "\n\n" split)
  if(failed OR split EQUAL -1 OR NOT answer MATCHES "^Usage: [^ ]+ ")
    message(FATAL_ERROR "${CLI} help ${name} did not answer as expected")
  endif()
  string(SUBSTRING "${answer}" 0 ${split} synopsis)
  math(EXPR split "${split} + 2")
  string(SUBSTRING "${answer}" ${split} -1 description)
  string(REGEX REPLACE "^Usage: [^ ]+ " "" synopsis "${synopsis}")
  string(REGEX REPLACE "\n +" " " synopsis "${synopsis}")
  string(STRIP "${description}" description)
  to_roff("${synopsis}" synopsis)
  to_roff("${description}" description)
  string(APPEND section ".TP\n\\fB${synopsis}\\fR\n${description}\n")
endforeach()
string(APPEND section ".TP\n\\fBhelp\\fR [\\fICOMMAND\\fR]\n"
  "Lists the commands, or says what COMMAND does; so does \\fICOMMAND\\fR \\fB\\-\\-help\\fR.\n")
file(WRITE ${OUT} "${section}")
