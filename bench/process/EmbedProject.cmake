# Writes the C source of the floor's files from a project that vantrel wrote:
#   cmake -DDIR=project -DLIST=files.txt -DOUT=FloorFiles.h -P EmbedProject.cmake
# LIST is the output of `vantrel new NAME --list-files`, so the floor writes
# the files in the run's order.
file(STRINGS ${LIST} names)
set(arrays "")
set(table "")
set(i 0)
foreach(name IN LISTS names)
  file(READ "${DIR}/${name}" hex HEX)
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
  file(SIZE "${DIR}/${name}" size)
  string(APPEND arrays "static const unsigned char kFile${i}[] = {${bytes}};\n")
  string(APPEND table "    {\"${name}\", kFile${i}, ${size}},\n")
  math(EXPR i "${i} + 1")
endforeach()
file(WRITE ${OUT} "/* Written by EmbedProject.cmake; do not edit. */
#include <stddef.h>
struct FloorFile {
  const char* name;
  const unsigned char* bytes;
  size_t size;
};
${arrays}
static const struct FloorFile kFloorFiles[] = {
${table}};
static const size_t kFloorFileCount = ${i};
")
