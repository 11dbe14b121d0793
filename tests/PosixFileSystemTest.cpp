#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>

#include "platform/fs/FileError.h"
#include "platform/fs/PosixFileSystem.h"

namespace vantrel {
namespace {

namespace fs = std::filesystem;

// Each way of putting a file in place that a file system may lack.
struct Methods {
  const char* name;
  PosixWriteMethods methods;
} const kMethods[] = {
    {"anonymous file", {}},
    {"named, no-replace rename", {false, true, true}},
    {"named, hard link", {false, false, true}},
    {"named, claimed name", {false, false, false}},
};

// A fresh directory per test, with a file system for each set of methods.
class PosixFileSystemTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("vantrel-posix-" + std::to_string(getpid()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override {
    fs::permissions(dir_, fs::perms::owner_all, fs::perm_options::add);
    fs::remove_all(dir_);
  }

  std::string Path(const std::string& relative) const { return (dir_ / relative).string(); }
  void Put(const std::string& relative, const std::string& content, mode_t mode = 0644) {
    std::ofstream(Path(relative)) << content;
    chmod(Path(relative).c_str(), mode);
  }
  std::string Content(const std::string& relative) const {
    return PosixFileSystem().ReadFile(Path(relative)).value_or("<none>");
  }
  struct stat Status(const std::string& relative) const {
    struct stat st {};
    lstat(Path(relative).c_str(), &st);
    return st;
  }
  // The names in the directory: only the files put in place, no temporary.
  std::size_t Entries() const {
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()));
  }
  static bool Write(FileSystem& files, const std::string& path, const std::string& bytes,
                    ExistingFile existing = ExistingFile::Replace) {
    auto file = files.CreateFile(path, existing);
    file->Write(bytes);
    file->Finish();
    return file->ReplacesExisting();
  }
  // The message of the FileError that action raises; empty when none.
  template <typename Action>
  static std::string ErrorOf(Action action) {
    try {
      action();
    } catch (const FileError& error) {
      return error.what();
    }
    return "";
  }

  fs::path dir_;
};

TEST_F(PosixFileSystemTest, EveryMethodWritesWholeFilesAndLeavesNoTemporary) {
  for (const auto& [name, methods] : kMethods) {
    SCOPED_TRACE(name);
    SetUp();
    PosixFileSystem files(methods);
    // A new file gets the mode any new file gets here.
    EXPECT_FALSE(Write(files, Path("new.txt"), "a\r\nb\r\n"));
    EXPECT_EQ(Content("new.txt"), "a\r\nb\r\n");
    close(open(Path("plain").c_str(), O_CREAT | O_WRONLY, 0666));
    EXPECT_EQ(Status("new.txt").st_mode, Status("plain").st_mode);
    // A replaced file keeps its permissions, less the set-ID and sticky bits.
    Put("old.txt", "old content", 07640);
    EXPECT_TRUE(Write(files, Path("old.txt"), "new"));
    EXPECT_EQ(Content("old.txt"), "new");
    EXPECT_EQ(Status("old.txt").st_mode & 07777, 0640u);
    // A file dropped before it is finished leaves everything as it was.
    for (const char* relative : {"old.txt", "dropped.txt"}) files.CreateFile(Path(relative), ExistingFile::Replace)->Write("half");
    EXPECT_EQ(Content("old.txt"), "new");
    EXPECT_EQ(Content("dropped.txt"), "<none>");
    // A file that appears while a new one is written is kept.
    auto late = files.CreateFile(Path("late.txt"), ExistingFile::Replace);
    late->Write("ours");
    Put("late.txt", "theirs");
    EXPECT_EQ(ErrorOf([&] { late->Finish(); }), "Cannot create file " + Path("late.txt") + ": the file exists already");
    EXPECT_EQ(Content("late.txt"), "theirs");
    EXPECT_EQ(Entries(), 4u);
  }
}

// A link at a target path is replaced by a file; what it points to is
// neither written nor looked at for the mode.
TEST_F(PosixFileSystemTest, ALinkIsReplacedAndItsTargetUntouched) {
  Put("target", "precious", 04755);
  fs::create_symlink(Path("target"), Path("link"));
  PosixFileSystem files;
  EXPECT_TRUE(Write(files, Path("link"), "generated"));
  EXPECT_TRUE(S_ISREG(Status("link").st_mode));
  EXPECT_EQ(Status("link").st_mode & 07000, 0u);
  EXPECT_EQ(Content("link"), "generated");
  EXPECT_EQ(Content("target"), "precious");
  EXPECT_EQ(Status("target").st_mode & 07777, 04755u);
}

TEST_F(PosixFileSystemTest, RefusalsNameThePathAndTheSystemsReason) {
  Put("locked.txt", "keep", 0444);
  Put("plain.txt", "mine");
  fs::create_directories(Path("adir"));
  const std::string longName(300, 'x');
  const struct {
    std::string path;
    ExistingFile existing;
    std::string message;  // After the path.
    bool foreseen;        // The check before writing finds it too.
  } cases[] = {
      {Path("locked.txt"), ExistingFile::Replace, ": read-only file", true},
      {Path("plain.txt"), ExistingFile::Keep, ": the file exists already", true},
      {Path("adir"), ExistingFile::Replace, ": Is a directory", true},
      {Path("plain.txt/x"), ExistingFile::Replace, ": Not a directory", true},
      {Path(longName), ExistingFile::Replace, ": File name too long", true},
      {Path("missing/x.txt"), ExistingFile::Replace, ": No such file or directory", false},
  };
  PosixFileSystem files;
  for (const auto& c : cases) {
    const std::string expected = "Cannot create file " + c.path + c.message;
    EXPECT_EQ(ErrorOf([&] { files.CreateFile(c.path, c.existing)->Finish(); }), expected);
    auto check = files.CheckNewFile(c.path, c.existing);
    EXPECT_EQ(check ? std::string(check->what()) : "", c.foreseen ? expected : "");
  }
  EXPECT_EQ(Content("locked.txt"), "keep");
  EXPECT_EQ(Content("plain.txt"), "mine");
  EXPECT_EQ(Entries(), 3u);
}

TEST_F(PosixFileSystemTest, DirectoryChecksGiveTheReason) {
  Put("file", "");
  fs::create_directories(Path("gone"));
  const std::string here = fs::current_path();
  fs::current_path(Path("gone"));
  fs::remove(Path("gone"));
  PosixFileSystem files;
  const struct {
    std::string path;
    bool mayBeMissing;
    std::string reason;  // Empty: no problem.
  } cases[] = {
      {dir_.string(), false, ""},
      {Path("res"), true, ""},
      {Path("res"), false, "No such file or directory"},
      {Path("no/res"), true, "No such file or directory"},
      {Path("file"), true, "Not a directory"},
      {files.CurrentDirectory(), false, "No such file or directory"},
  };
  for (const auto& c : cases) {
    auto problem = files.CheckDirectory(c.path, c.mayBeMissing);
    EXPECT_EQ(problem ? problem->reason() : "", c.reason) << c.path;
  }
  fs::current_path(here);
  if (geteuid() != 0) {
    chmod(dir_.c_str(), 0555);
    EXPECT_EQ(files.CheckDirectory(dir_.string(), false)->reason(), "Permission denied");
  }
}

TEST_F(PosixFileSystemTest, OneLockPerDirectory) {
  PosixFileSystem files;
  auto lock = files.LockDirectory(dir_.string());
  EXPECT_EQ(ErrorOf([&] { files.LockDirectory(dir_.string() + "/."); }),
            "Cannot write into directory " + dir_.string() + "/.: another run is writing into it");
  lock.reset();
  EXPECT_NE(files.LockDirectory(dir_.string()), nullptr);
  EXPECT_EQ(ErrorOf([&] { files.LockDirectory(Path("none")); }),
            "Cannot write into directory " + Path("none") + ": No such file or directory");
  EXPECT_EQ(Entries(), 0u) << "no lock file";
}

// A file-size limit makes the operating system stop a write part-way, as a
// full disk does.
TEST_F(PosixFileSystemTest, AWriteThatStopsPartWayKeepsTheOldContentWhole) {
  Put("old.txt", "old content");
  rlimit saved {};
  getrlimit(RLIMIT_FSIZE, &saved);
  auto previous = std::signal(SIGXFSZ, SIG_IGN);
  rlimit small = saved;
  small.rlim_cur = 4096;
  setrlimit(RLIMIT_FSIZE, &small);
  const std::string big(100000, 'x');
  PosixFileSystem files;
  const std::string oldError = ErrorOf([&] { Write(files, Path("old.txt"), big); });
  const std::string newError = ErrorOf([&] { Write(files, Path("new.txt"), big); });
  setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, previous);
  EXPECT_EQ(oldError, "Cannot write file " + Path("old.txt") + ": File too large");
  EXPECT_EQ(newError, "Cannot write file " + Path("new.txt") + ": File too large");
  EXPECT_EQ(Content("old.txt"), "old content");
  EXPECT_EQ(Content("new.txt"), "<none>");
  EXPECT_EQ(Entries(), 1u);
}

// Run as root over another user's project, a replaced file stays theirs.
TEST_F(PosixFileSystemTest, AReplacedFileKeepsItsOwner) {
  if (geteuid() != 0) GTEST_SKIP() << "needs root";
  Put("theirs.txt", "old", 06775);
  ASSERT_EQ(chown(Path("theirs.txt").c_str(), 4321, 8765), 0);
  chmod(Path("theirs.txt").c_str(), 06775);
  PosixFileSystem files;
  Write(files, Path("theirs.txt"), "new");
  EXPECT_EQ(Status("theirs.txt").st_uid, 4321u);
  EXPECT_EQ(Status("theirs.txt").st_gid, 8765u);
  EXPECT_EQ(Status("theirs.txt").st_mode & 07777, 0775u);
}

// Only generated names are turned into native form; a backslash in the
// location is part of a directory's name.
TEST_F(PosixFileSystemTest, ProjectPathsKeepTheLocationAsGiven) {
  const struct {
    const char* location;
    const char* separator;
    const char* relative;
    const char* path;
  } cases[] = {
      {"a\\b", "\\", "res\\X.rc2", "a\\b/res/X.rc2"},
      {"a\\", "", "X.bpr", "a\\/X.bpr"},
      {"/w/", "\\", "X.bpr", "/w/X.bpr"},
      {"/", "\\", "res\\X.ico", "/res/X.ico"},
  };
  PosixFileSystem files;
  for (const auto& c : cases) EXPECT_EQ(files.ProjectPath(c.location, c.separator, c.relative), c.path);
  fs::create_directories(Path("a\\b"));
  EXPECT_TRUE(files.MakeDirectory(Path("a\\b/res")));
  EXPECT_FALSE(files.MakeDirectory(Path("a\\b/res")));
  EXPECT_EQ(files.Subdirectories(dir_.string()), std::vector<std::string>{"a\\b"});
  EXPECT_TRUE(files.DirectoryExists(Path("a\\b/res")));
  EXPECT_FALSE(files.FileExists(Path("a\\b/res")));
}

}  // namespace
}  // namespace vantrel
