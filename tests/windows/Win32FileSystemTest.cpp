// The Windows file layer against a real directory (under Wine in the
// build): the fault cases every file layer passes (tests/FileLayerCases.h)
// and what is Windows' own: attributes, files held open by others, paths
// with a trailing backslash, drives.

#include <gtest/gtest.h>
#include <windows.h>
#undef CreateFile  // The layer's own operation, not the system's macro.

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "platform/fs/FileError.h"
#include "platform/fs/Win32FileSystem.h"
#include "platform/fs/Win32Path.h"
#include "tests/FileLayerCases.h"

namespace vantrel {
namespace {

class Win32FileSystemTest : public ::testing::Test, public test::NativeDirectory {
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

  std::string Path(const std::string& relative) const override { return dir_ + "\\" + relative; }
  std::string Separator() const override { return "\\"; }
  void Put(const std::string& relative, const std::string& content, bool readOnly = false) override {
    PutWithAttributes(relative, content, readOnly ? FILE_ATTRIBUTE_READONLY : FILE_ATTRIBUTE_NORMAL);
  }
  void PutWithAttributes(const std::string& relative, const std::string& content, DWORD attributes) {
    HANDLE file = ::CreateFileA(Path(relative).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
    CloseHandle(file);
    SetFileAttributesA(Path(relative).c_str(), attributes);
  }
  std::string Content(const std::string& relative) const { return files_.ReadFile(Path(relative)).value_or("<none>"); }
  void MakeDirectory(const std::string& relative) override { CreateDirectoryA(Path(relative).c_str(), nullptr); }
  std::vector<std::string> Entries() const override { return Names(Path("*"), false); }
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
  const test::NativeReasons reasons_{"not a regular file", Win32Reason(ERROR_FILENAME_EXCED_RANGE),
                                     Win32Reason(ERROR_PATH_NOT_FOUND), Win32Reason(ERROR_FILE_NOT_FOUND),
                                     Win32Reason(ERROR_DIRECTORY)};
  std::string dir_;
  Win32FileSystem files_;
};

TEST_F(Win32FileSystemTest, WritesWholeFilesAndKeepsAttributes) {
  test::ExpectWholeFilesOrNone(files_, *this);
  PutWithAttributes("hidden.txt", "old content", FILE_ATTRIBUTE_HIDDEN);
  EXPECT_TRUE(Write(Path("hidden.txt"), "new"));
  EXPECT_EQ(Content("hidden.txt"), "new");
  EXPECT_NE(GetFileAttributesA(Path("hidden.txt").c_str()) & FILE_ATTRIBUTE_HIDDEN, 0u);
}

TEST_F(Win32FileSystemTest, RefusalsNameThePathAndTheSystemsReason) {
  test::ExpectRefusalsNameThePathAndTheReason(files_, *this, reasons_);
}

// Another program holds the file open and shares it with nobody.
TEST_F(Win32FileSystemTest, AFileHeldOpenIsReportedWithTheSystemsReasonAndKept) {
  Put("held.txt", "theirs");
  HANDLE held = ::CreateFileA(Path("held.txt").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  const std::string message = test::ErrorOf([&] { Write(Path("held.txt"), "ours"); });
  CloseHandle(held);
  EXPECT_TRUE(message == "Cannot create file " + Path("held.txt") + ": " + Win32Reason(ERROR_SHARING_VIOLATION) ||
              message == "Cannot create file " + Path("held.txt") + ": " + Win32Reason(ERROR_ACCESS_DENIED))
      << message;
  EXPECT_EQ(Content("held.txt"), "theirs");
  EXPECT_EQ(Entries(), std::vector<std::string>{"held.txt"});
}

TEST_F(Win32FileSystemTest, DirectoryChecksAndOneLock) {
  test::ExpectDirectoryChecksAndOneLock(files_, *this, reasons_);
  // A trailing backslash names the same directory.
  for (const auto& [path, mayBeMissing] : {std::pair(dir_ + "\\", false), std::pair(Path("res\\"), true)})
    EXPECT_FALSE(files_.CheckDirectory(path, mayBeMissing).has_value()) << path;
}

TEST_F(Win32FileSystemTest, LockedDirectory) { test::ExpectLockedDirectoryWorksBelowIt(files_, *this, reasons_); }

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
