// The Windows file layer against a real directory (under Wine here): the
// shared fault cases through each way of putting files in place, and what
// is Windows' own: attributes, handles held by others, resolved locations,
// path lengths, links, double-byte characters, drives.

#include <gtest/gtest.h>
#include <windows.h>
#undef CreateFile  // The layer's own operation, not the system's macro.

#include <algorithm>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "platform/fs/FileError.h"
#include "platform/fs/Win32FileSystem.h"
#include "platform/fs/Win32Path.h"
#include "tests/FileLayerCases.h"

namespace vantrel {
namespace {

// Each way of putting a file in place that a system may lack. Under Wine
// the first is the second; the last forces Wine's own ReplaceFileA.
struct Methods {
  const char* name;
  Win32WriteMethods methods;
} const kMethods[] = {
    {"as the system offers", {}},
    {"hard links, replacements moved", {false, true}},
    {"moves only", {false, false}},
    {"ReplaceFileA, Wine's too", {true, true, true}},
};
// The methods that keep a link's target and leave nothing when they fail.
const auto kSoundMethods = std::span(kMethods).first(3);

bool UnderWine() { return RunsUnderWine(); }

class Win32FileSystemTest : public ::testing::Test, public test::FsDirectory {
 protected:
  void SetUp() override {
    Create("vantrel-win32-" + std::to_string(GetCurrentProcessId()));
    top_ = Top();
  }
  void TearDown() override { Remove(); }
  // Under Wine its host removes the directory: Wine sees links only in part.
  void Remove() override {
    const auto there = [&] { return GetFileAttributesA(Top().c_str()) != INVALID_FILE_ATTRIBUTES; };
    if (!there() || !OnHost("/bin/rm -rf", "--", "", false)) return FsDirectory::Remove();
    for (int wait = 0; wait < 500 && there(); ++wait) Sleep(10);
  }

  std::string Mode(const std::string& relative) const override {
    return std::to_string(GetFileAttributesA(Path(relative).c_str()));
  }
  void PutWithAttributes(const std::string& relative, const std::string& content, DWORD attributes) {
    Put(relative, content);
    SetFileAttributesA(Path(relative).c_str(), attributes);
  }
  // The layer's temporaries beside the files: names that start as they do.
  std::vector<std::string> Temporaries() const {
    std::vector<std::string> names = Entries();
    std::erase_if(names, [](const std::string& name) { return !name.starts_with("~vt"); });
    return names;
  }
  bool Write(const std::string& path, const std::string& bytes, ExistingFile existing = ExistingFile::Replace) {
    return test::WriteWhole(files_, path, bytes, existing);
  }
  const test::NativeReasons reasons_{"not a regular file", Win32Reason(ERROR_FILENAME_EXCED_RANGE),
                                     Win32Reason(ERROR_PATH_NOT_FOUND), Win32Reason(ERROR_FILE_NOT_FOUND),
                                     Win32Reason(ERROR_DIRECTORY)};
  // Whether there is an entry of that name, even one Wine shows nothing of.
  bool HasEntry(const std::string& relative) const {
    WIN32_FIND_DATAA found{};
    HANDLE search = FindFirstFileA(Path(relative).c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) FindClose(search);
    return search != INVALID_HANDLE_VALUE || GetLastError() == ERROR_NO_MORE_FILES;
  }
  // Runs a program of Wine's host on a path of the directory (Wine cannot
  // make links) and waits until the entry is there or gone, as present
  // says; false when not under Wine.
  bool OnHost(const std::string& program, const std::string& argument, const std::string& relative,
              bool present) const {
    using UnixName = char*(CDECL*)(LPCWSTR);
    const auto unixName = reinterpret_cast<UnixName>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
    if (unixName == nullptr) return false;
    wchar_t wide[MAX_PATH];
    MultiByteToWideChar(CP_ACP, 0, Path(relative).c_str(), -1, wide, MAX_PATH);
    char* hostPath = unixName(wide);
    // The arguments are split as Windows splits a command line.
    std::string command = program + " \"" + argument + "\" \"" + hostPath + "\"";
    HeapFree(GetProcessHeap(), 0, hostPath);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
      return false;
    // Wine gives no exit status of a host program: the entry tells.
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    for (int wait = 0; wait < 500 && HasEntry(relative) != present; ++wait) Sleep(10);
    return HasEntry(relative) == present;
  }
  // Runs check in a fresh directory with a file system of each method set.
  template <typename Check>
  void ForEachMethod(std::span<const Methods> methods, Check check) {
    for (const auto& [name, set] : methods) {
      SCOPED_TRACE(name);
      TearDown();
      SetUp();
      Win32FileSystem files(set);
      check(files);
    }
  }
  // Wine cannot make links itself: its host makes them.
  bool MakeLink(const std::string& target, const std::string& relative) override {
    return OnHost("/bin/ln -s", target, relative, true);
  }
  bool RemoveLink(const std::string& relative) override { return OnHost("/bin/rm -f", "--", relative, false); }
  std::string top_;
  Win32FileSystem files_;
};

TEST_F(Win32FileSystemTest, EveryMethodWritesWholeFilesKeepsAttributesAndHidesItsTemporaries) {
  ForEachMethod(kMethods, [&](Win32FileSystem& files) {
    test::ExpectWholeFilesOrNone(files, *this);
    // A new file gets a new file's attributes, though its temporary was hidden.
    CloseHandle(::CreateFileA(Path("made.txt").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL,
                              nullptr));
    EXPECT_EQ(GetFileAttributesA(Path("new.txt").c_str()), GetFileAttributesA(Path("made.txt").c_str()));
    EXPECT_EQ(GetFileAttributesA(Path("new.txt").c_str()) & FILE_ATTRIBUTE_HIDDEN, 0u);
    PutWithAttributes("marked.txt", "old content", FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
    PutWithAttributes("plain.txt", "old content", FILE_ATTRIBUTE_NORMAL);
    auto file = files.CreateFile(Path("marked.txt"), ExistingFile::Replace);
    file->Write("new");
    // While it is written, only the temporary's hidden name is beside it.
    const auto temporaries = Temporaries();
    ASSERT_EQ(temporaries.size(), 1u);
    EXPECT_TRUE(Win32OutputFile::IsTemporaryName(temporaries[0])) << temporaries[0];
    EXPECT_NE(GetFileAttributesA(Path(temporaries[0]).c_str()) & FILE_ATTRIBUTE_HIDDEN, 0u);
    file->Finish();
    test::WriteWhole(files, Path("plain.txt"), "new");
    EXPECT_EQ(Content("marked.txt"), "new");
    EXPECT_EQ(GetFileAttributesA(Path("marked.txt").c_str()) & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM),
              DWORD{FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM});
    EXPECT_EQ(GetFileAttributesA(Path("plain.txt").c_str()) & FILE_ATTRIBUTE_HIDDEN, 0u);
    EXPECT_EQ(Temporaries(), std::vector<std::string>{}) << "no temporary or backup is left";
  });
}

TEST_F(Win32FileSystemTest, RefusalsNameThePathAndTheSystemsReason) {
  test::ExpectRefusalsNameThePathAndTheReason(files_, *this, reasons_);
}

// Another program holds the file open and shares it with nobody.
TEST_F(Win32FileSystemTest, AFileHeldOpenIsReportedWithTheSystemsReasonAndKept) {
  Put("held.txt", "theirs");
  HANDLE held = ::CreateFileA(Path("held.txt").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  for (const auto& [name, methods] : kSoundMethods) {
    Win32FileSystem files(methods);
    const std::string message = test::ErrorOf([&] { test::WriteWhole(files, Path("held.txt"), "ours"); });
    const std::string start = "Cannot create file " + Path("held.txt") + ": ";
    EXPECT_TRUE(message == start + Win32Reason(ERROR_SHARING_VIOLATION) ||
                message == start + Win32Reason(ERROR_ACCESS_DENIED) ||
                message == start + Win32Reason(ERROR_UNABLE_TO_REMOVE_REPLACED))
        << name << ": " << message;
  }
  CloseHandle(held);
  EXPECT_EQ(Content("held.txt"), "theirs");
  EXPECT_EQ(Entries(), std::vector<std::string>{"held.txt"});
}

TEST_F(Win32FileSystemTest, DirectoryChecksAndOneLock) {
  test::ExpectDirectoryChecksAndOneLock(files_, *this, reasons_);
}

TEST_F(Win32FileSystemTest, LockedDirectory) { test::ExpectLockedDirectoryWorksBelowIt(files_, *this, reasons_); }

// Under Wine, a file system without hard links cannot keep a replaced file
// aside (its rename would move what a link points to).
TEST_F(Win32FileSystemTest, ARunChangesAllOrNothingWithEveryMethod) {
  std::vector<Methods> methods;
  for (const auto& m : kMethods)
    if (m.methods.hardLinks || !UnderWine()) methods.push_back(m);
  ForEachMethod(methods, [&](Win32FileSystem& files) {
    test::ExpectARunChangesAllOrNothing(files, *this);
    test::ExpectAKilledRunIsTakenBack(files, *this);
  });
}

TEST_F(Win32FileSystemTest, ParentsAndDrives) {
  EXPECT_EQ(ParentOf("C:\\Work\\Demo\\"), "C:\\Work");
  EXPECT_EQ(ParentOf("C:\\"), "C:\\");
  const std::vector<std::string> drives = files_.Drives();
  EXPECT_NE(std::find(drives.begin(), drives.end(), "C:\\"), drives.end());
}

// Another program that keeps writers out is named as that, not as a run.
TEST_F(Win32FileSystemTest, TheLockTellsAnotherRunFromAnotherProgram) {
  const struct {
    const char* holder;
    DWORD access, sharing;
  } programs[] = {
      {"a reader keeping writers out", FILE_LIST_DIRECTORY, FILE_SHARE_READ},
      {"a program sharing nothing", FILE_LIST_DIRECTORY, 0},
  };
  for (const auto& c : programs) {
    HANDLE held = ::CreateFileA(top_.c_str(), c.access, c.sharing, nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS,
                                nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE) << c.holder;
    EXPECT_EQ(test::ErrorOf([&] { files_.LockDirectory(top_); }),
              "Cannot write into directory " + top_ + ": in use by another program")
        << c.holder;
    CloseHandle(held);
  }
  auto lock = files_.LockDirectory(top_);
  EXPECT_EQ(test::ErrorOf([&] { files_.LockDirectory(top_); }),
            "Cannot write into directory " + top_ + ": " + std::string(kAnotherRun));
  lock.reset();
  EXPECT_EQ(Entries(), std::vector<std::string>{}) << "the lock leaves nothing";
  // A lock file a stopped machine left (empty, nobody holds it) is taken over.
  Put(".vantrel-lock", "");
  EXPECT_NE(files_.LockDirectory(top_), nullptr);
  EXPECT_EQ(Entries(), std::vector<std::string>{});
}

// While a run holds the lock, its location and "res" cannot be moved,
// removed or replaced, so every file lands where it was checked; the
// system's own open of a directory to add files still passes.
TEST_F(Win32FileSystemTest, TheLockedLocationStaysWhereItIs) {
  MakeDirectory("location");
  const std::string location = Path("location"), moved = Path("moved");
  const std::string res = location + "\\res", resMoved = location + "\\res2";
  {
    auto locked = files_.OpenLocked(location, "\\");
    locked->MakeDirectory("res");
    for (const std::string& directory : {location, res}) {
      HANDLE target = ::CreateFileA(directory.c_str(), FILE_ADD_FILE | SYNCHRONIZE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                    nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
      EXPECT_NE(target, INVALID_HANDLE_VALUE) << directory;
      CloseHandle(target);
    }
    EXPECT_FALSE(MoveFileExA(location.c_str(), moved.c_str(), 0));
    EXPECT_FALSE(RemoveDirectoryA(location.c_str()));
    EXPECT_FALSE(MoveFileExA(res.c_str(), resMoved.c_str(), 0));
    EXPECT_FALSE(RemoveDirectoryA(res.c_str()));
    EXPECT_FALSE(Write(res + "\\Demo.ico", "x", ExistingFile::Keep));
  }
  EXPECT_EQ(Entries(), std::vector<std::string>{"location"});
  EXPECT_TRUE(MoveFileExA(location.c_str(), moved.c_str(), 0)) << "the lock is gone with its run";
}

// "Y:", a relative name, or trailing spaces and dots name the directory the
// system makes of them, for the lock, the checks and every file alike.
TEST_F(Win32FileSystemTest, ALocationIsTheFullPathTheSystemMakesOfIt) {
  MakeDirectory("proj");
  char saved[MAX_PATH];
  GetCurrentDirectoryA(MAX_PATH, saved);
  ASSERT_TRUE(SetCurrentDirectoryA(top_.c_str()));
  EXPECT_EQ(files_.CurrentDirectory(), top_);
  const std::string drive = top_.substr(0, 2);  // "C:": the current directory of that drive.
  const struct {
    std::string typed;
    std::string directory;
  } cases[] = {
      {drive, top_},
      {".", top_},
      {"proj", Path("proj")},
      {Path("proj "), Path("proj")},
      {Path("proj.."), Path("proj")},
      {Path("proj\\"), Path("proj")},
      {Path("x\\..\\proj"), Path("proj")},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(files_.ProjectPath(c.typed, "\\", "res\\Demo.rc2"), c.directory + "\\res\\Demo.rc2") << c.typed;
    EXPECT_FALSE(files_.CheckDirectory(c.typed, false).has_value()) << c.typed;
    auto lock = files_.LockDirectory(c.typed);
    EXPECT_EQ(test::ErrorOf([&] { files_.LockDirectory(c.directory); }),
              "Cannot write into directory " + c.directory + ": " + std::string(kAnotherRun))
        << c.typed;
  }
  // A drive's root ends in its separator already.
  EXPECT_EQ(files_.ProjectPath(drive + "\\", "", "Demo.h"), drive + "\\Demo.h");
  EXPECT_EQ(files_.ProjectPath("", "", "res\\Demo.rc2"), "res\\Demo.rc2");
  SetCurrentDirectoryA(saved);
}

// A path that fits while its temporary's does not is refused up front.
TEST_F(Win32FileSystemTest, PathLimitsCountTheTemporaries) {
  const std::size_t limit = MAX_PATH - 1;
  const std::size_t temporary = Win32OutputFile::kTemporaryNameLength;
  const struct {
    std::size_t directoryLength;  // Without the separator.
    const char* name;
    std::size_t overrun;
  } cases[] = {
      {limit - 1 - temporary, "A.h", 0},
      {limit - temporary, "A.h", 1},            // The file's path fits; its temporary's does not.
      {limit - 1 - temporary, "Demo.bpr", 0},   // As long as its temporary.
      {limit - 12, "DemoView.cpp", 1},          // The file's own path is the longest.
      {limit - 1 - temporary - 40, "A.h", 0},
  };
  for (const auto& c : cases) {
    const std::string path = "C:\\" + std::string(c.directoryLength - 3, 'd') + "\\" + c.name;
    EXPECT_EQ(files_.PathOverrun(path), c.overrun) << c.directoryLength << " " << c.name;
    auto problem = files_.CheckNewFile(path, ExistingFile::Replace);
    EXPECT_EQ(problem ? problem->reason() : "", c.overrun > 0 ? Win32Reason(ERROR_FILENAME_EXCED_RANGE) : "")
        << c.directoryLength << " " << c.name;
  }
  // Room for the temporary and no more: written; one more: refused whole.
  for (const std::size_t overrun : {0u, 1u}) {
    const std::size_t length = limit - 1 - temporary + overrun;
    std::string directory = top_ + "\\" + std::string(length - top_.size() - 1, 'd');
    ASSERT_TRUE(CreateDirectoryA(directory.c_str(), nullptr)) << directory.size();
    const std::string path = directory + "\\A.h";
    EXPECT_EQ(test::ErrorOf([&] { Write(path, "x"); }),
              overrun == 0 ? "" : "Cannot create file " + path + ": " + Win32Reason(ERROR_FILENAME_EXCED_RANGE));
    EXPECT_EQ(files_.FileExists(path), overrun == 0);
    std::filesystem::remove_all(directory);
  }
}

// Only the layer's own temporary names are leftovers, hidden or not; names
// near them, and a directory named like one, are the user's.
TEST_F(Win32FileSystemTest, LeftoversOfAKilledRunAreRemovedAndNothingElse) {
  test::ExpectLeftoversRemoved(files_, *this, {"~vt0a1b2", "~vt12345"},
                               {"~vt0a1b", "~vt0a1b23", "~vtxyz12", "Demo.h", "~vantrel-1-2.tmp", "vt01234"});
  PutWithAttributes("~vtabcde", "half", FILE_ATTRIBUTE_HIDDEN);
  MakeDirectory("~vt00000");
  auto lock = files_.LockDirectory(top_);
  EXPECT_EQ(files_.RemoveLeftovers(top_), std::vector<std::string>{Path("~vtabcde")});
  EXPECT_TRUE(files_.DirectoryExists(Path("~vt00000")));
}

// Links through each method, and Windows' own: a link to a directory at a
// file's name is refused as a directory is, and no leftovers are looked for
// through a "res" link. (Links come from Wine's host; junctions cannot be
// made under Wine.)
TEST_F(Win32FileSystemTest, LinksAreFilesOfTheirOwnNeverFollowed) {
  if (!UnderWine()) GTEST_SKIP() << "links are made through Wine's host here";
  ForEachMethod(kSoundMethods, [&](Win32FileSystem& files) { test::ExpectLinksAreNeverFollowed(files, *this); });
  ASSERT_TRUE(MakeLink("elsewhere", "todir.h"));
  const std::string notRegular = "Cannot create file " + Path("todir.h") + ": " + std::string(kNotRegularFile);
  for (const ExistingFile existing : {ExistingFile::Keep, ExistingFile::Replace}) {
    EXPECT_EQ(test::WhatOf(files_.CheckNewFile(Path("todir.h"), existing)), notRegular);
    EXPECT_EQ(test::ErrorOf([&] { Write(Path("todir.h"), "generated", existing); }), notRegular);
  }
  ASSERT_TRUE(MakeLink("elsewhere", "res"));
  Put("elsewhere\\~vt0a1b2", "theirs");
  EXPECT_EQ(files_.RemoveLeftovers(top_), std::vector<std::string>{});
  EXPECT_EQ(Content("elsewhere\\~vt0a1b2"), "theirs");
  EXPECT_EQ(Listing("elsewhere").size(), 1u);
}

// A double-byte character whose second byte is 0x5C is no separator.
TEST(Win32Path, TheSecondByteOfADoubleByteCharacterIsNoSeparator) {
  const struct {
    std::string path;
    unsigned codePage;
    bool endsInSeparator;
    std::size_t lastSeparator;
  } cases[] = {
      {"C:\\\x95\x5C", 932, false, 2},
      {"C:\\\x95\x5C\\", 932, true, 5},
      {"C:\\a\x95\x5C", 932, false, 2},
      {"C:\\\x95\x5C", 1252, true, 4},  // Two characters in a single-byte code page.
      {"C:\\a\\", 932, true, 4},
      {"\x95", 932, false, std::string::npos},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(EndsInSeparator(c.path, c.codePage), c.endsInSeparator) << c.path << " in " << c.codePage;
    EXPECT_EQ(LastSeparator(c.path, c.codePage), c.lastSeparator) << c.path << " in " << c.codePage;
  }
}

}  // namespace
}  // namespace vantrel
