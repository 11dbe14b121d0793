# The 32-bit Windows build (preset "windows", toolchain mingw-w64-i686.cmake).
#
# Windows programs run through Wine, in a Wine prefix of the build's own, both
# for ctest and for gtest's test discovery.
set(VANTREL_WINE_RUN ${CMAKE_CURRENT_LIST_DIR}/wine-run.sh)
set(VANTREL_WINE_PREFIX ${CMAKE_BINARY_DIR}/wine-prefix)
set(CMAKE_CROSSCOMPILING_EMULATOR ${VANTREL_WINE_RUN} ${VANTREL_WINE_PREFIX})

# Every function and every datum in a section of its own, so that the linker
# drops what nothing uses (little today, as nearly all of it is used, but
# nothing unused creeps in). The packages strip the binaries as well
# (CPACK_STRIP_FILES, windows/CMakeLists.txt).
add_compile_options(-ffunction-sections -fdata-sections)
add_link_options(-Wl,--gc-sections)

# The tools that check and embed templates and pictures run on the build
# machine, so they come from a native build of this same tree, made inside
# this one; their targets here stand for those native programs. The native
# command is built too, for the test that compares its output with the
# Windows command's.
include(ExternalProject)
set(VANTREL_HOST_TOOLS_DIR ${CMAKE_BINARY_DIR}/host-tools)
set(VANTREL_HOST_TOOLS embed_templates embed_pictures write_picture_resources)
set(VANTREL_HOST_VANTREL ${VANTREL_HOST_TOOLS_DIR}/vantrel)
set(VANTREL_HOST_TOOL_FILES ${VANTREL_HOST_VANTREL})
foreach(tool IN LISTS VANTREL_HOST_TOOLS)
  list(APPEND VANTREL_HOST_TOOL_FILES ${VANTREL_HOST_TOOLS_DIR}/${tool})
endforeach()
ExternalProject_Add(vantrel_host_tools
  SOURCE_DIR ${PROJECT_SOURCE_DIR}
  BINARY_DIR ${VANTREL_HOST_TOOLS_DIR}
  CMAKE_ARGS -G Ninja -DCMAKE_BUILD_TYPE=Release -DVANTREL_BUILD_TESTS=OFF -DVANTREL_BUILD_BENCH=OFF
  BUILD_COMMAND ${CMAKE_COMMAND} --build <BINARY_DIR> --target ${VANTREL_HOST_TOOLS} vantrel
  BUILD_ALWAYS ON
  BUILD_BYPRODUCTS ${VANTREL_HOST_TOOL_FILES}
  INSTALL_COMMAND "")
foreach(tool IN LISTS VANTREL_HOST_TOOLS)
  add_executable(${tool} IMPORTED GLOBAL)
  set_target_properties(${tool} PROPERTIES IMPORTED_LOCATION ${VANTREL_HOST_TOOLS_DIR}/${tool}
                                           CROSSCOMPILING_EMULATOR "")
endforeach()
