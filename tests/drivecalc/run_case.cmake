# Runs one drivecalc case: CASE.args holds the arguments, one a line ("@DATA@" stands for the
# fixture folder); CASE.expected the exact standard output; CASE.status the exit status
# (0 when the file is absent).
# Current policies, so that "@DATA@" below stays a literal instead of being read as a variable.
cmake_policy(VERSION 3.25)
file(STRINGS ${CASE}.args arguments ENCODING UTF-8)
list(TRANSFORM arguments REPLACE "@DATA@" "${DATA}")
set(expected_status 0)
if(EXISTS ${CASE}.status)
  file(STRINGS ${CASE}.status expected_status)
endif()
execute_process(COMMAND ${DRIVECALC} ${arguments}
                OUTPUT_VARIABLE output ERROR_VARIABLE errors RESULT_VARIABLE status)
file(READ ${CASE}.expected expected)
if(NOT status EQUAL expected_status)
  message(FATAL_ERROR "exit status ${status}, expected ${expected_status}\nstderr:\n${errors}")
endif()
if(NOT output STREQUAL expected)
  file(WRITE ${CASE}.actual "${output}")
  message(FATAL_ERROR "output differs from ${CASE}.expected (written to ${CASE}.actual)\n${output}\nstderr:\n${errors}")
endif()
