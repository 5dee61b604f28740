# Writes a manual page from a program's own --help and --version (cmake -P).
#   PROGRAM   the program's file name, found through BIN_DIR
#   BIN_DIR   the folder to run it from, put first on PATH so that the help
#             shows the bare name
#   SUMMARY   the one line of the page's NAME section
#   OUTPUT    the page to write
#   HELP2MAN  the help2man program
# When the help lists subcommands, the help of each one follows as the
# section COMMANDS.
foreach(var PROGRAM BIN_DIR SUMMARY OUTPUT HELP2MAN)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "ManPage.cmake: ${var} is not set")
  endif()
endforeach()

# In a sanitizer build, a leak at exit is the tests' business, not the page's.
set(env ${CMAKE_COMMAND} -E env "PATH=${BIN_DIR}:$ENV{PATH}" LC_ALL=C.UTF-8 ASAN_OPTIONS=detect_leaks=0)

function(run_help out)
  execute_process(COMMAND ${env} ${PROGRAM} ${ARGN} --help
    OUTPUT_VARIABLE text RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${PROGRAM} ${ARGN} --help failed: ${status}")
  endif()
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

# Text shown as it stands: backslashes and a leading dot or quote would be
# read as roff requests.
function(roff_verbatim out text)
  string(REPLACE "\\" "\\e" text "${text}")
  string(REGEX REPLACE "(^|\n)([.'])" "\\1\\\\&\\2" text "${text}")
  set(${out} ".nf\n${text}.fi\n" PARENT_SCOPE)
endfunction()

run_help(help)
set(include)
string(REGEX MATCH "\nSubcommands:\n(  [^\n]+\n)+" block "${help}")
if(block)
  set(include_file ${OUTPUT}.h2m)
  set(include --include=${include_file})
  file(WRITE ${include_file} "")
  string(REGEX MATCHALL "\n  [a-z][a-z0-9-]*" names "${block}")
  file(APPEND ${include_file} "[COMMANDS]\n")
  foreach(name ${names})
    string(STRIP "${name}" name)
    run_help(text ${name})
    roff_verbatim(text "${text}")
    file(APPEND ${include_file} ".SS ${name}\n${text}")
  endforeach()
endif()

execute_process(COMMAND ${env} ${HELP2MAN} --no-info --no-discard-stderr --locale=C.UTF-8
    --name=${SUMMARY} ${include} --output=${OUTPUT} ${PROGRAM}
  RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "help2man ${PROGRAM} failed: ${status}")
endif()
