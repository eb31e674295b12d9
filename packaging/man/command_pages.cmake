# Writes OUTPUT, a help2man include with a COMMANDS section: one subsection
# per command of PROGRAM, holding what `PROGRAM help COMMAND` prints. The
# commands are those `PROGRAM --help` lists under "Commands:".
#   cmake -DPROGRAM=path/to/corvane -DOUTPUT=commands.h2m -P command_pages.cmake
execute_process(COMMAND ${PROGRAM} --help OUTPUT_VARIABLE overview RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "${PROGRAM} --help failed")
endif()
string(REGEX MATCH "Commands:\n(  [^\n]*\n)+" listed "${overview}")
string(REGEX MATCHALL "\n  [a-z-]+" names "${listed}")
set(text "[COMMANDS]\n")
foreach(name ${names})
  string(STRIP "${name}" name)
  execute_process(COMMAND ${PROGRAM} help ${name} OUTPUT_VARIABLE page RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "${PROGRAM} help ${name} failed")
  endif()
  # Shown as printed: backslashes and dashes escaped for roff, no line
  # starting with a control character.
  string(REPLACE "\\" "\\e" page "${page}")
  string(REPLACE "-" "\\-" page "${page}")
  string(REGEX REPLACE "(^|\n)([.'])" "\\1\\\\&\\2" page "${page}")
  string(APPEND text ".SS ${name}\n.nf\n${page}.fi\n")
endforeach()
file(WRITE ${OUTPUT} "${text}")
