# Determinism: one long seeded game is played twice by zelvo-headless, each time in a fresh
# process and a fresh folder. Both runs must print the same bytes and leave the same files,
# and their digest must equal the committed one in expected.sha256, which the optimised and
# the sanitizer build both check: a difference between builds fails one of them.
# LAUNCHER, when set, is what runs the program (Wine, for a Windows build made on Linux).
# The diagnostic log is left out: it names the folder, which differs from build to build.
# After an intended change of the game's output, scripts/bless-determinism writes the new
# digest; review the change of output like code.
file(READ ${CASE}/args args)
string(STRIP "${args}" args)
separate_arguments(args UNIX_COMMAND "${args}")
foreach(run first second)
  set(dir ${WORK}/${run})
  file(REMOVE_RECURSE ${dir})
  file(MAKE_DIRECTORY ${dir})
  execute_process(
    COMMAND ${LAUNCHER} ${HEADLESS} --dir ${dir} ${args} ${CASE}/game.keys
    OUTPUT_FILE ${WORK}/${run}-output.txt
    ERROR_VARIABLE errors
    RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "zelvo-headless exited with ${status}: ${errors}")
  endif()
  file(SHA256 ${WORK}/${run}-output.txt digest)
  # The players' save names hold anything, semicolons too, which a CMake list cannot.
  execute_process(
    COMMAND sh -c "find . -type f ! -name debuglog.txt -print0 | LC_ALL=C sort -z | xargs -0 -r sha256sum"
    WORKING_DIRECTORY ${dir}
    OUTPUT_VARIABLE files
    RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "cannot take the digests of the files in ${dir}")
  endif()
  set(manifest "${digest}  output\n${files}")
  file(WRITE ${WORK}/${run}-manifest.txt "${manifest}")
  set(${run} "${manifest}")
endforeach()
if(NOT first STREQUAL second)
  execute_process(COMMAND diff -u ${WORK}/first-output.txt ${WORK}/second-output.txt)
  execute_process(COMMAND diff -u ${WORK}/first-manifest.txt ${WORK}/second-manifest.txt)
  message(FATAL_ERROR "two runs of the same seed and script differ (kept in ${WORK})")
endif()
string(SHA256 digest "${first}")
if(BLESS)
  file(WRITE ${CASE}/expected.sha256 "${digest}\n")
  message(STATUS "expected.sha256 is now ${digest}")
  return()
endif()
file(READ ${CASE}/expected.sha256 expected)
string(STRIP "${expected}" expected)
if(NOT digest STREQUAL expected)
  message(FATAL_ERROR "the game's output and files hash to ${digest}, not to the committed "
    "${expected}: this build plays the seeded game differently (output and manifest kept in "
    "${WORK}). If the change of output is intended, run scripts/bless-determinism and review it.")
endif()
