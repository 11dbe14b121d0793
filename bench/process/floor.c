/* The floor that `vantrel new` is measured against (bench/ProcessBench.cpp):
 * a plain C program that writes the same bytes to the same files, built
 * into it at build time (FloorFiles.h).
 *
 *   floor new DIR      creates each file with open, write and close
 *   floor publish DIR  creates each file the safe way vantrel does: written
 *                      unnamed in its directory (O_TMPFILE), then linked
 *                      under its name, which fails rather than replace a
 *                      file that appeared meanwhile
 *   floor replace DIR  replaces each existing file the safe way vantrel
 *                      does: a temporary file in the same directory that
 *                      gets the old file's permissions, then a rename
 */
#define _GNU_SOURCE /* O_TMPFILE */
#include <fcntl.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>
#include <unistd.h>

#include "FloorFiles.h"

static void fail(const char* path) {
  perror(path);
  exit(1);
}

static void write_all(int fd, const unsigned char* bytes, size_t size, const char* path) {
  while (size > 0) {
    ssize_t n = write(fd, bytes, size);
    if (n <= 0) fail(path);
    bytes += n;
    size -= (size_t)n;
  }
}

static void create(const char* path, const struct FloorFile* file) {
  int fd = open(path, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  if (fd < 0) fail(path);
  write_all(fd, file->bytes, file->size, path);
  if (close(fd) != 0) fail(path);
}

static void publish(const char* path, const struct FloorFile* file) {
  char dir[4096], self[64];
  snprintf(dir, sizeof dir, "%.*s", (int)(strrchr(path, '/') - path), path);
  int fd = open(dir, O_WRONLY | O_TMPFILE | O_CLOEXEC, 0666);
  if (fd < 0) fail(dir);
  write_all(fd, file->bytes, file->size, path);
  snprintf(self, sizeof self, "/proc/self/fd/%d", fd);
  if (linkat(AT_FDCWD, self, AT_FDCWD, path, AT_SYMLINK_FOLLOW) != 0) fail(path);
  if (close(fd) != 0) fail(path);
}

static void replace(const char* path, const struct FloorFile* file) {
  struct stat old;
  char temp[4096];
  if (stat(path, &old) != 0) fail(path);
  snprintf(temp, sizeof temp, "%.*s/.floor-XXXXXX", (int)(strrchr(path, '/') - path), path);
  int fd = mkstemp(temp);
  if (fd < 0 || fchmod(fd, old.st_mode & 07777) != 0) fail(temp);
  write_all(fd, file->bytes, file->size, temp);
  if (close(fd) != 0) fail(temp);
  if (rename(temp, path) != 0) fail(path);
}

int main(int argc, char** argv) {
  void (*const modes[])(const char*, const struct FloorFile*) = {create, publish, replace};
  const char* const names[] = {"new", "publish", "replace"};
  int mode = -1;
  for (int i = 0; i < 3 && argc == 3; ++i)
    if (strcmp(argv[1], names[i]) == 0) mode = i;
  if (mode < 0) {
    fprintf(stderr, "usage: floor new|publish|replace DIR\n");
    return 2;
  }
  int madeDirectory = 0;
  char path[4096];
  for (size_t i = 0; i < kFloorFileCount; ++i) {
    const struct FloorFile* file = &kFloorFiles[i];
    const char* slash = strchr(file->name, '/');
    if (slash && !madeDirectory) {
      snprintf(path, sizeof path, "%s/%.*s", argv[2], (int)(slash - file->name), file->name);
      mkdir(path, 0777); /* An existing directory is fine, as in the run. */
      madeDirectory = 1;
    }
    snprintf(path, sizeof path, "%s/%s", argv[2], file->name);
    modes[mode](path, file);
  }
  return 0;
}
