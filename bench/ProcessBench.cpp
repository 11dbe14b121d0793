// `vantrel new` as a whole process against its floor, a C program that
// writes the same bytes to the same files (process/floor.c): both into an
// empty directory, and both over an existing project (vantrel with --force,
// the floor replacing each file through a temporary file and a rename).
// The programs run in turns, each time as a fresh process with its output
// thrown away. The table gives, for each, the median wall time and the
// median processor time (user and system; less disturbed by other load on
// the machine) with their ratios to the floor's, and the largest peak
// resident set of a few runs started through process/peak.c.
//
//   vantrel_process_bench [--runs N] [--dir DIR] [VANTREL...]
//
// A second floor creates new files the safe way vantrel does (written
// unnamed, then linked under their names); the last line gives the ratio
// of a new project to that one.
//
// DIR (default /dev/shm, else $TMPDIR) should be on tmpfs, so that the disk's
// write-back stays out of the figures. Without VANTREL arguments the
// program measures the vantrel of this build and the link variants built
// next to it (see bench/CMakeLists.txt).

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern char** environ;

namespace {

namespace fs = std::filesystem;

struct Sample {
  double wall = 0;  // Microseconds.
  double cpu = 0;
};

double Micros(const timeval& t) { return t.tv_sec * 1e6 + t.tv_usec; }

// Runs the command with its output sent to /dev/null; fails on any status
// other than 0.
Sample Run(const std::vector<std::string>& command) {
  std::vector<char*> argv;
  for (const auto& arg : command) argv.push_back(const_cast<char*>(arg.c_str()));
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  const auto start = std::chrono::steady_clock::now();
  pid_t pid = 0;
  if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) != 0) {
    std::fprintf(stderr, "cannot start %s\n", argv[0]);
    std::exit(1);
  }
  int status = 0;
  rusage usage{};
  wait4(pid, &status, 0, &usage);
  const auto end = std::chrono::steady_clock::now();
  posix_spawn_file_actions_destroy(&actions);
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    std::fprintf(stderr, "%s failed (status %d)\n", argv[0], status);
    std::exit(1);
  }
  return {std::chrono::duration<double, std::micro>(end - start).count(),
          Micros(usage.ru_utime) + Micros(usage.ru_stime)};
}

std::string ReadAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

// Every file below dir with its bytes, for comparing two projects.
std::vector<std::pair<std::string, std::string>> Snapshot(const fs::path& dir) {
  std::vector<std::pair<std::string, std::string>> files;
  for (const auto& entry : fs::recursive_directory_iterator(dir))
    if (entry.is_regular_file()) files.emplace_back(fs::relative(entry.path(), dir).string(), ReadAll(entry.path()));
  std::sort(files.begin(), files.end());
  return files;
}

struct Program {
  std::string label;
  std::vector<std::string> newCommand, replaceCommand;
  std::vector<Sample> newSamples, replaceSamples;
  long peakKiB = 0;
};

double Median(const std::vector<Sample>& samples, double Sample::*field) {
  std::vector<double> values;
  for (const auto& s : samples) values.push_back(s.*field);
  std::nth_element(values.begin(), values.begin() + values.size() / 2, values.end());
  return values[values.size() / 2];
}

// The peak resident set of the command in KiB, through the peak program.
long PeakKiB(const std::vector<std::string>& command, const fs::path& out) {
  std::vector<std::string> wrapped = {VANTREL_PEAK, out.string()};
  wrapped.insert(wrapped.end(), command.begin(), command.end());
  Run(wrapped);
  long kib = 0;
  std::ifstream(out) >> kib;
  return kib;
}

void Fresh(const fs::path& dir) {
  fs::remove_all(dir);
  fs::create_directories(dir);
}

}  // namespace

int main(int argc, char** argv) {
  int runs = 200;
  fs::path base = fs::exists("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
  std::vector<std::string> vantrels;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--runs" && i + 1 < argc)
      runs = std::max(1, std::atoi(argv[++i]));
    else if (arg == "--dir" && i + 1 < argc)
      base = argv[++i];
    else
      vantrels.push_back(arg);
  }
  if (vantrels.empty()) {
    const std::string built = VANTREL_PROGRAMS;  // Separated by '|'.
    for (std::size_t start = 0; start <= built.size();) {
      std::size_t end = std::min(built.find('|', start), built.size());
      vantrels.push_back(built.substr(start, end - start));
      start = end + 1;
    }
  }

  const fs::path dir = base / ("vantrel-process-bench-" + std::to_string(getpid()));
  const std::string where = dir.string();
  std::vector<Program> programs;
  programs.push_back({"C floor", {VANTREL_FLOOR, "new", where}, {VANTREL_FLOOR, "replace", where}, {}, {}});
  // New files put in place the way vantrel's file layer does it, so that a
  // file appears only complete: the ratio to this is the cost of the run's
  // own work rather than of that guarantee.
  programs.push_back({"C floor, safe new", {VANTREL_FLOOR, "publish", where}, {VANTREL_FLOOR, "replace", where},
                      {}, {}});
  for (const auto& path : vantrels)
    programs.push_back({fs::path(path).filename().string(),
                        {path, "new", VANTREL_BENCH_NAME, "--location", where},
                        {path, "new", VANTREL_BENCH_NAME, "--location", where, "--force"}, {}, {}});

  // Every program must write exactly the floor's bytes.
  Fresh(dir);
  Run(programs[0].newCommand);
  const auto expected = Snapshot(dir);
  for (auto& program : programs) {
    Fresh(dir);
    Run(program.newCommand);
    if (Snapshot(dir) != expected) {
      std::fprintf(stderr, "%s does not write the floor's bytes\n", program.label.c_str());
      return 1;
    }
  }

  const fs::path peakFile = base / ("vantrel-process-bench-peak-" + std::to_string(getpid()));
  for (auto& program : programs) {
    for (int r = 0; r < 5; ++r) {
      Fresh(dir);
      program.peakKiB = std::max(program.peakKiB, PeakKiB(program.newCommand, peakFile));
      program.peakKiB = std::max(program.peakKiB, PeakKiB(program.replaceCommand, peakFile));
    }
  }
  for (int r = 0; r < runs; ++r) {
    for (auto& program : programs) {
      Fresh(dir);
      program.newSamples.push_back(Run(program.newCommand));
      program.replaceSamples.push_back(Run(program.replaceCommand));
    }
  }
  fs::remove_all(dir);
  fs::remove(peakFile);

  std::printf("%d runs each, in %s: median microseconds of a whole process (ratio to the floor)\n\n",
              runs, base.c_str());
  std::printf("%-26s %20s %20s %20s %20s %10s\n", "program", "new, wall", "new, cpu", "--force, wall",
              "--force, cpu", "peak (MB)");
  const Program& floor = programs[0];
  for (const auto& p : programs) {
    std::printf("%-26s", p.label.c_str());
    for (auto [samples, floorSamples] : {std::pair{&p.newSamples, &floor.newSamples},
                                         std::pair{&p.replaceSamples, &floor.replaceSamples}}) {
      for (double Sample::*field : {&Sample::wall, &Sample::cpu}) {
        const double value = Median(*samples, field);
        std::printf(" %12.0f (%5.2f)", value, value / Median(*floorSamples, field));
      }
    }
    std::printf(" %10.1f\n", p.peakKiB / 1024.0);
  }
  std::printf("\nnew project against the safe C floor (processor time):");
  for (std::size_t i = 2; i < programs.size(); ++i)
    std::printf(" %s %.2f", programs[i].label.c_str(),
                Median(programs[i].newSamples, &Sample::cpu) / Median(programs[1].newSamples, &Sample::cpu));
  std::printf("\n");
  return 0;
}
