// The command as a user runs it: the built program on a real directory,
// interrupted by signals, raced by a second run, short of disk, memory or
// descriptors, and with its output going nowhere.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <set>
#include <utility>
#include <vector>

#include "generator/GeneratedFile.h"
#include "tests/FileLayerCases.h"

namespace vantrel {
namespace {

namespace fs = std::filesystem;

std::string Quote(const std::string& text) {
  std::string quoted = "'";
  for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

struct Outcome {
  int status = -1;
  std::string out, err;
};

const std::size_t kFiles = GeneratedFiles().size();

class CommandProcessTest : public ::testing::Test, public test::FsDirectory {
 protected:
  void SetUp() override { Create("vantrel-command-" + std::to_string(getpid())); }
  void TearDown() override { Remove(); }
  // An entry's type and mode, and a file's size.
  std::string Mode(const std::string& path) const override {
    struct stat st {};
    lstat(Path(path).c_str(), &st);
    return std::to_string(st.st_mode) + (S_ISREG(st.st_mode) ? " " + std::to_string(st.st_size) : "");
  }

  // Runs "vantrel new args" in directory after prefix (environment settings,
  // or a command and "&&"), standard output going to stdoutTo if given.
  Outcome Run(const fs::path& directory, const std::string& args, const std::string& prefix = "",
              const std::string& stdoutTo = "") {
    const fs::path out = dir_ / "stdout.txt", err = dir_ / "stderr.txt";
    const std::string command = "cd " + Quote(directory) + " && " + prefix + " " + VANTREL_PROGRAM + " new " + args +
                                " >" + (stdoutTo.empty() ? Quote(out) : stdoutTo) + " 2>" + Quote(err);
    const int raw = std::system(command.c_str());
    Outcome outcome{WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, Content(out), Content(err)};
    fs::remove(out);
    fs::remove(err);
    return outcome;
  }

  // A new directory below dir_: empty, or a copy of from.
  fs::path Fresh(const std::string& name, const fs::path& from = {}) {
    const fs::path dir = dir_ / name;
    from.empty() ? void(fs::create_directories(dir)) : fs::copy(from, dir, fs::copy_options::recursive);
    return dir;
  }

  // A new directory below dir_ with the project "vantrel new args" writes.
  fs::path Project(const std::string& name, const std::string& args) {
    const fs::path dir = Fresh(name);
    EXPECT_EQ(Run(dir, args).status, 0);
    return dir;
  }

  // Runs "vantrel new args" after prefix in dir: it must end with status
  // and change nothing.
  Outcome ExpectUnchanged(const fs::path& dir, const std::string& args, const std::string& prefix, int status) {
    const auto before = Listing(dir);
    auto r = Run(dir, args, prefix);
    EXPECT_EQ(r.status, status) << r.err;
    EXPECT_EQ(Listing(dir), before);
    return r;
  }

  // Mounts a tmpfs with options at dir (as root only).
  static bool Mount(const fs::path& dir, const std::string& options) {
    return std::system(("mount -t tmpfs -o " + options + " none " + Quote(dir) + " 2>/dev/null").c_str()) == 0;
  }
  static void Unmount(const fs::path& dir) { std::system(("umount " + Quote(dir)).c_str()); }
};

// Interrupted before the files, after writing them or after putting them in
// place, over an existing project or not, a run changes nothing and ends as
// interrupted, never as a success; so does every other catchable signal
// that would end the process. (A stop at every step: RunFaultCases.)
TEST_F(CommandProcessTest, AnInterruptedRunChangesNothing) {
  const fs::path old = Project("old", "One --view-base CTreeView");
  std::vector<std::pair<int, std::size_t>> cases;  // Signal and step.
  for (int signal : {SIGINT, SIGTERM, SIGHUP})
    for (std::size_t steps : {std::size_t{0}, kFiles, 2 * kFiles}) cases.emplace_back(signal, steps);
  for (int signal : {SIGQUIT, SIGPIPE, SIGALRM, SIGUSR1, SIGUSR2, SIGXCPU, SIGVTALRM, SIGPROF})
    cases.emplace_back(signal, 7);
  int n = 0;
  for (const auto& [signal, steps] : cases)
    for (bool force : {false, true}) {
      SCOPED_TRACE(std::to_string(signal) + " after " + std::to_string(steps) + (force ? " --force" : ""));
      const fs::path dir = Fresh("run" + std::to_string(++n), force ? old : fs::path{});
      auto r = ExpectUnchanged(dir, force ? "Two --force" : "Two",
                               "VANTREL_TEST_INTERRUPT=" + std::to_string(signal) + ":" + std::to_string(steps),
                               128 + signal);
      EXPECT_NE(r.err.find("interrupted by signal " + std::to_string(signal) + " (" + strsignal(signal) +
                           "); nothing was changed, and the project was not opened\n"),
                std::string::npos)
          << r.err;
      EXPECT_EQ(r.out.find("IDE:"), std::string::npos);
      fs::remove_all(dir);
    }
}

// A second run into a location the first (stopped after three files) holds
// refuses at once, even with --force; the first then finishes alone.
TEST_F(CommandProcessTest, TwoRunsIntoOneLocation) {
  const pid_t first = fork();
  ASSERT_GE(first, 0);
  if (first == 0) {
    setenv("VANTREL_TEST_INTERRUPT", "19:3", 1);  // SIGSTOP
    if (chdir(dir_.c_str()) != 0 || !freopen("/dev/null", "w", stdout)) _exit(127);
    execl(VANTREL_PROGRAM, "vantrel", "new", "Foo", static_cast<char*>(nullptr));
    _exit(127);
  }
  int status = 0;
  ASSERT_EQ(waitpid(first, &status, WUNTRACED), first);
  ASSERT_TRUE(WIFSTOPPED(status));
  for (const char* args : {"Bar", "Bar --force", "Bar --dry-run"}) {
    auto second = Run(dir_, args);
    EXPECT_EQ(second.status, 73) << args;
    EXPECT_EQ(second.err, "vantrel: Cannot write into directory " + dir_.string() +
                              ": another run is writing into it\nvantrel: nothing was written\n");
  }
  kill(first, SIGCONT);
  ASSERT_EQ(waitpid(first, &status, 0), first);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  EXPECT_EQ(Listing(dir_).size(), kFiles + 1);
  EXPECT_FALSE(fs::exists(dir_ / "Bar.bpr"));
}

// A real disk that fills at any file, into an empty location or over project
// One: the run writes all of project Two or changes nothing, and names the
// file that did not fit. Each tmpfs holds what is there plus 1 to 60 pages.
TEST_F(CommandProcessTest, ARealDiskFullAtAnyFileChangesNothing) {
  const fs::path reference = Project("reference", "One --view-base CTreeView"), two = Project("two", "Two"),
                 mount = Fresh("small");
  for (bool force : {false, true}) {
    std::set<std::string> failedFiles;
    bool whole = false;
    for (int pages = 1; pages <= 60 && !whole; ++pages) {
      SCOPED_TRACE(std::to_string(pages) + " pages" + (force ? " --force" : ""));
      if (!Mount(mount, "size=4m")) GTEST_SKIP() << "cannot mount a tmpfs here";
      if (force)
        for (const auto& entry : fs::directory_iterator(reference))
          fs::copy(entry.path(), mount / entry.path().filename(), fs::copy_options::recursive);
      struct statvfs st {};
      statvfs(mount.c_str(), &st);
      const auto size = (st.f_blocks - st.f_bfree + pages) * st.f_frsize;
      const bool resized =
          std::system(("mount -o remount,size=" + std::to_string(size) + " " + Quote(mount)).c_str()) == 0;
      const auto before = Listing(mount);
      auto r = resized ? Run(mount, std::string("Two") + (force ? " --force" : "")) : Outcome{};
      const auto after = Listing(mount);
      Unmount(mount);
      ASSERT_TRUE(resized);
      whole = r.status == 0;
      if (whole) {
        for (const auto& [name, entry] : Listing(two)) EXPECT_EQ(after.at(name), entry) << name;
        continue;
      }
      EXPECT_EQ(r.status, 74) << r.err;
      EXPECT_NE(r.err.find(": No space left on device\nvantrel: nothing was changed"), std::string::npos) << r.err;
      EXPECT_EQ(after, before);
      failedFiles.insert(r.err.substr(0, r.err.find(':', r.err.find(mount.string()))));
    }
    EXPECT_TRUE(whole) << "60 pages are room enough";
    EXPECT_GE(failedFiles.size(), 10u) << "the disk filled at many different files";
  }
  // A "res" that cannot be made for want of space is reported as that.
  ASSERT_TRUE(Mount(mount, "size=1m,nr_inodes=5"));
  auto r = Run(mount, "Demo");
  Unmount(mount);
  EXPECT_EQ(r.status, 74);
  EXPECT_NE(r.err.find("Cannot create file " + (mount / "res/Demo.rc2").string() + ": No space left on device\n"),
            std::string::npos)
      << r.err;
}

// A file-size limit stops a write part-way (SIGXFSZ must not end the
// process) and names the file; a descriptor limit too low for every file to
// be held open at once is refused before writing (one high enough is not).
TEST_F(CommandProcessTest, ALimitTooLowChangesNothing) {
  const fs::path old = Project("old", "One --view-base CTreeView");
  const struct {
    std::string limit;
    int status;
    std::string reason;
  } cases[] = {
      {"ulimit -f 4 &&", 74, ": File too large\nvantrel: nothing was changed"},
      {"ulimit -n 20 &&", 73, "files open at once, and this process may open only"},
  };
  int n = 0;
  for (const auto& c : cases)
    for (bool force : {false, true}) {
      SCOPED_TRACE(c.limit + (force ? " --force" : ""));
      const fs::path dir = Fresh("run" + std::to_string(++n), force ? old : fs::path{});
      auto r = ExpectUnchanged(dir, force ? "Two --force" : "Two", c.limit, c.status);
      EXPECT_NE(r.err.find(c.reason), std::string::npos) << r.err;
    }
  EXPECT_EQ(Run(Fresh("enough"), "Demo", "ulimit -n 40 &&").status, 0);
}

// Out of memory at any point ends with a report, never an abort: a whole
// project (0), nothing written (70), or the files written and those that
// failed (74). Limits too small for the program to start are skipped.
TEST_F(CommandProcessTest, RunningOutOfMemoryEndsWithAReport) {
  const fs::path reference = Project("reference", "Demo");
  std::set<int> seen;
  for (int limit = 2000; limit <= 4000; limit += 50) {
    const std::string ulimit = "ulimit -v " + std::to_string(limit) + " &&";
    if (std::system(("(" + ulimit + " " + VANTREL_PROGRAM + " --view-bases >/dev/null 2>&1)").c_str()) != 0) continue;
    SCOPED_TRACE(limit);
    const fs::path dir = Fresh("run" + std::to_string(limit));
    auto r = Run(dir, "Demo", ulimit);
    seen.insert(r.status);
    EXPECT_TRUE(r.status == 0 || r.status == 70 || r.status == 74) << r.status << r.err;
    EXPECT_EQ(r.err.find("terminate"), std::string::npos) << r.err;
    std::size_t written = 0;
    for (const auto& [name, entry] : Listing(dir)) {
      if (fs::is_directory(dir / name)) continue;
      EXPECT_EQ(Content(dir / name), Content(reference / name)) << name;
      EXPECT_NE(r.out.find("/" + name + "\n"), std::string::npos) << name;
      ++written;
    }
    EXPECT_EQ(written, r.status == 0 ? kFiles : r.status == 70 ? 0u : written);
    if (r.status == 74) {
      EXPECT_NE(r.err.find("Cannot allocate memory"), std::string::npos) << r.err;
    }
  }
  // A sanitized build reserves more address space than any of these limits.
  if (seen.empty()) GTEST_SKIP() << "the program does not start under any of these limits";
  EXPECT_TRUE(seen.count(0)) << "no limit was large enough";
}

// The next run into a location removes a killed run's temporaries and says
// so. A run killed outright (SIGKILL, as a power cut) after placing files
// leaves its journal, which a dry run only reports; the next run takes the
// placements back first (stopped then, the location is as before), then
// writes its project whole. (A kill after every placement: RunFaultCases.)
TEST_F(CommandProcessTest, ALaterRunCleansUpAfterAKilledOne) {
  const fs::path dir = dir_ / "p";
  fs::create_directories(dir / "res");
  for (const char* left : {".vantrel-abcdefghij", "res/.vantrel-0123401234"}) std::ofstream(dir / left) << "half";
  auto r = Run(dir, "One --view-base CTreeView");
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.err, "vantrel: removed " + (dir / ".vantrel-abcdefghij").string() +
                       ", a temporary file an interrupted run had left\nvantrel: removed " +
                       (dir / "res/.vantrel-0123401234").string() + ", a temporary file an interrupted run had left\n");
  const auto before = Listing(dir);
  for (std::size_t placed : {std::size_t{1}, kFiles}) {
    SCOPED_TRACE(std::to_string(placed) + " placed");
    auto killed = Run(dir, "Two --force", "VANTREL_TEST_INTERRUPT=9:" + std::to_string(kFiles + placed));
    EXPECT_EQ(killed.status, 128 + SIGKILL);  // As the shell reports it.
    const std::string journal = (dir / ".vantrel-journal").string();
    auto dry = ExpectUnchanged(dir, "Two --force --dry-run", "", 0);
    EXPECT_NE(dry.err.find("an interrupted run left its journal " + journal), std::string::npos) << dry.err;
    auto next = Run(dir, "Two --force", "VANTREL_TEST_INTERRUPT=15:0");
    EXPECT_EQ(next.status, 128 + SIGTERM) << next.err;
    EXPECT_EQ(next.err.find("vantrel: an interrupted run of project Two left its journal " + journal +
                            "; taking it back\n"),
              0u)
        << next.err;
    EXPECT_EQ(next.err.find("could not"), std::string::npos) << next.err;
    EXPECT_EQ(Listing(dir), before);
  }
  const fs::path reference = Project("reference", "One --view-base CTreeView");
  EXPECT_EQ(Run(reference, "Two --force").status, 0);
  EXPECT_EQ(Run(dir, "Two --force").status, 0);
  EXPECT_EQ(Listing(dir), Listing(reference));
}

// A report that cannot be written (a pipe nobody reads, a full device) is a
// failure named on standard error, not a death by SIGPIPE or a success.
TEST_F(CommandProcessTest, AReportThatCannotBeWrittenIsAFailure) {
  int pipe_[2];
  ASSERT_EQ(pipe(pipe_), 0);
  close(pipe_[0]);
  const fs::path err = dir_ / "stderr.txt";
  const pid_t run = fork();
  ASSERT_GE(run, 0);
  if (run == 0) {
    if (chdir(dir_.c_str()) != 0 || dup2(pipe_[1], 1) < 0 || !freopen(err.c_str(), "w", stderr)) _exit(127);
    execl(VANTREL_PROGRAM, "vantrel", "new", "Demo", static_cast<char*>(nullptr));
    _exit(127);
  }
  close(pipe_[1]);
  int status = 0;
  ASSERT_EQ(waitpid(run, &status, 0), run);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 74) << status;
  EXPECT_EQ(Content(err), "vantrel: cannot write the report to standard output: Broken pipe\n");
  for (bool dryRun : {false, true}) {
    auto r = Run(Fresh(dryRun ? "full-dry" : "full"), dryRun ? "X --dry-run" : "X", "", "/dev/full");
    EXPECT_EQ(r.status, 74) << dryRun;
    EXPECT_EQ(r.err, "vantrel: cannot write the report to standard output: No space left on device\n");
  }
}

TEST_F(CommandProcessTest, ADeletedCurrentDirectoryIsOneRefusal) {
  auto r = Run(Fresh("gone"), "X", "rmdir ../gone &&");
  EXPECT_EQ(r.status, 73);
  EXPECT_EQ(r.err, "vantrel: Cannot write into directory .: No such file or directory\nvantrel: nothing was written\n");
}

}  // namespace
}  // namespace vantrel
