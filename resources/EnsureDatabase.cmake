# Creates FOLDER/salary.mdb with TOOL unless the file is there already.
if(NOT EXISTS "${FOLDER}/salary.mdb")
  execute_process(COMMAND "${TOOL}" create-db "${FOLDER}" RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "creating the delivered database failed")
  endif()
endif()
