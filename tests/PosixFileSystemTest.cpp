#include <acl/libacl.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <limits.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>

#include "platform/fs/FileError.h"
#include "platform/fs/PosixFileSystem.h"
#include "platform/fs/PosixOutputFile.h"
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
    {"anonymous file, no exchange", {true, true, true, false}},
    {"named, claimed name, no exchange", {false, false, false, false}},
};

// A fresh directory per test, with a file system for each set of methods.
class PosixFileSystemTest : public ::testing::Test, public test::FsDirectory {
 protected:
  void SetUp() override { Create("vantrel-posix-" + std::to_string(getpid())); }
  void TearDown() override { Remove(); }

  std::string Mode(const std::string& relative) const override { return std::to_string(Status(relative).st_mode); }
  void PutWithMode(const std::string& relative, const std::string& content, mode_t mode) {
    Put(relative, content);
    chmod(Path(relative).c_str(), mode);
  }
  bool MakeLink(const std::string& target, const std::string& relative) override {
    return symlink(target.c_str(), Path(relative).c_str()) == 0;
  }
  bool RemoveLink(const std::string& relative) override { return unlink(Path(relative).c_str()) == 0; }
  struct stat Status(const std::string& relative) const {
    struct stat st {};
    lstat(Path(relative).c_str(), &st);
    return st;
  }
  // Runs check in a fresh directory with a file system of each method set.
  template <typename Check>
  void ForEachMethod(Check check, std::vector<Methods> methods = {std::begin(kMethods), std::end(kMethods)}) {
    for (const auto& [name, set] : methods) {
      SCOPED_TRACE(name);
      SetUp();
      PosixFileSystem files(set);
      check(files);
    }
  }

  const test::NativeReasons reasons_{"Is a directory", "File name too long", "No such file or directory",
                                     "No such file or directory", "Not a directory"};
};

TEST_F(PosixFileSystemTest, EveryMethodWritesWholeFilesAndLeavesNoTemporary) {
  ForEachMethod([&](PosixFileSystem& files) {
    test::ExpectWholeFilesOrNone(files, *this);
    // A new file gets the mode any new file gets here.
    close(open(Path("plain").c_str(), O_CREAT | O_WRONLY, 0666));
    EXPECT_EQ(Status("new.txt").st_mode, Status("plain").st_mode);
    // A replaced file keeps its permissions, less the set-ID and sticky bits.
    PutWithMode("old.txt", "old content", 07640);
    test::WriteWhole(files, Path("old.txt"), "new");
    EXPECT_EQ(Status("old.txt").st_mode & 07777, 0640u);
  });
}

// A placed file can be taken back until it is kept: a new one disappears,
// a replaced one comes back as the very same file; no temporary stays.
TEST_F(PosixFileSystemTest, APlacementCanBeTakenBackUntilItIsKept) {
  for (bool replace : {false, true}) {
    SCOPED_TRACE(replace ? "replacing" : "new");
    ForEachMethod([&](PosixFileSystem& files) {
      if (replace) PutWithMode("f.txt", "old content", 0640);
      const auto before = Entries();
      const struct stat old = Status("f.txt");
      for (bool keep : {false, true}) {
        auto file = files.CreateFile(Path("f.txt"), ExistingFile::Replace);
        file->Write("new");
        file->Stage();
        EXPECT_EQ(Content("f.txt"), replace ? "old content" : "<none>") << "staged, not placed";
        file->Place();
        EXPECT_EQ(Content("f.txt"), "new");
        if (keep) {
          file->Keep();
          EXPECT_EQ(Entries(), std::vector<std::string>{"f.txt"});
          break;
        }
        ASSERT_TRUE(file->Undo());
        file.reset();
        EXPECT_EQ(Entries(), before);
        EXPECT_EQ(Content("f.txt"), replace ? "old content" : "<none>");
        if (replace) {
          EXPECT_EQ(Status("f.txt").st_ino, old.st_ino);
          EXPECT_EQ(Status("f.txt").st_mode, old.st_mode);
        }
      }
    });
  }
}

// Taking back a new file spares a file put at its name since.
TEST_F(PosixFileSystemTest, TakingBackANewFileRemovesOnlyThatFile) {
  PosixFileSystem files;
  auto file = files.CreateFile(Path("f.txt"), ExistingFile::Replace);
  file->Write("new");
  file->Stage();
  file->Place();
  Put("other", "theirs");
  fs::rename(Path("other"), Path("f.txt"));
  EXPECT_FALSE(file->Undo());
  EXPECT_EQ(Content("f.txt"), "theirs");
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
  // A deleted current directory; one that may not be written to.
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

// Run as root over another user's project, a replaced file stays theirs.
TEST_F(PosixFileSystemTest, AReplacedFileKeepsItsOwner) {
  if (geteuid() != 0) GTEST_SKIP() << "needs root";
  PutWithMode("theirs.txt", "old", 06775);
  ASSERT_EQ(chown(Path("theirs.txt").c_str(), 4321, 8765), 0);
  chmod(Path("theirs.txt").c_str(), 06775);
  PosixFileSystem files;
  test::WriteWhole(files, Path("theirs.txt"), "new");
  EXPECT_EQ(Status("theirs.txt").st_uid, 4321u);
  EXPECT_EQ(Status("theirs.txt").st_gid, 8765u);
  EXPECT_EQ(Status("theirs.txt").st_mode & 07777, 0775u);
}

// The access control list as text, "" when there is none to read.
std::string AclOf(const std::string& path) {
  acl_t acl = acl_get_file(path.c_str(), ACL_TYPE_ACCESS);
  if (acl == nullptr) return "";
  char* text = acl_to_any_text(acl, nullptr, ',', TEXT_NUMERIC_IDS);
  std::string result = text ? text : "";
  acl_free(text);
  acl_free(acl);
  return result;
}

std::string AttributeOf(const std::string& path, const char* name) {
  char value[64] = {};
  const ssize_t n = lgetxattr(path.c_str(), name, value, sizeof value);
  return n < 0 ? "<none>" : std::string(value, static_cast<std::size_t>(n));
}

// A replacement carries the old file's access control list (the group bits
// are the mask) and user attributes; another hard link keeps the old file.
TEST_F(PosixFileSystemTest, AReplacementKeepsTheAccessControlListAndTheAttributes) {
  ForEachMethod([&](PosixFileSystem& files) {
    PutWithMode("old.txt", "old", 0640);
    acl_t acl = acl_from_text("u::rw-,u:65534:rw-,g::---,m::rw-,o::---");
    const bool withAcl = acl_set_file(Path("old.txt").c_str(), ACL_TYPE_ACCESS, acl) == 0;
    acl_free(acl);
    if (!withAcl || lsetxattr(Path("old.txt").c_str(), "user.origin", "mine", 4, 0) != 0)
      GTEST_SKIP() << "the file system of " << dir_ << " has no access control lists or user attributes";
    ASSERT_EQ(link(Path("old.txt").c_str(), Path("other.txt").c_str()), 0);
    const std::string before = AclOf(Path("old.txt"));
    test::WriteWhole(files, Path("old.txt"), "new");
    EXPECT_EQ(AclOf(Path("old.txt")), before);
    EXPECT_EQ(before, "user::rw-,user:65534:rw-,group::---,mask::rw-,other::---");
    EXPECT_EQ(Status("old.txt").st_mode & 07777, 0660u);
    EXPECT_EQ(AttributeOf(Path("old.txt"), "user.origin"), "mine");
    EXPECT_EQ(Content("other.txt"), "old");
    EXPECT_EQ(Content("old.txt"), "new");
    EXPECT_EQ(Status("old.txt").st_nlink, 1u);
  });
}

// Links through each method; a link's target gives no mode either. A run's
// directory, renamed and replaced by a link meanwhile, still gets the files,
// and nothing is made through a "res" that is a link.
TEST_F(PosixFileSystemTest, LinksAreFilesOfTheirOwnNeverFollowed) {
  ForEachMethod([&](PosixFileSystem& files) { test::ExpectLinksAreNeverFollowed(files, *this); });
  PosixFileSystem files;
  PutWithMode("target", "precious", 04755);
  fs::create_symlink(Path("target"), Path("link"));
  test::WriteWhole(files, Path("link"), "generated");
  EXPECT_EQ(Status("link").st_mode & 07000, 0u);
  EXPECT_EQ(Status("target").st_mode & 07777, 04755u);

  MakeDirectory("loc");
  auto locked = files.OpenLocked(Path("loc"), "\\");
  ASSERT_EQ(rename(Path("loc").c_str(), Path("moved").c_str()), 0);
  fs::create_directory_symlink(Path("elsewhere"), Path("loc"));
  locked->MakeDirectory("res");
  for (const char* relative : {"a.txt", "res\\b.txt"}) {
    auto file = locked->CreateFile(relative, ExistingFile::Keep);
    file->Write("x");
    file->Finish();
  }
  EXPECT_TRUE(fs::exists(Path("moved/a.txt")) && fs::exists(Path("moved/res/b.txt")));
  locked.reset();
  for (const char* target : {"nowhere", "elsewhere"}) {
    fs::remove_all(Path("p"));
    MakeDirectory("p");
    fs::create_directory_symlink(Path(target), Path("p/res"));
    auto project = files.OpenLocked(Path("p"), "\\");
    EXPECT_EQ(test::ErrorOf([&] { project->CreateFile("res\\x.ico", ExistingFile::Replace); }),
              "Cannot create file " + Path("p/res") + "/x.ico: " + std::string(kInLinkedDirectory))
        << target;
  }
  EXPECT_TRUE(fs::is_empty(Path("elsewhere")));
}

// A pipe, a socket or a device at a file's name is refused as what it is.
TEST_F(PosixFileSystemTest, OddObjectsAtAFilesNameAreNamedAsSuch) {
  ASSERT_EQ(mkfifo(Path("fifo").c_str(), 0666), 0);
  const int sock = socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un address{AF_UNIX, {}};
  Path("socket").copy(address.sun_path, sizeof address.sun_path - 1);
  ASSERT_EQ(bind(sock, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
  std::vector<std::string> names = {"fifo", "socket"};
  if (mknod(Path("device").c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0) names.push_back("device");
  PosixFileSystem files;
  for (const auto& name : names)
    for (const ExistingFile existing : {ExistingFile::Keep, ExistingFile::Replace}) {
      const std::string expected = "Cannot create file " + Path(name) + ": not a regular file";
      auto problem = files.CheckNewFile(Path(name), existing);
      EXPECT_EQ(test::WhatOf(problem), expected);
      EXPECT_EQ(problem ? problem->kind() : FileError::Kind::Exists, FileError::Kind::CannotCreate);
      if (existing == ExistingFile::Replace) {
        EXPECT_EQ(test::ErrorOf([&] { files.CreateFile(Path(name), existing); }), expected);
      }
    }
  close(sock);
}

// The layer opens a file's directory, then uses names in it: only those
// must fit, so a location whose full paths pass PATH_MAX is written.
TEST_F(PosixFileSystemTest, PathLimitsCountTheNamesTheLayerUses) {
  const std::string directory(PATH_MAX - 1, 'd');  // With its zero, exactly PATH_MAX.
  const struct {
    std::string path;
    std::size_t overrun;
  } cases[] = {
      {"/a/" + std::string(NAME_MAX, 'x'), 0},
      {"/a/" + std::string(NAME_MAX + 3, 'x'), 3},
      {"/a/x", 0},
      {directory + "/x", 0},
      {directory + "dd/x", 2},
  };
  PosixFileSystem files;
  for (const auto& c : cases) EXPECT_EQ(files.PathOverrun(c.path), c.overrun) << c.path.size();

  std::string location = dir_.string();
  while (location.size() < 4079) location += "/" + std::string(std::min<std::size_t>(200, 4079 - location.size() - 1), 'l');
  fs::create_directories(location);
  fs::create_directories(location + "/res");
  std::ofstream(location + "/res/Demo.ico") << "old";
  for (const auto& [name, methods] : kMethods) {
    SCOPED_TRACE(name);
    PosixFileSystem layer(methods);
    EXPECT_EQ(layer.PathOverrun(location + "/res/Demo.ico"), 0u);
    auto locked = layer.OpenLocked(location, "");
    auto file = locked->CreateFile("res\\Demo.ico", ExistingFile::Replace);
    file->Write(name);
    file->Finish();
    EXPECT_EQ(layer.ReadFile(location + "/res/Demo.ico"), name);
  }
}

TEST_F(PosixFileSystemTest, LockedDirectoryAndLeftovers) {
  PosixFileSystem files;
  test::ExpectLockedDirectoryWorksBelowIt(files, *this, reasons_);
  SetUp();
  test::ExpectLeftoversRemoved(files, *this, {".vantrel-abcdefghij", ".vantrel-0123455555"},
                               {".vantrel-abcdefghi", ".vantrel-abcdefghijk", ".vantrel-ABCDEFGHIJ", "vantrel-abcdefghij"});
  EXPECT_TRUE(IsTemporaryName(".vantrel-zz00000000"));
}

// With a file system that can exchange two names and with one that cannot.
TEST_F(PosixFileSystemTest, ARunChangesAllOrNothingWithOrWithoutExchange) {
  ForEachMethod(
      [&](PosixFileSystem& files) {
        test::ExpectARunChangesAllOrNothing(files, *this);
        test::ExpectAKilledRunIsTakenBack(files, *this);
      },
      {kMethods[0], kMethods[5]});
}

// The message of the FileError action raises as the user nobody, in a
// child process; nothing when this process is not root.
std::optional<std::string> AsNobody(const std::function<void()>& action) {
  int pipe_[2];
  if (geteuid() != 0 || pipe(pipe_) != 0) return std::nullopt;
  const pid_t child = fork();
  if (child == 0) {
    if (setgid(65534) != 0 || setuid(65534) != 0) _exit(77);
    const std::string error = test::ErrorOf(action);
    (void)!write(pipe_[1], error.data(), error.size());
    _exit(0);
  }
  close(pipe_[1]);
  std::string error;
  char buffer[512];
  for (ssize_t n; (n = read(pipe_[0], buffer, sizeof buffer)) > 0;) error.append(buffer, static_cast<std::size_t>(n));
  close(pipe_[0]);
  int status = 0;
  waitpid(child, &status, 0);
  if (child < 0 || !WIFEXITED(status) || WEXITSTATUS(status) == 77) return std::nullopt;
  return error;
}

// A directory one may write into but not read cannot be locked, and says why.
TEST_F(PosixFileSystemTest, AnUnreadableLocationSaysWhyItCannotBeLocked) {
  MakeDirectory("w");
  chmod(Path("w").c_str(), 0733);
  const auto error = AsNobody([&] { PosixFileSystem().LockDirectory(Path("w")); });
  if (!error) GTEST_SKIP() << "needs root to try it as another user";
  EXPECT_EQ(*error, "Cannot write into directory " + Path("w") +
                        ": Permission denied to read it, which locking it against other runs needs");
}

// A file one may write but not read is not replaced: its metadata could
// not be kept.
TEST_F(PosixFileSystemTest, AFileThatCannotBeReadIsNotReplacedWithLess) {
  chmod(dir_.c_str(), 0777);
  PutWithMode("wo.txt", "theirs", 0622);
  const auto error = AsNobody([&] {
    PosixFileSystem files;
    test::WriteWhole(files, Path("wo.txt"), "new");
  });
  if (!error) GTEST_SKIP() << "needs root to try it as another user";
  EXPECT_EQ(*error, "Cannot create file " + Path("wo.txt") +
                        ": Permission denied to read it, which keeping its access control list and attributes needs");
  EXPECT_EQ(Content("wo.txt"), "theirs");
  EXPECT_EQ(Entries(), std::vector<std::string>{"wo.txt"});
}

// Every control a terminal obeys is escaped (C0, DEL, C1 as UTF-8 and as
// stray bytes); valid UTF-8 and printable ASCII stay.
TEST(EscapeControls, EscapesEveryControlATerminalObeys) {
  const struct {
    const char* text;
    const char* escaped;
  } cases[] = {
      {"plain \\ path", "plain \\ path"},
      {"a\x1b[2Jb\x7f", "a\\x1B[2Jb\\x7F"},
      {"csi\xc2\x9b" "31m", "csi\\xC2\\x9B31m"},
      {"nbsp\xc2\xa0", "nbsp\xc2\xa0"},
      {"raw\x9b" "31m", "raw\\x9B31m"},
      {"raw\x85", "raw\\x85"},
      {"Pr\xc3\xb8ject \xe2\x82\xac", "Pr\xc3\xb8ject \xe2\x82\xac"},
      {"stray \xf8 lead", "stray \xf8 lead"},
      {"cut \xc2", "cut \xc2"},
      {"overlong \xc1\x9b", "overlong \xc1\\x9B"},
  };
  for (const auto& c : cases) EXPECT_EQ(EscapeControls(c.text), c.escaped) << c.text;
}

// Only generated names are made native; a backslash in the location is
// part of a name.
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
  EXPECT_EQ(files.Subdirectories(dir_.string()), std::vector<std::string>{"a\\b"});
  EXPECT_TRUE(files.DirectoryExists(Path("a\\b/res")));
}

}  // namespace
}  // namespace vantrel
