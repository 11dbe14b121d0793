#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <fstream>

#include "platform/fs/FileError.h"
#include "platform/fs/PosixFileSystem.h"
#include "tests/FileLayerCases.h"

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
class PosixFileSystemTest : public ::testing::Test, public test::NativeDirectory {
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

  std::string Path(const std::string& relative) const override { return dir_.string() + "/" + relative; }
  std::string Separator() const override { return "/"; }
  void Put(const std::string& relative, const std::string& content, bool readOnly = false) override {
    PutWithMode(relative, content, readOnly ? 0444 : 0644);
  }
  void PutWithMode(const std::string& relative, const std::string& content, mode_t mode) {
    std::ofstream(Path(relative)) << content;
    chmod(Path(relative).c_str(), mode);
  }
  void MakeDirectory(const std::string& relative) override { fs::create_directories(Path(relative)); }
  std::vector<std::string> Entries() const override {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir_)) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }
  std::string Content(const std::string& relative) const {
    return PosixFileSystem().ReadFile(Path(relative)).value_or("<none>");
  }
  struct stat Status(const std::string& relative) const {
    struct stat st {};
    lstat(Path(relative).c_str(), &st);
    return st;
  }
  static void Write(FileSystem& files, const std::string& path, const std::string& bytes) {
    auto file = files.CreateFile(path, ExistingFile::Replace);
    file->Write(bytes);
    file->Finish();
  }

  const test::NativeReasons reasons_{"Is a directory", "File name too long", "No such file or directory",
                                     "No such file or directory", "Not a directory"};
  fs::path dir_;
};

TEST_F(PosixFileSystemTest, EveryMethodWritesWholeFilesAndLeavesNoTemporary) {
  for (const auto& [name, methods] : kMethods) {
    SCOPED_TRACE(name);
    SetUp();
    PosixFileSystem files(methods);
    test::ExpectWholeFilesOrNone(files, *this);
    // A new file gets the mode any new file gets here.
    close(open(Path("plain").c_str(), O_CREAT | O_WRONLY, 0666));
    EXPECT_EQ(Status("new.txt").st_mode, Status("plain").st_mode);
    // A replaced file keeps its permissions, less the set-ID and sticky bits.
    PutWithMode("old.txt", "old content", 07640);
    Write(files, Path("old.txt"), "new");
    EXPECT_EQ(Status("old.txt").st_mode & 07777, 0640u);
  }
}

// A link at a target path is replaced by a file; what it points to is
// neither written nor looked at for the mode.
TEST_F(PosixFileSystemTest, ALinkIsReplacedAndItsTargetUntouched) {
  PutWithMode("target", "precious", 04755);
  fs::create_symlink(Path("target"), Path("link"));
  PosixFileSystem files;
  Write(files, Path("link"), "generated");
  EXPECT_TRUE(S_ISREG(Status("link").st_mode));
  EXPECT_EQ(Status("link").st_mode & 07000, 0u);
  EXPECT_EQ(Content("link"), "generated");
  EXPECT_EQ(Content("target"), "precious");
  EXPECT_EQ(Status("target").st_mode & 07777, 04755u);
}

TEST_F(PosixFileSystemTest, RefusalsNameThePathAndTheSystemsReason) {
  PosixFileSystem files;
  test::ExpectRefusalsNameThePathAndTheReason(files, *this, reasons_);
  const std::string below = Path("plain.txt/x");
  EXPECT_EQ(test::ErrorOf([&] { files.CreateFile(below, ExistingFile::Replace); }),
            "Cannot create file " + below + ": Not a directory");
  EXPECT_EQ(files.CheckNewFile(below, ExistingFile::Replace)->reason(), "Not a directory");
}

TEST_F(PosixFileSystemTest, DirectoryChecksAndOneLock) {
  PosixFileSystem files;
  test::ExpectDirectoryChecksAndOneLock(files, *this, reasons_);
  // The current directory deleted under the process; a directory that may
  // not be written to.
  const std::string here = fs::current_path();
  MakeDirectory("gone");
  fs::current_path(Path("gone"));
  fs::remove(Path("gone"));
  EXPECT_EQ(files.CheckDirectory(files.CurrentDirectory(), false)->reason(), "No such file or directory");
  fs::current_path(here);
  if (geteuid() != 0) {
    chmod(dir_.c_str(), 0555);
    EXPECT_EQ(files.CheckDirectory(dir_.string(), false)->reason(), "Permission denied");
  }
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
  const std::string oldError = test::ErrorOf([&] { Write(files, Path("old.txt"), big); });
  const std::string newError = test::ErrorOf([&] { Write(files, Path("new.txt"), big); });
  setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, previous);
  EXPECT_EQ(oldError, "Cannot write file " + Path("old.txt") + ": File too large");
  EXPECT_EQ(newError, "Cannot write file " + Path("new.txt") + ": File too large");
  EXPECT_EQ(Content("old.txt"), "old content");
  EXPECT_EQ(Content("new.txt"), "<none>");
  EXPECT_EQ(Entries(), std::vector<std::string>{"old.txt"});
}

// Run as root over another user's project, a replaced file stays theirs.
TEST_F(PosixFileSystemTest, AReplacedFileKeepsItsOwner) {
  if (geteuid() != 0) GTEST_SKIP() << "needs root";
  PutWithMode("theirs.txt", "old", 06775);
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
