# Cross-compiles for 32-bit Windows with Debian's mingw-w64 tool chain
# (g++-mingw-w64-i686, win32 thread model). Programs built for the target
# run through Wine (wine-run.sh), in tests and wherever the build runs them.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)

set(VANTREL_MINGW_PREFIX i686-w64-mingw32)
set(CMAKE_C_COMPILER ${VANTREL_MINGW_PREFIX}-gcc-win32)
set(CMAKE_CXX_COMPILER ${VANTREL_MINGW_PREFIX}-g++-win32)
set(CMAKE_RC_COMPILER ${VANTREL_MINGW_PREFIX}-windres)
set(CMAKE_OBJDUMP ${VANTREL_MINGW_PREFIX}-objdump)

set(CMAKE_FIND_ROOT_PATH /usr/${VANTREL_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The runtime libraries of the compiler go into each binary, so that the
# expert and the command need nothing but the system's own libraries.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static-libgcc -static-libstdc++ -static")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static-libgcc -static-libstdc++ -static")

set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/wine-run.sh)
