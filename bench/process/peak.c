/* Runs a command and writes its peak resident set, in KiB, to OUT.
 *
 *   peak OUT COMMAND [ARG...]
 *
 * The kernel counts into a process's peak the memory of the process it was
 * started from, up to its exec. This program is small and linked
 * statically, so that what it starts is measured nearly on its own, which
 * a start from the benchmark itself would not allow. The command's output
 * goes to /dev/null; the exit status is the command's.
 */
#include <fcntl.h>
#include <stdio.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

int main(int argc, char** argv) {
  if (argc < 3) {
    fprintf(stderr, "usage: peak OUT COMMAND [ARG...]\n");
    return 2;
  }
  pid_t pid = fork();
  if (pid == 0) {
    int null = open("/dev/null", O_WRONLY);
    dup2(null, 1);
    dup2(null, 2);
    execv(argv[2], argv + 2);
    _exit(127);
  }
  int status = 0;
  struct rusage usage;
  if (pid < 0 || wait4(pid, &status, 0, &usage) != pid) return 1;
  FILE* out = fopen(argv[1], "w");
  if (!out) return 1;
  fprintf(out, "%ld\n", usage.ru_maxrss);
  fclose(out);
  return WIFEXITED(status) ? WEXITSTATUS(status) : 1;
}
