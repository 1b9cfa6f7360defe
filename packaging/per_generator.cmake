# Run by cpack for each generator. Package names: Lumarin-<version>-win64-setup.exe and
# Lumarin-<version>-win64-portable.zip (cpack -D CPACK_PACKAGE_VERSION=... renames them too).
if(CPACK_GENERATOR STREQUAL "NSIS")
  set(CPACK_PACKAGE_FILE_NAME "Lumarin-${CPACK_PACKAGE_VERSION}-win64-setup")
else()
  set(CPACK_PACKAGE_FILE_NAME "Lumarin-${CPACK_PACKAGE_VERSION}-win64-portable")
endif()
# With a certificate, makensis signs the uninstaller it builds into the setup, then the setup.
set(CPACK_LUMARIN_NSIS_SIGNING "")
if(CPACK_LUMARIN_SIGN_CERT)
  set(sign "bash \"${CPACK_LUMARIN_SIGN_SCRIPT}\" \"${CPACK_LUMARIN_SIGN_CERT}\" \"${CPACK_LUMARIN_SIGN_KEY}\" \"${CPACK_LUMARIN_SIGN_TIMESTAMP_URL}\" \"%1\"")
  set(CPACK_LUMARIN_NSIS_SIGNING "!uninstfinalize '${sign}' = 0\n!finalize '${sign}' = 0")
endif()
