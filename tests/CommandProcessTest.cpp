// The command as a user runs it: the built program on a real directory,
// interrupted by signals, raced by a second run, and with its output going
// nowhere.

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

#include "generator/GeneratedFile.h"

namespace vantrel {
namespace {

namespace fs = std::filesystem;

std::string Quote(const std::string& text) {
  std::string quoted = "'";
  for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

std::string Slurp(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream content;
  content << in.rdbuf();
  return content.str();
}

struct Outcome {
  int status = -1;
  std::string out, err;
};

class CommandProcessTest : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = fs::temp_directory_path() / ("vantrel-command-" + std::to_string(getpid()));
    fs::remove_all(root_);
    fs::create_directories(root_);
  }
  void TearDown() override { fs::remove_all(root_); }

  // Runs "vantrel new" in directory with args, after prefix in the same
  // shell command line (environment settings, or a command and "&&"), and
  // with standard output sent to stdoutTo (a file of the test when empty).
  Outcome Run(const fs::path& directory, const std::string& args, const std::string& prefix = "",
              const std::string& stdoutTo = "") {
    const fs::path out = root_ / "stdout.txt", err = root_ / "stderr.txt";
    const std::string command = "cd " + Quote(directory) + " && " + prefix + " " + VANTREL_PROGRAM + " new " + args +
                                " >" + (stdoutTo.empty() ? Quote(out) : stdoutTo) + " 2>" + Quote(err);
    const int raw = std::system(command.c_str());
    Outcome outcome{WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, Slurp(out), Slurp(err)};
    fs::remove(out);
    fs::remove(err);
    return outcome;
  }

  // The names below directory, "res/" before those in res.
  static std::set<std::string> Names(const fs::path& directory) {
    std::set<std::string> names;
    for (const auto& entry : fs::recursive_directory_iterator(directory))
      names.insert(fs::relative(entry.path(), directory).string());
    return names;
  }

  fs::path root_;
};

// A backslash is part of a directory's name, in the location as given and in
// the current directory alike; a two-byte character ending in 0x5C too.
TEST_F(CommandProcessTest, ABackslashInTheLocationIsPartOfItsName) {
  fs::create_directories(root_ / "a" / "b");
  const struct {
    std::string directory;  // Below root_.
    bool current;           // Run in it, without --location.
    std::string opened;     // The makefile the IDE is asked to open.
  } cases[] = {
      {"a\\b", false, "a\\b/X.bpr"},
      {"c\\d", true, (root_ / "c\\d" / "X.bpr").string()},
      // Printed with the stray byte 0x81 escaped, as a C1 control would be.
      {"gbk\x81\x5c", false, "gbk\\x81\\/X.bpr"},
  };
  for (const auto& c : cases) {
    fs::create_directories(root_ / c.directory);
    auto r = c.current ? Run(root_ / c.directory, "X") : Run(root_, "X --location " + Quote(c.directory));
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(Names(root_ / c.directory).size(), GeneratedFiles().size() + 1) << c.directory;
    EXPECT_TRUE(fs::exists(root_ / c.directory / "X.bpr"));
    EXPECT_NE(r.out.find("IDE: open " + c.opened + "\n"), std::string::npos) << r.out;
  }
  EXPECT_TRUE(fs::is_empty(root_ / "a" / "b"));
}

// Interrupted at a chosen point, a run leaves only whole files, and no
// temporary, whichever signal stopped it, over an existing project or not.
TEST_F(CommandProcessTest, AnInterruptedRunLeavesOnlyWholeFiles) {
  const fs::path reference = root_ / "reference", old = root_ / "old";
  fs::create_directories(reference);
  fs::create_directories(old);
  ASSERT_EQ(Run(reference, "Demo").status, 0);
  ASSERT_EQ(Run(old, "Demo --view-base CTreeView").status, 0);
  int n = 0;
  for (int signal : {SIGINT, SIGTERM, SIGHUP})
    for (int files : {0, 9, 22})
      for (bool force : {false, true}) {
        SCOPED_TRACE(std::to_string(signal) + " after " + std::to_string(files) + (force ? " --force" : ""));
        const fs::path dir = root_ / ("run" + std::to_string(++n));
        if (force)
          fs::copy(old, dir, fs::copy_options::recursive);
        else
          fs::create_directories(dir);
        auto r = Run(dir, std::string("Demo") + (force ? " --force" : ""),
                     "VANTREL_TEST_INTERRUPT=" + std::to_string(signal) + ":" + std::to_string(files));
        EXPECT_EQ(r.status, 128 + signal) << r.err;
        EXPECT_NE(r.err.find("interrupted by signal " + std::to_string(signal)), std::string::npos) << r.err;
        EXPECT_EQ(r.out.find("IDE:"), std::string::npos);
        std::size_t listed = 0, fresh = 0;
        for (const auto& name : Names(reference)) {
          if (fs::is_directory(reference / name)) continue;
          listed += r.out.find("/" + name + "\n") != std::string::npos;
          const std::string now = Slurp(dir / name);
          fresh += now == Slurp(reference / name);
          if (force) {
            EXPECT_TRUE(now == Slurp(reference / name) || now == Slurp(old / name)) << name;
          }
        }
        EXPECT_EQ(listed, static_cast<std::size_t>(files));
        // Over the old project the files that were not written keep their
        // content; the two projects share some files byte for byte.
        if (!force) {
          EXPECT_EQ(fresh, static_cast<std::size_t>(files));
        }
        const auto names = Names(dir);
        // The resource directory is made before the fifth file.
        EXPECT_EQ(names.size(), force ? Names(old).size() : files + (files >= 5 ? 1 : 0));
        for (const auto& name : names) EXPECT_EQ(name.find(".vantrel"), std::string::npos) << name;
      }
}

// The first run is stopped (SIGSTOP) after three files, holding its lock;
// a second run into the same location refuses at once, even with --force,
// and the first then finishes its project alone.
TEST_F(CommandProcessTest, TwoRunsIntoOneLocation) {
  const pid_t first = fork();
  ASSERT_GE(first, 0);
  if (first == 0) {
    setenv("VANTREL_TEST_INTERRUPT", ("19:3"), 1);  // SIGSTOP
    if (chdir(root_.c_str()) != 0 || !freopen("/dev/null", "w", stdout)) _exit(127);
    execl(VANTREL_PROGRAM, "vantrel", "new", "Foo", static_cast<char*>(nullptr));
    _exit(127);
  }
  int status = 0;
  ASSERT_EQ(waitpid(first, &status, WUNTRACED), first);
  ASSERT_TRUE(WIFSTOPPED(status));
  for (const char* args : {"Bar", "Bar --force", "Bar --dry-run"}) {
    auto second = Run(root_, args);
    EXPECT_EQ(second.status, 73) << args;
    EXPECT_EQ(second.err, "vantrel: Cannot write into directory " + root_.string() +
                              ": another run is writing into it\nvantrel: nothing was written\n");
  }
  kill(first, SIGCONT);
  ASSERT_EQ(waitpid(first, &status, 0), first);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  EXPECT_EQ(Names(root_).size(), GeneratedFiles().size() + 1);
  EXPECT_TRUE(fs::exists(root_ / "Foo.bpr"));
  EXPECT_FALSE(fs::exists(root_ / "Bar.bpr"));
}

TEST_F(CommandProcessTest, AReportThatCannotBePrintedIsAFailure) {
  for (const char* args : {"X", "X --dry-run"}) {
    fs::remove_all(root_ / "full");
    fs::create_directories(root_ / "full");
    auto r = Run(root_ / "full", args, "", "/dev/full");
    EXPECT_EQ(r.status, 74) << args;
    EXPECT_EQ(r.err, "vantrel: cannot write the report to standard output: No space left on device\n");
  }
}

TEST_F(CommandProcessTest, ADeletedCurrentDirectoryIsOneRefusal) {
  fs::create_directories(root_ / "gone");
  auto r = Run(root_ / "gone", "X", "rmdir ../gone &&");
  EXPECT_EQ(r.status, 73);
  EXPECT_EQ(r.err, "vantrel: Cannot write into directory .: No such file or directory\nvantrel: nothing was written\n");
}

}  // namespace
}  // namespace vantrel
