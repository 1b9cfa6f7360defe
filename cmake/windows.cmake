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

# Gives a binary the version resource of the project's one version.
function(lumarin_version_resource target fileType description)
  set(LUMARIN_FILE_TYPE ${fileType})
  set(LUMARIN_FILE_DESCRIPTION ${description})
  get_target_property(type ${target} TYPE)
  if(type STREQUAL "EXECUTABLE")
    set(LUMARIN_FILE_NAME ${target}.exe)
  else()
    set(LUMARIN_FILE_NAME ${target}.dll)
  endif()
  set(rc ${CMAKE_CURRENT_BINARY_DIR}/${target}_version.rc)
  configure_file(${CMAKE_SOURCE_DIR}/src/win32/resources/version.rc.in ${rc} @ONLY)
  target_sources(${target} PRIVATE ${rc})
endfunction()

add_subdirectory(src/mouse)
add_subdirectory(src/win32)
add_subdirectory(tests/e2e)
add_subdirectory(tests/bench/windows)

# The packages: the zip a user unpacks and runs (the dist folder's files at its root), and the
# per-user setup when Debian's nsis is there. Both carry the project's one version.
install(FILES
  ${LUMARIN_DIST}/Lumarin.exe ${LUMARIN_DIST}/LumarinMouse.dll
  ${LUMARIN_DIST}/app.ico ${LUMARIN_DIST}/default.png ${LUMARIN_DIST}/crosshair.png
  DESTINATION .)
include(${CMAKE_SOURCE_DIR}/packaging/packaging.cmake)
