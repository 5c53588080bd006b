# Lists the test functions of a Qt Test program (EXE -functions) as CTest tests PREFIX.FUNCTION
# into OUT, each run on the offscreen platform.
execute_process(COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ${EXE} -functions
                OUTPUT_VARIABLE listing RESULT_VARIABLE status ERROR_VARIABLE errors)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "Cannot list the tests of ${EXE}: ${errors}")
endif()
string(REPLACE "\n" ";" lines "${listing}")
set(content "")
foreach(line IN LISTS lines)
  string(STRIP "${line}" function)
  string(REGEX REPLACE "\\(\\)$" "" function "${function}")
  if(function MATCHES "^[A-Za-z_][A-Za-z0-9_]*$")
    string(APPEND content "add_test(\"${PREFIX}.${function}\" \"${EXE}\" \"${function}\")\n"
                          "set_tests_properties(\"${PREFIX}.${function}\" PROPERTIES "
                          "ENVIRONMENT \"QT_QPA_PLATFORM=offscreen\" TIMEOUT 120)\n")
  endif()
endforeach()
file(WRITE ${OUT} "${content}")
