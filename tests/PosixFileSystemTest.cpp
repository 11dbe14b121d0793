#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>
#include <filesystem>
#include <fstream>

#include "platform/fs/FileError.h"
#include "platform/fs/PosixFileSystem.h"

namespace vantrel {
namespace {

namespace fs = std::filesystem;

// A fresh directory per test, reached through a Windows-style path.
class PosixFileSystemTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("vantrel-posix-" + std::to_string(getpid()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  std::string Win(const std::string& relative) const { return dir_.string() + "\\" + relative; }
  std::string Native(const std::string& relative) const { return (dir_ / relative).string(); }
  void Put(const std::string& relative, const std::string& content, mode_t mode) {
    std::ofstream(Native(relative)) << content;
    chmod(Native(relative).c_str(), mode);
  }
  std::string Content(const std::string& relative) const { return *files_.ReadFile(Win(relative)); }
  // Nothing but the named entries is left in the directory: no temporary.
  std::size_t Entries() const {
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()));
  }
  bool Write(const std::string& relative, const std::string& bytes) {
    auto file = files_.CreateFile(Win(relative));
    file->Write(bytes);
    file->Finish();
    return file->ReplacesExisting();
  }

  fs::path dir_;
  PosixFileSystem files_;
};

TEST_F(PosixFileSystemTest, WritesNewAndReplacesExistingFilesKeepingTheirMode) {
  EXPECT_FALSE(Write("new.txt", "a\r\nb\r\n"));
  EXPECT_EQ(Content("new.txt"), "a\r\nb\r\n");
  Put("old.txt", "old content", 0640);
  EXPECT_TRUE(Write("old.txt", "new"));
  EXPECT_EQ(Content("old.txt"), "new");
  struct stat st {};
  stat(Native("old.txt").c_str(), &st);
  EXPECT_EQ(st.st_mode & 07777, 0640u);
  EXPECT_EQ(Entries(), 2u);
}

TEST_F(PosixFileSystemTest, RefusesWhatCannotBeCreated) {
  Put("locked.txt", "keep", 0444);
  fs::create_directories(Native("adir"));
  for (const char* relative : {"locked.txt", "missing\\x.txt", "adir"}) {
    try {
      files_.CreateFile(Win(relative));
      ADD_FAILURE() << "created " << relative;
    } catch (const FileError& error) {
      EXPECT_EQ(error.kind(), FileError::Kind::CannotCreate) << relative;
      EXPECT_EQ(error.path(), Win(relative));
    }
  }
  EXPECT_EQ(Content("locked.txt"), "keep");
}

TEST_F(PosixFileSystemTest, AnUnfinishedFileLeavesTheOldStateBehind) {
  Put("old.txt", "old", 0644);
  for (const char* relative : {"old.txt", "new.txt"}) {
    auto file = files_.CreateFile(Win(relative));
    file->Write("half");
  }
  EXPECT_EQ(Content("old.txt"), "old");
  EXPECT_FALSE(files_.FileExists(Win("new.txt")));
  EXPECT_EQ(Entries(), 1u);
}

// A file-size limit makes the operating system stop a write part-way, as a
// full disk does.
TEST_F(PosixFileSystemTest, AWriteThatStopsPartWayKeepsTheOldContentWhole) {
  Put("old.txt", "old content", 0644);
  rlimit saved {};
  getrlimit(RLIMIT_FSIZE, &saved);
  auto previous = std::signal(SIGXFSZ, SIG_IGN);
  rlimit small = saved;
  small.rlim_cur = 4096;
  setrlimit(RLIMIT_FSIZE, &small);
  const std::string big(100000, 'x');
  EXPECT_THROW(Write("old.txt", big), FileError);
  EXPECT_THROW(Write("new.txt", big), FileError);
  setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, previous);
  EXPECT_EQ(Content("old.txt"), "old content");
  EXPECT_FALSE(files_.FileExists(Win("new.txt")));
  EXPECT_EQ(Entries(), 1u);
}

TEST_F(PosixFileSystemTest, DirectoriesThroughBackslashPaths) {
  EXPECT_TRUE(files_.MakeDirectory(Win("res\\")));
  EXPECT_FALSE(files_.MakeDirectory(Win("res\\")));
  EXPECT_FALSE(files_.MakeDirectory(Win("no\\such\\")));
  EXPECT_TRUE(files_.DirectoryExists(Win("res")));
  files_.MakeDirectory(Win("a"));
  Put("file.txt", "", 0644);
  EXPECT_EQ(files_.Subdirectories(dir_.string()), (std::vector<std::string>{"a", "res"}));
  EXPECT_TRUE(files_.FileExists(Win("file.txt")));
  EXPECT_FALSE(files_.FileExists(Win("res")));
  EXPECT_EQ(files_.DisplayPath("/x\\res\\a.rc2"), "/x/res/a.rc2");
}

}  // namespace
}  // namespace vantrel
