# Build rules shared by every directory: the layer include roots, the
# embedding of data files, the window libraries, and the build flavours.

# Each layer's headers are reached through an include root of their own in
# the build tree: build/layers/KEY holds a link named like the layer's source
# directory (build/layers/generator/generator -> generator/). A target sees
# the roots of the layers it links and nothing else, so a file that includes
# a header of a layer above its own does not compile.
function(vantrel_layer target directory)
  string(REPLACE "/" "_" key ${directory})
  set(root ${CMAKE_BINARY_DIR}/layers/${key})
  get_filename_component(parent ${root}/${directory} DIRECTORY)
  file(MAKE_DIRECTORY ${parent})
  file(CREATE_LINK ${PROJECT_SOURCE_DIR}/${directory} ${root}/${directory} SYMBOLIC)
  target_include_directories(${target} PUBLIC ${root})
endfunction()

# Runs a build-time TOOL over data files and compiles what it writes into
# TARGET. The tool is called as
#   TOOL OUT.cpp [OUT.h] ARGS... INPUTS...
# and must fail on any input it rejects, which stops the build. A HEADER is
# given as its include path (generator/TemplateNames.h) and is reachable
# from TARGET and from whatever links it.
function(vantrel_embed target)
  cmake_parse_arguments(PARSE_ARGV 1 ARG "" "TOOL;SOURCE;HEADER;COMMENT" "ARGS;INPUTS")
  set(dir ${CMAKE_BINARY_DIR}/generated/${target})
  set(outputs ${dir}/${ARG_SOURCE})
  if(ARG_HEADER)
    list(APPEND outputs ${dir}/include/${ARG_HEADER})
    target_include_directories(${target} PUBLIC ${dir}/include)
  endif()
  set(directories)
  foreach(output IN LISTS outputs)
    get_filename_component(parent ${output} DIRECTORY)
    list(APPEND directories ${parent})
  endforeach()
  add_custom_command(
    OUTPUT ${outputs}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${directories}
    COMMAND ${ARG_TOOL} ${outputs} ${ARG_ARGS} ${ARG_INPUTS}
    DEPENDS ${ARG_TOOL} ${ARG_INPUTS}
    COMMENT ${ARG_COMMENT}
    VERBATIM)
  target_sources(${target} PRIVATE ${outputs})
  # The data goes into long string literals, which every compiler we build
  # with takes whole, beyond the length the standard promises.
  if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
    set_source_files_properties(${dir}/${ARG_SOURCE} PROPERTIES COMPILE_OPTIONS -Wno-overlength-strings)
  endif()
endfunction()

# FLTK on X, shared: the stand-in host and the expert library it loads use
# one copy, so that both run in one event loop.
# (The Windows build has no X and no FLTK.)
if(NOT WIN32)
  find_package(X11 REQUIRED)
  find_library(VANTREL_FLTK_LIBRARY NAMES fltk REQUIRED)
  add_library(vantrel_fltk INTERFACE)
  target_link_libraries(vantrel_fltk INTERFACE ${VANTREL_FLTK_LIBRARY} X11::X11)
endif()

option(VANTREL_SANITIZE "Build with the address and undefined-behaviour sanitizers" OFF)
option(VANTREL_WERROR "Treat compiler warnings as errors" OFF)
option(VANTREL_FUZZ "Build the libFuzzer targets (needs clang; implies VANTREL_SANITIZE)" OFF)

if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
  add_compile_options(-Wall -Wextra -Wpedantic)
  if(VANTREL_WERROR)
    add_compile_options(-Werror)
  endif()
endif()

if(VANTREL_SANITIZE OR VANTREL_FUZZ)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()
if(VANTREL_FUZZ)
  add_compile_options(-fsanitize=fuzzer-no-link)
endif()
