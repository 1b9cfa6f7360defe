# CPack settings for the Windows packages. Each package gets a .sha256 file beside it and winget
# manifests with its real hash (after_packaging.cmake); with a code-signing certificate the exe, the
# DLL, the setup and its uninstaller are signed (sign.cmake).
find_program(LUMARIN_MAKENSIS makensis)
set(CPACK_GENERATOR ZIP)
if(LUMARIN_MAKENSIS)
  list(APPEND CPACK_GENERATOR NSIS)
else()
  message(STATUS "makensis not found: no setup, only the portable zip")
endif()
set(CPACK_PACKAGE_NAME Lumarin)
set(CPACK_PACKAGE_VENDOR ${LUMARIN_PUBLISHER})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
# The name of the Apps & features entry, which winget knows as the ProductCode.
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY Lumarin)
set(CPACK_NSIS_MUI_ICON ${CMAKE_SOURCE_DIR}/assets/app.ico)
# Our own NSIS template, found before CMake's own.
set(CMAKE_MODULE_PATH ${CMAKE_SOURCE_DIR}/packaging ${CMAKE_MODULE_PATH})
# Per generator: the package's file name (cpack -D CPACK_PACKAGE_VERSION=... renames it too).
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_SOURCE_DIR}/packaging/per_generator.cmake)
set(CPACK_POST_BUILD_SCRIPTS ${CMAKE_SOURCE_DIR}/packaging/after_packaging.cmake)
# Where the published packages will be downloaded from, for the winget manifests.
set(LUMARIN_DOWNLOAD_URL "https://www.huedisk.com/Lumarin/download" CACHE STRING
    "web folder the packages are published in (winget's InstallerUrl)")
set(CPACK_LUMARIN_DOWNLOAD_URL ${LUMARIN_DOWNLOAD_URL})
set(CPACK_LUMARIN_WINGET_TEMPLATES ${CMAKE_SOURCE_DIR}/packaging/winget)
include(${CMAKE_SOURCE_DIR}/packaging/sign.cmake)
include(CPack)
