# Runs one transcript case: a fresh folder with the case's start files, the key script
# through zelvo-headless, and the output compared with expected.txt line by line.
# LAUNCHER, when set, is what runs the program (Wine, for a Windows build made on Linux).
# A case may hold: script.keys, expected.txt, args (one line of options for the runner, in
# place of those of transcripts/default-args), files/ (copied into the program's folder
# first), expected-files/ (files the program's folder must hold afterwards, byte for byte).
# Check lines in script.keys state what a case is about without a whole expected.txt:
#   # expect: LINE       LINE comes later in the output (after the line matched last)
#   # expect-next: LINE  LINE is the very next line after the line matched last
# A case has check lines, an expected.txt, or both.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK}/dir)
if(EXISTS ${CASE}/files)
  file(COPY ${CASE}/files/ DESTINATION ${WORK}/dir)
endif()
get_filename_component(transcripts ${CASE} DIRECTORY)
file(READ ${transcripts}/default-args args)
if(EXISTS ${CASE}/args)
  file(READ ${CASE}/args args)
endif()
string(STRIP "${args}" args)
separate_arguments(args UNIX_COMMAND "${args}")
execute_process(
  COMMAND ${LAUNCHER} ${HEADLESS} --dir ${WORK}/dir ${args} ${CASE}/script.keys
  OUTPUT_FILE ${WORK}/actual.txt
  ERROR_VARIABLE errors
  RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "zelvo-headless exited with ${status}: ${errors}")
endif()
file(STRINGS ${CASE}/script.keys checks REGEX "^# expect(-next)?: ")
if(NOT EXISTS ${CASE}/expected.txt AND NOT checks)
  message(FATAL_ERROR "no expected.txt and no check lines; run scripts/bless-transcripts and review it")
endif()
file(STRINGS ${WORK}/actual.txt actual)
if(EXISTS ${CASE}/expected.txt)
  file(STRINGS ${CASE}/expected.txt expected)
  if(NOT expected STREQUAL actual)
    execute_process(COMMAND diff -u ${CASE}/expected.txt ${WORK}/actual.txt)
    message(FATAL_ERROR "the output differs from expected.txt (actual output kept in ${WORK}/actual.txt)")
  endif()
endif()
list(LENGTH actual count)
set(at 0)  # the output line after the one matched last
foreach(check IN LISTS checks)
  string(REGEX MATCH "^# (expect|expect-next): (.*)$" _ "${check}")
  set(kind ${CMAKE_MATCH_1})
  set(wanted "${CMAKE_MATCH_2}")
  set(found -1)
  set(i ${at})
  while(i LESS count)
    list(GET actual ${i} line)
    if(line STREQUAL wanted)
      set(found ${i})
      break()
    endif()
    if(kind STREQUAL "expect-next")
      break()
    endif()
    math(EXPR i "${i} + 1")
  endwhile()
  if(found EQUAL -1)
    if(kind STREQUAL "expect-next" AND i LESS count)
      message(FATAL_ERROR "${check}\n  the next line is: ${line}\n  (actual output kept in ${WORK}/actual.txt)")
    endif()
    message(FATAL_ERROR "${check}\n  no such line after output line ${at} (actual output kept in ${WORK}/actual.txt)")
  endif()
  math(EXPR at "${found} + 1")
endforeach()
file(GLOB_RECURSE kept RELATIVE ${CASE}/expected-files ${CASE}/expected-files/*)
foreach(name ${kept})
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files
    ${CASE}/expected-files/${name} ${WORK}/dir/${name} RESULT_VARIABLE differs)
  if(differs)
    message(FATAL_ERROR "${name} in the program's folder differs from expected-files/${name}")
  endif()
endforeach()
