# Windows configuration: the program, the mouse monitor library, the end-to-end test driver.
# The ready-to-run program folder; a developer may point a second build tree elsewhere.
set(LUMARIN_DIST ${CMAKE_SOURCE_DIR}/dist CACHE PATH "where the Windows build leaves the program folder")

if(MINGW)
  # No runtime DLLs beyond the system's.
  add_link_options(-static -static-libgcc -static-libstdc++ $<$<CONFIG:Release,MinSizeRel>:-s>
                   -Wl,--gc-sections)
  add_compile_options(-ffunction-sections -fdata-sections)
endif()
add_compile_definitions(UNICODE _UNICODE NOMINMAX _WIN32_WINNT=0x0A00)

add_subdirectory(src/mouse)
add_subdirectory(src/win32)
add_subdirectory(tests/e2e)
add_subdirectory(tests/bench/windows)

# The zip a user unpacks and runs: the dist folder's files at the zip's root.
install(FILES
  ${LUMARIN_DIST}/Lumarin.exe ${LUMARIN_DIST}/LumarinMouse.dll
  ${LUMARIN_DIST}/app.ico ${LUMARIN_DIST}/default.png ${LUMARIN_DIST}/crosshair.png
  DESTINATION .)
set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME Lumarin)
set(CPACK_PACKAGE_VERSION ${LUMARIN_PRODUCT_VERSION})
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
set(CPACK_PACKAGE_FILE_NAME Lumarin-${LUMARIN_PRODUCT_VERSION}-win64)
include(CPack)
