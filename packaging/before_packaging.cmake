# Run by cpack once the files are staged: with a certificate, signs the exe and the DLL there, so
# both packages carry signed binaries.
if(NOT CPACK_LUMARIN_SIGN_CERT)
  return()
endif()
file(GLOB_RECURSE binaries "${CPACK_TEMPORARY_DIRECTORY}/*.exe" "${CPACK_TEMPORARY_DIRECTORY}/*.dll")
message(STATUS "staged: ${CPACK_TEMPORARY_DIRECTORY} ${binaries}")
foreach(binary IN LISTS binaries)
  execute_process(
    COMMAND bash ${CPACK_LUMARIN_SIGN_SCRIPT} ${CPACK_LUMARIN_SIGN_CERT} ${CPACK_LUMARIN_SIGN_KEY}
            "${CPACK_LUMARIN_SIGN_TIMESTAMP_URL}" ${binary}
    COMMAND_ERROR_IS_FATAL ANY)
endforeach()
