# SPDX-License-Identifier: MIT
# Reruns lupdate over the sources on a copy of the catalogue, then checks the copy for entries that
# are unfinished or gone.
file(REMOVE_RECURSE "${WORK_DIR}")
file(MAKE_DIRECTORY "${WORK_DIR}")
file(COPY "${CATALOGUE}" DESTINATION "${WORK_DIR}")
get_filename_component(name "${CATALOGUE}" NAME)
execute_process(
    COMMAND "${LUPDATE}" -silent -locations none "@${SOURCES_LIST}" -ts "${WORK_DIR}/${name}"
    RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "lupdate failed: ${status}")
endif()
execute_process(
    COMMAND "${CMAKE_COMMAND}" -E env "BERTHWISE_CATALOGUE=${WORK_DIR}/${name}" "${CHECKER}" catalogueIsComplete
    RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "The catalogue is not complete for today's sources: run the update_translations target and translate what it adds.")
endif()
