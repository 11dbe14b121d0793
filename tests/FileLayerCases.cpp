#include "tests/FileLayerCases.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>

#include "generator/CodePage.h"
#include "generator/GenerationRun.h"
#include "tests/TestSupport.h"

namespace vantrel::test {
namespace {

std::string Content(const FileSystem& files, const NativeDirectory& dir, const std::string& relative) {
  return files.ReadFile(dir.Path(relative)).value_or("<none>");
}

}  // namespace

namespace fs = std::filesystem;

std::string FsDirectory::Path(const std::string& relative) const { return (dir_ / relative).string(); }

std::string FsDirectory::Separator() const { return std::string(1, static_cast<char>(fs::path::preferred_separator)); }

void FsDirectory::Put(const std::string& relative, const std::string& content, bool readOnly) {
  std::ofstream(Path(relative), std::ios::binary) << content;
  if (readOnly)
    fs::permissions(Path(relative), fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
}

void FsDirectory::MakeDirectory(const std::string& relative) { fs::create_directories(Path(relative)); }

std::vector<std::string> FsDirectory::Entries() const {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(dir_)) names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

std::map<std::string, std::string> FsDirectory::Listing(const std::string& sub) const {
  std::map<std::string, std::string> listing;
  for (const auto& entry : fs::recursive_directory_iterator(Path(sub))) {
    const std::string relative = entry.path().lexically_relative(Path(sub)).string();
    const std::string within = sub + Separator() + relative;
    listing[relative] = Mode(within) + (entry.symlink_status().type() == fs::file_type::regular
                                            ? " " + Content(within) : "");
  }
  return listing;
}

std::string FsDirectory::Content(const std::string& relative) const {
  std::ifstream in(Path(relative), std::ios::binary);
  return in ? std::string(std::istreambuf_iterator<char>(in), {}) : "<none>";
}

void FsDirectory::Create(const std::string& name) {
  dir_ = fs::temp_directory_path() / name;
  Remove();
  fs::create_directories(dir_);
}

void FsDirectory::Remove() {
  std::error_code walking, ignored;  // What is not there needs no removing.
  fs::permissions(dir_, fs::perms::owner_all, fs::perm_options::add, ignored);
  for (fs::recursive_directory_iterator it(dir_, walking), end; !walking && it != end; it.increment(walking))
    fs::permissions(it->path(), fs::perms::owner_write, fs::perm_options::add, ignored);
  fs::remove_all(dir_, ignored);
}

bool WriteWhole(FileSystem& files, const std::string& path, const std::string& bytes, ExistingFile existing) {
  auto file = files.CreateFile(path, existing);
  file->Write(bytes);
  file->Finish();
  return file->ReplacesExisting();
}

void ExpectWholeFilesOrNone(FileSystem& files, NativeDirectory& dir) {
  for (const ExistingFile existing : {ExistingFile::Keep, ExistingFile::Replace})
    EXPECT_FALSE(
        WriteWhole(files, dir.Path(existing == ExistingFile::Keep ? "kept.txt" : "new.txt"), "a\r\nb\r\n", existing));
  EXPECT_EQ(Content(files, dir, "new.txt"), "a\r\nb\r\n");
  EXPECT_EQ(Content(files, dir, "kept.txt"), "a\r\nb\r\n");
  dir.Put("old.txt", "old content");
  EXPECT_TRUE(WriteWhole(files, dir.Path("old.txt"), "new", ExistingFile::Replace));
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
  // What is to be replaced is judged again when it is put in place: a file
  // made read-only meanwhile stays as it is. Nothing is written after that.
  auto late = files.CreateFile(dir.Path("old.txt"), ExistingFile::Replace);
  late->Write("ours");
  dir.Put("old.txt", "made read-only", true);
  EXPECT_EQ(ErrorOf([&] { late->Finish(); }), "Cannot create file " + dir.Path("old.txt") + ": read-only file");
  EXPECT_EQ(Content(files, dir, "old.txt"), "made read-only");
  EXPECT_NE(ErrorOf([&] { late->Write("more"); }), "");
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
    EXPECT_EQ(WhatOf(files.CheckNewFile(c.path, c.existing)), c.foreseen ? expected : "");
  }
  EXPECT_EQ(Content(files, dir, "locked.txt"), "keep");
  EXPECT_EQ(Content(files, dir, "plain.txt"), "mine");
  EXPECT_EQ(dir.Entries(), (std::vector<std::string>{"adir", "locked.txt", "plain.txt"}));
}

void ExpectDirectoryChecksAndOneLock(FileSystem& files, NativeDirectory& dir, const NativeReasons& reasons) {
  dir.Put("file", "");
  const std::string top = dir.Top();
  const struct {
    std::string path;
    bool mayBeMissing;
    std::string reason;  // Empty: no problem.
  } cases[] = {
      {top, false, ""},
      {dir.Path(""), false, ""},  // A separator at the end names the same directory.
      {dir.Path("res"), true, ""},
      {dir.Path("res") + dir.Separator(), true, ""},
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
  EXPECT_FALSE(WriteWhole(files, dir.Path("in.txt"), "x", ExistingFile::Keep));
  lock.reset();
  EXPECT_NE(files.LockDirectory(top), nullptr);
  EXPECT_EQ(ErrorOf([&] { files.LockDirectory(dir.Path("none")); }),
            "Cannot write into directory " + dir.Path("none") + ": " + reasons.missingDirectory);
  EXPECT_EQ(dir.Entries(), (std::vector<std::string>{"file", "in.txt"})) << "no lock file";

  EXPECT_TRUE(files.MakeDirectory(dir.Path("res")));
  EXPECT_FALSE(files.MakeDirectory(dir.Path("res")));
  EXPECT_FALSE(files.MakeDirectory(dir.Path("no") + dir.Separator() + "such"));
  for (const std::string& path : {top, dir.Path("")})  // With a separator at its end too.
    EXPECT_EQ(files.Subdirectories(path), std::vector<std::string>{"res"}) << path;
  EXPECT_TRUE(files.DirectoryExists(dir.Path("res") + dir.Separator()));
  EXPECT_FALSE(files.DirectoryExists(dir.Path("file")));
  EXPECT_TRUE(files.FileExists(dir.Path("file")));
  EXPECT_FALSE(files.FileExists(dir.Path("res")));
}

void ExpectLockedDirectoryWorksBelowIt(FileSystem& files, NativeDirectory& dir, const NativeReasons& reasons) {
  const std::string top = dir.Top();
  const std::string inRes = dir.Path("res") + dir.Separator() + "a.txt";
  dir.Put("file", "");
  auto locked = files.OpenLocked(top, dir.Separator());
  EXPECT_EQ(locked->PathOf(""), top);
  EXPECT_EQ(locked->PathOf("res\\a.txt"), inRes);
  EXPECT_FALSE(locked->CheckDirectory("", false).has_value());
  EXPECT_FALSE(locked->CheckDirectory("res", true).has_value());
  for (int i = 0; i < 2; ++i) locked->MakeDirectory("res");  // Made once, then found.
  auto file = locked->CreateFile("res\\a.txt", ExistingFile::Keep);
  file->Write("in res");
  file->Finish();
  EXPECT_EQ(files.ReadFile(inRes).value_or("<none>"), "in res");
  EXPECT_EQ(WhatOf(locked->CheckNewFile("res\\a.txt", ExistingFile::Keep)),
            "Cannot create file " + inRes + ": the file exists already");
  EXPECT_EQ(ErrorOf([&] { locked->MakeDirectory("file"); }),
            "Cannot write into directory " + dir.Path("file") + ": " + reasons.fileAsDirectory);
  EXPECT_EQ(ErrorOf([&] { files.LockDirectory(top); }),
            "Cannot write into directory " + top + ": another run is writing into it");
  locked.reset();
  EXPECT_NE(files.LockDirectory(top), nullptr);
  EXPECT_EQ(dir.Entries(), (std::vector<std::string>{"file", "res"}));
}

void ExpectLeftoversRemoved(FileSystem& files, NativeDirectory& dir, const std::vector<std::string>& leftovers,
                            const std::vector<std::string>& nearMisses) {
  const std::string top = dir.Top();
  dir.MakeDirectory("res");
  // Only the directory and its "res" are looked in.
  dir.MakeDirectory("Other");
  dir.Put("Other" + dir.Separator() + leftovers.front(), "not in this project");
  std::vector<std::string> kept = nearMisses;
  kept.push_back("res");
  kept.push_back("Other");
  std::sort(kept.begin(), kept.end());
  for (const bool throughLockedDirectory : {false, true}) {
    SCOPED_TRACE(throughLockedDirectory ? "locked directory" : "file system");
    std::vector<std::string> expected;
    for (const auto& name : leftovers)
      for (const std::string& relative : {name, "res" + dir.Separator() + name}) {
        dir.Put(relative, "half");
        expected.push_back(dir.Path(relative));
      }
    for (const auto& name : nearMisses) dir.Put(name, "mine");
    std::vector<std::string> removed;
    if (throughLockedDirectory) {
      removed = files.OpenLocked(top, dir.Separator())->RemoveLeftovers();
    } else {
      auto lock = files.LockDirectory(top);
      removed = files.RemoveLeftovers(top);
    }
    std::sort(removed.begin(), removed.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(removed, expected);
    EXPECT_EQ(dir.Entries(), kept);
    for (const auto& name : nearMisses) EXPECT_EQ(Content(files, dir, name), "mine") << name;
  }
  EXPECT_EQ(Content(files, dir, "Other" + dir.Separator() + leftovers.front()), "not in this project");
}

void ExpectLinksAreNeverFollowed(FileSystem& files, NativeDirectory& dir) {
  dir.Put("target.txt", "precious");
  dir.MakeDirectory("elsewhere");
  const std::string path = dir.Path("Demo.h");
  const std::string exists = "Cannot create file " + path + ": " + std::string(kFileExists);
  for (const char* target : {"nowhere", "target.txt"}) {
    SCOPED_TRACE(target);
    ASSERT_TRUE(dir.MakeLink(target, "Demo.h"));
    EXPECT_EQ(WhatOf(files.CheckNewFile(path, ExistingFile::Keep)), exists);
    EXPECT_EQ(ErrorOf([&] { WriteWhole(files, path, "generated", ExistingFile::Keep); }), exists);
    EXPECT_FALSE(files.CheckNewFile(path, ExistingFile::Replace).has_value());
    EXPECT_EQ(ErrorOf([&] { WriteWhole(files, path, "generated"); }), "");
    EXPECT_EQ(Content(files, dir, "Demo.h"), "generated");
    ASSERT_TRUE(dir.RemoveLink("Demo.h"));
  }
  EXPECT_EQ(Content(files, dir, "target.txt"), "precious");
  const std::string linked = "Cannot write into directory " + dir.Path("res") + ": " + std::string(kLinkedDirectory);
  for (const char* target : {"nowhere", "elsewhere"}) {
    SCOPED_TRACE(target);
    ASSERT_TRUE(dir.MakeLink(target, "res"));
    EXPECT_EQ(WhatOf(files.OpenLocked(dir.Top(), dir.Separator())->CheckDirectory("res", true)), linked);
    EXPECT_EQ(ErrorOf([&] { files.OpenLocked(dir.Top(), dir.Separator())->MakeDirectory("res"); }), linked);
    // A run refuses it once, not again for each file that would go in it.
    auto settings = Settings("Demo", dir.Top());
    LockedRun run(settings, files, codepage::kWestern, ExistingFile::Replace);
    ASSERT_EQ(run.Refusals().size(), 1u);
    EXPECT_EQ(std::string(run.Refusals()[0].what()), linked);
    ASSERT_TRUE(dir.RemoveLink("res"));
  }
  ASSERT_TRUE(dir.MakeLink("elsewhere", "location"));
  EXPECT_FALSE(files.CheckDirectory(dir.Path("location"), false).has_value()) << "a location may be a link";
  EXPECT_NE(files.LockDirectory(dir.Path("location")), nullptr);
  ASSERT_TRUE(dir.RemoveLink("location"));
  EXPECT_EQ(dir.Entries(), (std::vector<std::string>{"elsewhere", "target.txt"})) << "no temporary is left";
  EXPECT_EQ(dir.Listing("elsewhere"), (std::map<std::string, std::string>{})) << "nothing is written through a link";
}

}  // namespace vantrel::test
