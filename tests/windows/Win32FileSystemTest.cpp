// The Windows file layer against a real directory (under Wine in the
// build), with the fault cases of the POSIX layer's tests: whole files or
// none, nothing replaced that should not be, one run per directory, and
// every refusal naming the file and the system's reason.

#include <gtest/gtest.h>
#include <windows.h>
#undef CreateFile  // The layer's own operation, not the system's macro.

#include <algorithm>
#include <string>
#include <vector>

#include "platform/fs/FileError.h"
#include "platform/fs/Win32FileSystem.h"
#include "platform/fs/Win32Path.h"

namespace vantrel {
namespace {

class Win32FileSystemTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char temp[MAX_PATH];
    ASSERT_GT(GetTempPathA(MAX_PATH, temp), 0u);
    dir_ = std::string(temp) + "vantrel-win32-" + std::to_string(GetCurrentProcessId());
    Remove(dir_);
    ASSERT_TRUE(CreateDirectoryA(dir_.c_str(), nullptr));
  }
  void TearDown() override { Remove(dir_); }

  // Removes a directory tree, read-only files included.
  static void Remove(const std::string& path) {
    WIN32_FIND_DATAA found{};
    HANDLE search = FindFirstFileA((path + "\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
      do {
        const std::string name = found.cFileName, full = path + "\\" + name;
        if (name == "." || name == "..") continue;
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
          Remove(full);
        } else {
          SetFileAttributesA(full.c_str(), FILE_ATTRIBUTE_NORMAL);
          DeleteFileA(full.c_str());
        }
      } while (FindNextFileA(search, &found));
      FindClose(search);
    }
    RemoveDirectoryA(path.c_str());
  }

  std::string Path(const std::string& relative) const { return dir_ + "\\" + relative; }
  void Put(const std::string& relative, const std::string& content, DWORD attributes = FILE_ATTRIBUTE_NORMAL) {
    HANDLE file = ::CreateFileA(Path(relative).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
    CloseHandle(file);
    SetFileAttributesA(Path(relative).c_str(), attributes);
  }
  std::string Content(const std::string& relative) const { return files_.ReadFile(Path(relative)).value_or("<none>"); }
  // The names in the directory: only the files put in place, no temporary.
  std::vector<std::string> Entries() const { return Names(Path("*"), false); }
  static std::vector<std::string> Names(const std::string& pattern, bool directoriesOnly) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found{};
    HANDLE search = FindFirstFileA(pattern.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
      const std::string name = found.cFileName;
      if (name != "." && name != ".." && (!directoriesOnly || (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)))
        names.push_back(name);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    std::sort(names.begin(), names.end());
    return names;
  }
  bool Write(const std::string& path, const std::string& bytes, ExistingFile existing = ExistingFile::Replace) {
    auto file = files_.CreateFile(path, existing);
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

  std::string dir_;
  Win32FileSystem files_;
};

TEST_F(Win32FileSystemTest, WritesWholeFilesAndLeavesNoTemporary) {
  EXPECT_FALSE(Write(Path("new.txt"), "a\r\nb\r\n"));
  EXPECT_EQ(Content("new.txt"), "a\r\nb\r\n");
  // A replaced file keeps its attributes.
  Put("old.txt", "old content", FILE_ATTRIBUTE_HIDDEN);
  EXPECT_TRUE(Write(Path("old.txt"), "new"));
  EXPECT_EQ(Content("old.txt"), "new");
  EXPECT_NE(GetFileAttributesA(Path("old.txt").c_str()) & FILE_ATTRIBUTE_HIDDEN, 0u);
  // A file dropped before it is finished leaves everything as it was.
  for (const char* relative : {"old.txt", "dropped.txt"})
    files_.CreateFile(Path(relative), ExistingFile::Replace)->Write("half");
  EXPECT_EQ(Content("old.txt"), "new");
  EXPECT_EQ(Content("dropped.txt"), "<none>");
  // A file that appears while a new one is written is kept.
  auto late = files_.CreateFile(Path("late.txt"), ExistingFile::Replace);
  late->Write("ours");
  Put("late.txt", "theirs");
  EXPECT_EQ(ErrorOf([&] { late->Finish(); }), "Cannot create file " + Path("late.txt") + ": the file exists already");
  EXPECT_EQ(Content("late.txt"), "theirs");
  EXPECT_EQ(Entries(), (std::vector<std::string>{"late.txt", "new.txt", "old.txt"}));
}

TEST_F(Win32FileSystemTest, RefusalsNameThePathAndTheSystemsReason) {
  Put("locked.txt", "keep", FILE_ATTRIBUTE_READONLY);
  Put("plain.txt", "mine");
  CreateDirectoryA(Path("adir").c_str(), nullptr);
  const std::string longName(300, 'x');
  const struct {
    std::string path;
    ExistingFile existing;
    std::string reason;
    bool foreseen;  // The check before writing finds it too.
  } cases[] = {
      {Path("locked.txt"), ExistingFile::Replace, "read-only file", true},
      {Path("plain.txt"), ExistingFile::Keep, "the file exists already", true},
      {Path("adir"), ExistingFile::Replace, "not a regular file", true},
      // Reported whole, never cut to the platform's limit.
      {Path(longName), ExistingFile::Replace, Win32Reason(ERROR_FILENAME_EXCED_RANGE), true},
      {Path("missing\\x.txt"), ExistingFile::Replace, Win32Reason(ERROR_PATH_NOT_FOUND), false},
  };
  for (const auto& c : cases) {
    const std::string expected = "Cannot create file " + c.path + ": " + c.reason;
    EXPECT_EQ(ErrorOf([&] { files_.CreateFile(c.path, c.existing); }), expected);
    auto check = files_.CheckNewFile(c.path, c.existing);
    EXPECT_EQ(check ? std::string(check->what()) : "", c.foreseen ? expected : "");
  }
  EXPECT_EQ(Content("locked.txt"), "keep");
  EXPECT_EQ(Content("plain.txt"), "mine");
  EXPECT_EQ(Entries(), (std::vector<std::string>{"adir", "locked.txt", "plain.txt"}));
}

// Another program holds the file open and shares it with nobody.
TEST_F(Win32FileSystemTest, AFileHeldOpenIsReportedWithTheSystemsReasonAndKept) {
  Put("held.txt", "theirs");
  HANDLE held = ::CreateFileA(Path("held.txt").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  const std::string message = ErrorOf([&] { Write(Path("held.txt"), "ours"); });
  CloseHandle(held);
  EXPECT_TRUE(message == "Cannot create file " + Path("held.txt") + ": " + Win32Reason(ERROR_SHARING_VIOLATION) ||
              message == "Cannot create file " + Path("held.txt") + ": " + Win32Reason(ERROR_ACCESS_DENIED))
      << message;
  EXPECT_EQ(Content("held.txt"), "theirs");
  EXPECT_EQ(Entries(), std::vector<std::string>{"held.txt"});
}

TEST_F(Win32FileSystemTest, DirectoryChecksGiveTheReason) {
  Put("file", "");
  const struct {
    std::string path;
    bool mayBeMissing;
    std::string reason;  // Empty: no problem.
  } cases[] = {
      {dir_, false, ""},
      {dir_ + "\\", false, ""},
      {Path("res"), true, ""},
      {Path("res\\"), true, ""},
      {Path("res"), false, Win32Reason(ERROR_FILE_NOT_FOUND)},
      {Path("no\\res"), true, Win32Reason(ERROR_FILE_NOT_FOUND)},  // Of "no".
      {Path("file"), true, Win32Reason(ERROR_DIRECTORY)},
  };
  for (const auto& c : cases) {
    auto problem = files_.CheckDirectory(c.path, c.mayBeMissing);
    EXPECT_EQ(problem ? problem->reason() : "", c.reason) << c.path;
  }
}

TEST_F(Win32FileSystemTest, OneLockPerDirectory) {
  auto lock = files_.LockDirectory(dir_);
  EXPECT_EQ(ErrorOf([&] { files_.LockDirectory(dir_ + "\\."); }),
            "Cannot write into directory " + dir_ + "\\.: another run is writing into it");
  // The lock keeps other runs out, not the files of its own.
  EXPECT_FALSE(Write(Path("in.txt"), "x"));
  lock.reset();
  EXPECT_NE(files_.LockDirectory(dir_), nullptr);
  EXPECT_EQ(ErrorOf([&] { files_.LockDirectory(Path("none")); }),
            "Cannot write into directory " + Path("none") + ": " + Win32Reason(ERROR_FILE_NOT_FOUND));
  EXPECT_EQ(Entries(), std::vector<std::string>{"in.txt"}) << "no lock file";
}

TEST_F(Win32FileSystemTest, PathsAsTypedDirectoriesDrivesAndTheCurrentDirectory) {
  // The backslash is the separator here: generated names join as they are.
  EXPECT_EQ(files_.ProjectPath("C:\\Work", "\\", "res\\Demo.rc2"), "C:\\Work\\res\\Demo.rc2");
  EXPECT_EQ(files_.ProjectPath("C:\\", "", "Demo.bpr"), "C:\\Demo.bpr");
  EXPECT_EQ(ParentOf("C:\\Work\\Demo\\"), "C:\\Work");
  EXPECT_EQ(ParentOf("C:\\Demo"), "C:\\");
  EXPECT_EQ(ParentOf("C:\\"), "C:\\");

  EXPECT_TRUE(files_.MakeDirectory(Path("res")));
  EXPECT_FALSE(files_.MakeDirectory(Path("res")));
  EXPECT_FALSE(files_.MakeDirectory(Path("no\\such")));
  EXPECT_TRUE(files_.DirectoryExists(Path("res\\")));
  files_.MakeDirectory(Path("a"));
  Put("file.txt", "");
  EXPECT_EQ(files_.Subdirectories(dir_), (std::vector<std::string>{"a", "res"}));
  EXPECT_EQ(files_.Subdirectories(dir_ + "\\"), (std::vector<std::string>{"a", "res"}));
  EXPECT_TRUE(files_.FileExists(Path("file.txt")));
  EXPECT_FALSE(files_.FileExists(Path("res")));

  const std::vector<std::string> drives = files_.Drives();
  EXPECT_NE(std::find(drives.begin(), drives.end(), "C:\\"), drives.end());
  char saved[MAX_PATH];
  GetCurrentDirectoryA(MAX_PATH, saved);
  ASSERT_TRUE(SetCurrentDirectoryA(Path("a").c_str()));
  EXPECT_EQ(files_.CurrentDirectory(), Path("a"));
  SetCurrentDirectoryA(saved);
}

}  // namespace
}  // namespace vantrel
