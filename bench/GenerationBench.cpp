// The whole generation run against its floor: the same bytes written to the
// same files with plain open, write and close. Both overwrite an existing
// project each iteration, as a second run into the same location does, and
// both write a new project into an empty directory. At the end the program
// prints how many times the floor's time the run takes.

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "generator/CodePage.h"
#include "generator/GenerationRun.h"
#include "platform/fs/MemoryFileSystem.h"
#include "platform/fs/PosixFileSystem.h"

namespace {

namespace fs = std::filesystem;
using vantrel::PosixFileSystem;

struct Project {
  std::string location;
  std::vector<std::pair<std::string, std::string>> files;  // Native path, bytes.
};

vantrel::ProjectSettings Settings(const std::string& location) {
  vantrel::ProjectSettings settings;
  settings.Name = "Demo";
  settings.Location = location;
  settings.DeriveClassNames();
  return settings;
}

// The bytes of every file, taken from a run on the in-memory file system,
// and the native paths a run here writes them to.
Project MakeProject(const std::string& location) {
  vantrel::MemoryFileSystem memory;
  memory.AddDirectory(location);
  auto settings = Settings(location);
  vantrel::GenerationRun(settings, memory, nullptr, vantrel::codepage::kWestern);
  const auto memoryPaths = vantrel::PlannedPaths(settings, memory);
  const auto nativePaths = vantrel::PlannedPaths(settings, PosixFileSystem());
  Project project{location, {}};
  for (std::size_t i = 0; i < memoryPaths.size(); ++i)
    project.files.emplace_back(nativePaths[i], memory.Find(memoryPaths[i])->content);
  return project;
}

std::string FreshDirectory(const char* tag) {
  auto dir = fs::temp_directory_path() / ("vantrel-bench-" + std::string(tag) + "-" + std::to_string(getpid()));
  fs::remove_all(dir);
  fs::create_directories(dir / "res");
  return dir.string();
}

void WriteFloor(const Project& project) {
  for (const auto& [path, bytes] : project.files) {
    int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0 || write(fd, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size())) std::abort();
    close(fd);
  }
}

void WriteRun(const std::string& location) {
  PosixFileSystem posix;
  auto settings = Settings(location);
  auto report = vantrel::GenerationRun(settings, posix, nullptr, vantrel::codepage::kWestern);
  if (!report.Succeeded()) std::abort();
}

void BM_FloorOverwrite(benchmark::State& state) {
  Project project = MakeProject(FreshDirectory("floor"));
  WriteFloor(project);
  for (auto _ : state) WriteFloor(project);
  fs::remove_all(project.location);
}

void BM_RunOverwrite(benchmark::State& state) {
  std::string location = FreshDirectory("run");
  WriteRun(location);
  for (auto _ : state) WriteRun(location);
  fs::remove_all(location);
}

// Into an empty directory: the directory is emptied between iterations,
// outside the timed part.
void EmptyOut(const std::string& location) {
  fs::remove_all(location);
  fs::create_directories(fs::path(location) / "res");
}

void BM_FloorNew(benchmark::State& state) {
  Project project = MakeProject(FreshDirectory("floor-new"));
  for (auto _ : state) {
    state.PauseTiming();
    EmptyOut(project.location);
    state.ResumeTiming();
    WriteFloor(project);
  }
  fs::remove_all(project.location);
}

void BM_RunNew(benchmark::State& state) {
  std::string location = FreshDirectory("run-new");
  for (auto _ : state) {
    state.PauseTiming();
    EmptyOut(location);
    state.ResumeTiming();
    WriteRun(location);
  }
  fs::remove_all(location);
}

// The run's own work without the file system: templates spliced into the
// writer's buffer and handed to the in-memory file system.
void BM_RunInMemory(benchmark::State& state) {
  vantrel::MemoryFileSystem memory;
  memory.AddDirectory("C:\\Work");
  auto settings = Settings("C:\\Work");
  for (auto _ : state) vantrel::GenerationRun(settings, memory, nullptr, vantrel::codepage::kWestern);
}

BENCHMARK(BM_RunInMemory)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FloorOverwrite)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RunOverwrite)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FloorNew)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RunNew)->Unit(benchmark::kMicrosecond);

// Keeps each benchmark's time per iteration so that the ratios can be
// printed after the usual table.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const auto& run : runs)
      if (run.run_type == Run::RT_Iteration) times_[run.benchmark_name()] = run.GetAdjustedRealTime();
    ConsoleReporter::ReportRuns(runs);
  }
  void PrintRatio(const char* what, const std::string& run, const std::string& floor) {
    if (times_.count(run) && times_.count(floor) && times_[floor] > 0)
      std::printf("%s: the run takes %.2f times the floor's time\n", what, times_[run] / times_[floor]);
  }

 private:
  std::map<std::string, double> times_;
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.PrintRatio("overwriting a project", "BM_RunOverwrite", "BM_FloorOverwrite");
  reporter.PrintRatio("writing a new project", "BM_RunNew", "BM_FloorNew");
  benchmark::Shutdown();
  return 0;
}
