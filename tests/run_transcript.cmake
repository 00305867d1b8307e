# Runs one transcript case: a fresh folder with the case's start files, the key script
# through zelvo-headless, and the output compared with expected.txt line by line.
# A case may hold: script.keys, expected.txt, args (one line of options for the runner),
# files/ (copied into the program's folder first), expected-files/ (files the program's
# folder must hold afterwards, byte for byte).
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK}/dir)
if(EXISTS ${CASE}/files)
  file(COPY ${CASE}/files/ DESTINATION ${WORK}/dir)
endif()
set(args --seed 1 --year 2030)
if(EXISTS ${CASE}/args)
  file(READ ${CASE}/args args)
  string(STRIP "${args}" args)
  separate_arguments(args UNIX_COMMAND "${args}")
endif()
execute_process(
  COMMAND ${HEADLESS} --dir ${WORK}/dir ${args} ${CASE}/script.keys
  OUTPUT_FILE ${WORK}/actual.txt
  ERROR_VARIABLE errors
  RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "zelvo-headless exited with ${status}: ${errors}")
endif()
if(NOT EXISTS ${CASE}/expected.txt)
  message(FATAL_ERROR "no expected.txt; run scripts/bless-transcripts and review it")
endif()
file(STRINGS ${CASE}/expected.txt expected)
file(STRINGS ${WORK}/actual.txt actual)
if(NOT expected STREQUAL actual)
  execute_process(COMMAND diff -u ${CASE}/expected.txt ${WORK}/actual.txt)
  message(FATAL_ERROR "the output differs from expected.txt (actual output kept in ${WORK}/actual.txt)")
endif()
file(GLOB_RECURSE kept RELATIVE ${CASE}/expected-files ${CASE}/expected-files/*)
foreach(name ${kept})
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files
    ${CASE}/expected-files/${name} ${WORK}/dir/${name} RESULT_VARIABLE differs)
  if(differs)
    message(FATAL_ERROR "${name} in the program's folder differs from expected-files/${name}")
  endif()
endforeach()
