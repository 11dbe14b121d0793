// The in-memory file system most tests rely on passes the fault cases of the
// real file layers, so that it cannot drift from them.

#include <gtest/gtest.h>

#include <algorithm>

#include "platform/fs/MemoryFileSystem.h"
#include "tests/FileLayerCases.h"

namespace vantrel {
namespace {

class MemoryFileSystemTest : public ::testing::Test, public test::NativeDirectory {
 protected:
  void SetUp() override {
    files_.AddDirectory(kTop);
    files_.SetPathLimit(260);
  }

  std::string Path(const std::string& relative) const override { return std::string(kTop) + "\\" + relative; }
  std::string Separator() const override { return "\\"; }
  void Put(const std::string& relative, const std::string& content, bool readOnly = false) override {
    files_.AddFile(Path(relative), content, readOnly);
  }
  void MakeDirectory(const std::string& relative) override { files_.AddDirectory(Path(relative)); }
  std::vector<std::string> Entries() const override {
    std::vector<std::string> names = files_.Subdirectories(kTop);
    for (const auto& [path, entry] : files_.Files())
      if (MemoryFileSystem::ParentOf(path) == kTop) names.push_back(path.substr(std::string(kTop).size() + 1));
    std::sort(names.begin(), names.end());
    return names;
  }
  std::map<std::string, std::string> Listing(const std::string& sub) const override {
    const std::string top = Path(sub) + "\\";
    std::map<std::string, std::string> listing;
    for (const auto& [path, entry] : files_.Files())
      if (path.starts_with(top)) listing[path.substr(top.size())] = (entry.readOnly ? "r " : "w ") + entry.content;
    if (files_.DirectoryExists(top + "res")) listing["res"] = "directory";
    return listing;
  }

  static constexpr const char* kTop = "C:\\Fake";
  MemoryFileSystem files_;
  const test::NativeReasons reasons_{"Is a directory", "File name too long", "No such file or directory",
                                     "No such file or directory", "Not a directory"};
};

TEST_F(MemoryFileSystemTest, WholeFilesOrNone) { test::ExpectWholeFilesOrNone(files_, *this); }

TEST_F(MemoryFileSystemTest, RefusalsNameThePathAndTheReason) {
  test::ExpectRefusalsNameThePathAndTheReason(files_, *this, reasons_);
}

TEST_F(MemoryFileSystemTest, DirectoryChecksAndOneLock) {
  test::ExpectDirectoryChecksAndOneLock(files_, *this, reasons_);
}

TEST_F(MemoryFileSystemTest, LockedDirectory) { test::ExpectLockedDirectoryWorksBelowIt(files_, *this, reasons_); }

TEST_F(MemoryFileSystemTest, Leftovers) {
  test::ExpectLeftoversRemoved(files_, *this, {"~vantrel-1", "~vantrel-abc"}, {"vantrel-1", "Demo.h"});
}

TEST_F(MemoryFileSystemTest, ARunChangesAllOrNothing) { test::ExpectARunChangesAllOrNothing(files_, *this); }

}  // namespace
}  // namespace vantrel
