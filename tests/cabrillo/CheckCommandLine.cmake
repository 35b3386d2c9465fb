# Runs the built program's log check on the fixture folder (its own CTY.DAT and MASTER.SCP)
# and compares the printed findings and the exit codes.
execute_process(COMMAND ${KEROLT} --check check.log WORKING_DIRECTORY ${FIXTURE}
  RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE err)
file(READ ${FIXTURE}/expected.txt expected)
if(NOT code EQUAL 1 OR NOT out STREQUAL expected OR NOT err STREQUAL "")
  message(FATAL_ERROR "check.log: exit ${code}\n${out}${err}")
endif()

execute_process(COMMAND ${KEROLT} --check missing.log WORKING_DIRECTORY ${FIXTURE}
  RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT code EQUAL 2 OR NOT out STREQUAL "" OR NOT err STREQUAL "Cannot open file missing.log\n")
  message(FATAL_ERROR "missing.log: exit ${code}\n${out}${err}")
endif()
