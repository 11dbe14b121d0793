// The Windows file layer against a real directory (under Wine in the
// build): whole files or none, nothing replaced that should not be, and
// every refusal naming the file.

#include <gtest/gtest.h>
#include <windows.h>
#undef CreateFile  // The layer's own operation, not the system's macro.

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "platform/fs/FileError.h"
#include "platform/fs/Win32FileSystem.h"

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

  std::string At(const std::string& relative) const { return dir_ + "\\" + relative; }
  void Put(const std::string& relative, const std::string& content, DWORD attributes = FILE_ATTRIBUTE_NORMAL) {
    HANDLE file = ::CreateFileA(At(relative).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
    CloseHandle(file);
    SetFileAttributesA(At(relative).c_str(), attributes);
  }
  std::string Content(const std::string& relative) const { return files_.ReadFile(At(relative)).value_or("<none>"); }
  // The names in the directory: nothing but what a test made, no temporary.
  std::vector<std::string> Entries() const {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found{};
    HANDLE search = FindFirstFileA(At("*").c_str(), &found);
    do {
      if (std::string(found.cFileName) != "." && std::string(found.cFileName) != "..")
        names.push_back(found.cFileName);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    std::sort(names.begin(), names.end());
    return names;
  }
  bool Write(const std::string& relative, const std::string& bytes) {
    auto file = files_.CreateFile(At(relative));
    file->Write(bytes);
    file->Finish();
    return file->ReplacesExisting();
  }
  // The error a write of relative ends with, or none.
  std::optional<FileError> WriteError(const std::string& relative, const std::string& bytes) {
    try {
      Write(relative, bytes);
      return std::nullopt;
    } catch (const FileError& error) {
      return error;
    }
  }

  std::string dir_;
  Win32FileSystem files_;
};

TEST_F(Win32FileSystemTest, WritesNewAndReplacesExistingFilesKeepingTheirAttributes) {
  EXPECT_FALSE(Write("new.txt", "a\r\nb\r\n"));
  EXPECT_EQ(Content("new.txt"), "a\r\nb\r\n");
  Put("old.txt", "old content", FILE_ATTRIBUTE_HIDDEN);
  EXPECT_TRUE(Write("old.txt", "new"));
  EXPECT_EQ(Content("old.txt"), "new");
  EXPECT_TRUE(GetFileAttributesA(At("old.txt").c_str()) & FILE_ATTRIBUTE_HIDDEN);
  EXPECT_EQ(Entries(), (std::vector<std::string>{"new.txt", "old.txt"}));
}

TEST_F(Win32FileSystemTest, RefusesWhatCannotBeCreatedNamingTheFile) {
  Put("locked.txt", "keep", FILE_ATTRIBUTE_READONLY);
  CreateDirectoryA(At("adir").c_str(), nullptr);
  const std::string tooLong(300, 'x');
  for (const std::string& relative : {std::string("locked.txt"), std::string("missing\\x.txt"), std::string("adir"),
                                      tooLong}) {
    const auto error = WriteError(relative, "new");
    ASSERT_TRUE(error.has_value()) << relative;
    EXPECT_EQ(error->kind(), FileError::Kind::CannotCreate) << relative;
    // The whole path, however long, never a cut one.
    EXPECT_EQ(error->path(), At(relative));
  }
  EXPECT_EQ(Content("locked.txt"), "keep");
  EXPECT_EQ(Entries(), (std::vector<std::string>{"adir", "locked.txt"}));
}

TEST_F(Win32FileSystemTest, AnUnfinishedFileLeavesTheOldStateBehind) {
  Put("old.txt", "old");
  for (const char* relative : {"old.txt", "new.txt"}) {
    auto file = files_.CreateFile(At(relative));
    file->Write("half");
  }
  EXPECT_EQ(Content("old.txt"), "old");
  EXPECT_EQ(Entries(), std::vector<std::string>{"old.txt"});
}

TEST_F(Win32FileSystemTest, ANewFileNeverReplacesOneThatAppearedMeanwhile) {
  auto file = files_.CreateFile(At("Demo.bpr"));
  file->Write("ours");
  Put("Demo.bpr", "theirs");
  EXPECT_THROW(file->Finish(), FileError);
  EXPECT_EQ(Content("Demo.bpr"), "theirs");
  EXPECT_EQ(Entries(), std::vector<std::string>{"Demo.bpr"});
}

TEST_F(Win32FileSystemTest, AFileHeldOpenWithoutSharingIsReportedAndKept) {
  Put("held.txt", "theirs");
  HANDLE held = ::CreateFileA(At("held.txt").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  const auto error = WriteError("held.txt", "ours");
  CloseHandle(held);
  ASSERT_TRUE(error.has_value());
  EXPECT_EQ(error->path(), At("held.txt"));
  EXPECT_EQ(Content("held.txt"), "theirs");
  EXPECT_EQ(Entries(), std::vector<std::string>{"held.txt"});
}

TEST_F(Win32FileSystemTest, DirectoriesDrivesAndTheCurrentDirectory) {
  EXPECT_TRUE(files_.MakeDirectory(At("res")));
  EXPECT_FALSE(files_.MakeDirectory(At("res")));
  EXPECT_FALSE(files_.MakeDirectory(At("no\\such")));
  EXPECT_TRUE(files_.DirectoryExists(At("res")));
  EXPECT_TRUE(files_.DirectoryExists(At("res\\")));
  files_.MakeDirectory(At("a"));
  Put("file.txt", "");
  EXPECT_EQ(files_.Subdirectories(dir_), (std::vector<std::string>{"a", "res"}));
  EXPECT_EQ(files_.Subdirectories(dir_ + "\\"), (std::vector<std::string>{"a", "res"}));
  EXPECT_TRUE(files_.FileExists(At("file.txt")));
  EXPECT_FALSE(files_.FileExists(At("res")));

  const std::vector<std::string> drives = files_.Drives();
  EXPECT_NE(std::find(drives.begin(), drives.end(), "C:\\"), drives.end());
  char saved[MAX_PATH];
  GetCurrentDirectoryA(MAX_PATH, saved);
  ASSERT_TRUE(SetCurrentDirectoryA(At("a").c_str()));
  EXPECT_EQ(files_.CurrentDirectory(), At("a"));
  SetCurrentDirectoryA(saved);
}

}  // namespace
}  // namespace vantrel
