# SPDX-License-Identifier: MIT
# Run by CPack on the staged Berthwise.app before the disk image is made: puts the Qt frameworks,
# plugins and QML modules the app uses inside the bundle, then signs the whole bundle, ad hoc unless
# an identity is given: Apple silicon runs only signed code, and the login-item service registers only
# a signed app.
set(app "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/Berthwise.app")
if(NOT IS_DIRECTORY "${app}")
    message(FATAL_ERROR "No bundle to complete at ${app}")
endif()
execute_process(
    COMMAND "${CPACK_BERTHWISE_DEPLOY_TOOL}" "${app}" "-qmldir=${CPACK_BERTHWISE_QML_DIR}" -always-overwrite
    COMMAND_ERROR_IS_FATAL ANY)

set(options --force --deep)
if(NOT CPACK_BERTHWISE_SIGNING_IDENTITY STREQUAL "-")
    # A real identity signs for distribution: the hardened runtime and a time stamp notarisation asks for.
    list(APPEND options --options runtime --timestamp)
endif()
execute_process(
    COMMAND codesign ${options} --sign "${CPACK_BERTHWISE_SIGNING_IDENTITY}" "${app}"
    COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND codesign --verify --deep --strict "${app}" COMMAND_ERROR_IS_FATAL ANY)
