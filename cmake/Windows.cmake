# The 32-bit Windows build (preset "windows", toolchain mingw-w64-i686.cmake).
#
# Windows programs run through Wine, in a Wine prefix of the build's own, both
# for ctest and for gtest's test discovery.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/wine-run.sh ${CMAKE_BINARY_DIR}/wine-prefix)

# The tools that check and embed templates and pictures run on the build
# machine, so they come from a native build of this same tree, made inside
# this one. Their targets here stand for those native programs.
include(ExternalProject)
set(VANTREL_HOST_TOOLS_DIR ${CMAKE_BINARY_DIR}/host-tools)
set(VANTREL_HOST_TOOLS embed_templates embed_pictures write_picture_resources)
set(VANTREL_HOST_TOOL_FILES)
foreach(tool IN LISTS VANTREL_HOST_TOOLS)
  list(APPEND VANTREL_HOST_TOOL_FILES ${VANTREL_HOST_TOOLS_DIR}/${tool})
endforeach()
ExternalProject_Add(vantrel_host_tools
  SOURCE_DIR ${PROJECT_SOURCE_DIR}
  BINARY_DIR ${VANTREL_HOST_TOOLS_DIR}
  CMAKE_ARGS -G Ninja -DCMAKE_BUILD_TYPE=Release -DVANTREL_BUILD_TESTS=OFF -DVANTREL_BUILD_BENCH=OFF
  BUILD_COMMAND ${CMAKE_COMMAND} --build <BINARY_DIR> --target ${VANTREL_HOST_TOOLS}
  BUILD_ALWAYS ON
  BUILD_BYPRODUCTS ${VANTREL_HOST_TOOL_FILES}
  INSTALL_COMMAND "")
foreach(tool IN LISTS VANTREL_HOST_TOOLS)
  add_executable(${tool} IMPORTED GLOBAL)
  set_target_properties(${tool} PROPERTIES IMPORTED_LOCATION ${VANTREL_HOST_TOOLS_DIR}/${tool}
                                           CROSSCOMPILING_EMULATOR "")
endforeach()
