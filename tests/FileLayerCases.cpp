#include "tests/FileLayerCases.h"

#include <gtest/gtest.h>

namespace vantrel::test {
namespace {

bool Write(FileSystem& files, const std::string& path, const std::string& bytes, ExistingFile existing) {
  auto file = files.CreateFile(path, existing);
  file->Write(bytes);
  file->Finish();
  return file->ReplacesExisting();
}

std::string Content(const FileSystem& files, const NativeDirectory& dir, const std::string& relative) {
  return files.ReadFile(dir.Path(relative)).value_or("<none>");
}

}  // namespace

void ExpectWholeFilesOrNone(FileSystem& files, NativeDirectory& dir) {
  for (const ExistingFile existing : {ExistingFile::Keep, ExistingFile::Replace})
    EXPECT_FALSE(Write(files, dir.Path(existing == ExistingFile::Keep ? "kept.txt" : "new.txt"), "a\r\nb\r\n", existing));
  EXPECT_EQ(Content(files, dir, "new.txt"), "a\r\nb\r\n");
  EXPECT_EQ(Content(files, dir, "kept.txt"), "a\r\nb\r\n");
  dir.Put("old.txt", "old content");
  EXPECT_TRUE(Write(files, dir.Path("old.txt"), "new", ExistingFile::Replace));
  EXPECT_EQ(Content(files, dir, "old.txt"), "new");
  // A file dropped before it is finished leaves everything as it was.
  for (const char* relative : {"old.txt", "dropped.txt"})
    files.CreateFile(dir.Path(relative), ExistingFile::Replace)->Write("half");
  EXPECT_EQ(Content(files, dir, "old.txt"), "new");
  EXPECT_EQ(Content(files, dir, "dropped.txt"), "<none>");
  // A file that appears while a new one is written is kept, whether the run
  // may replace files or not.
  for (const ExistingFile existing : {ExistingFile::Keep, ExistingFile::Replace}) {
    const std::string name = existing == ExistingFile::Keep ? "late1.txt" : "late2.txt";
    auto late = files.CreateFile(dir.Path(name), existing);
    late->Write("ours");
    dir.Put(name, "theirs");
    EXPECT_EQ(ErrorOf([&] { late->Finish(); }), "Cannot create file " + dir.Path(name) + ": the file exists already");
    EXPECT_EQ(Content(files, dir, name), "theirs");
  }
  // Only the files put in place: no temporary is left.
  EXPECT_EQ(dir.Entries(), (std::vector<std::string>{"kept.txt", "late1.txt", "late2.txt", "new.txt", "old.txt"}));
}

void ExpectRefusalsNameThePathAndTheReason(FileSystem& files, NativeDirectory& dir, const NativeReasons& reasons) {
  dir.Put("locked.txt", "keep", true);
  dir.Put("plain.txt", "mine");
  dir.MakeDirectory("adir");
  const struct {
    std::string path;
    ExistingFile existing;
    std::string reason;
    bool foreseen;  // The check before writing finds it too.
  } cases[] = {
      {dir.Path("locked.txt"), ExistingFile::Replace, "read-only file", true},
      {dir.Path("plain.txt"), ExistingFile::Keep, "the file exists already", true},
      {dir.Path("adir"), ExistingFile::Replace, reasons.directoryAsFile, true},
      // Reported whole, never cut to the platform's limit.
      {dir.Path(std::string(300, 'x')), ExistingFile::Replace, reasons.nameTooLong, true},
      {dir.Path("missing") + dir.Separator() + "x.txt", ExistingFile::Replace, reasons.missingParent, false},
  };
  for (const auto& c : cases) {
    const std::string expected = "Cannot create file " + c.path + ": " + c.reason;
    EXPECT_EQ(ErrorOf([&] { files.CreateFile(c.path, c.existing)->Finish(); }), expected);
    auto check = files.CheckNewFile(c.path, c.existing);
    EXPECT_EQ(check ? std::string(check->what()) : "", c.foreseen ? expected : "");
  }
  EXPECT_EQ(Content(files, dir, "locked.txt"), "keep");
  EXPECT_EQ(Content(files, dir, "plain.txt"), "mine");
  EXPECT_EQ(dir.Entries(), (std::vector<std::string>{"adir", "locked.txt", "plain.txt"}));
}

void ExpectDirectoryChecksAndOneLock(FileSystem& files, NativeDirectory& dir, const NativeReasons& reasons) {
  dir.Put("file", "");
  const std::string here = dir.Path("");
  const std::string top = here.substr(0, here.size() - dir.Separator().size());
  const struct {
    std::string path;
    bool mayBeMissing;
    std::string reason;  // Empty: no problem.
  } cases[] = {
      {top, false, ""},
      {dir.Path("res"), true, ""},
      {dir.Path("res"), false, reasons.missingDirectory},
      {dir.Path("no") + dir.Separator() + "res", true, reasons.missingDirectory},  // Of "no".
      {dir.Path("file"), true, reasons.fileAsDirectory},
  };
  for (const auto& c : cases) {
    auto problem = files.CheckDirectory(c.path, c.mayBeMissing);
    EXPECT_EQ(problem ? problem->reason() : "", c.reason) << c.path;
  }

  auto lock = files.LockDirectory(top);
  EXPECT_EQ(ErrorOf([&] { files.LockDirectory(dir.Path(".")); }),
            "Cannot write into directory " + dir.Path(".") + ": another run is writing into it");
  // The lock keeps other runs out, not the files of its own.
  EXPECT_FALSE(Write(files, dir.Path("in.txt"), "x", ExistingFile::Keep));
  lock.reset();
  EXPECT_NE(files.LockDirectory(top), nullptr);
  EXPECT_EQ(ErrorOf([&] { files.LockDirectory(dir.Path("none")); }),
            "Cannot write into directory " + dir.Path("none") + ": " + reasons.missingDirectory);
  EXPECT_EQ(dir.Entries(), (std::vector<std::string>{"file", "in.txt"})) << "no lock file";
}

}  // namespace vantrel::test
