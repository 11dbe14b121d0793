#include <gtest/gtest.h>

#include <string>

#include "apps/vantrel/NewCommand.h"
#include "apps/vantrel/NewOptions.h"
#include "generator/CodePage.h"
#include "generator/GeneratedFile.h"
#include "platform/fs/MemoryFileSystem.h"

namespace vantrel::cli {
namespace {

struct Result {
  int status = -1;
  std::string out, err;
};

Result RunNew(MemoryFileSystem& fs, const std::vector<std::string>& args) {
  Result result;
  std::string error;
  auto options = ParseNewOptions(args, error);
  if (!options) {
    result.status = kExitUsage;
    result.err = error;
    return result;
  }
  TextOutput out(result.out), err(result.err);
  result.status = RunNewCommand(*options, fs, [] { return codepage::kJapanese; }, out, err);
  return result;
}

std::size_t Count(const std::string& text, const std::string& word) {
  std::size_t n = 0;
  for (auto at = text.find(word); at != std::string::npos; at = text.find(word, at + 1)) ++n;
  return n;
}

TEST(NewOptions, ParsesEveryOptionAndRefusesBadUsage) {
  std::string error;
  auto options = ParseNewOptions({"Demo", "--location=C:\\W", "--view-base", "CTreeView",
                                  "--single-document", "--force", "--dry-run"},
                                 error);
  ASSERT_TRUE(options) << error;
  EXPECT_EQ(options->name, "Demo");
  EXPECT_EQ(options->location, "C:\\W");
  EXPECT_EQ(options->viewBase, "CTreeView");
  EXPECT_TRUE(options->singleDocument && options->force && options->dryRun);

  struct Bad {
    std::vector<std::string> args;
    const char* message;
  } bad[] = {
      {{}, "no project name"},
      {{"A", "B"}, "only one project name"},
      {{"A", "--view-base", "CFormView"}, "unknown view base class"},
      {{"A", "--view-base"}, "needs a value"},
      {{"A", "--location"}, "needs a value"},
      {{"A", "--frobnicate"}, "unknown option"},
  };
  for (const auto& b : bad) {
    error.clear();
    EXPECT_FALSE(ParseNewOptions(b.args, error));
    EXPECT_NE(error.find(b.message), std::string::npos) << error;
  }
}

// Without --location the project goes into the current directory.
TEST(NewCommand, WritesTheProjectAndPrintsSummaryFilesAndHostRequests) {
  MemoryFileSystem fs;
  fs.AddDirectory("C:\\Work");
  fs.SetCurrentDirectory("C:\\Work");
  auto r = RunNew(fs, {"Demo", "--single-document"});
  EXPECT_EQ(r.status, kExitOk) << r.err;
  EXPECT_EQ(r.out.rfind("Application type of Demo : \n  Single Document Interface Application targeting\n", 0), 0u);
  EXPECT_EQ(Count(r.out, "created     C:\\Work\\"), GeneratedFiles().size());
  EXPECT_NE(r.out.find("IDE: close the current project\nIDE: open C:\\Work\\Demo.bpr\n"), std::string::npos);
  EXPECT_EQ(fs.Files().size(), GeneratedFiles().size());
}

// Every path the report prints, the request to the IDE included, has its
// control characters escaped.
TEST(NewCommand, PrintedPathsEscapeControlCharacters) {
  MemoryFileSystem fs;
  fs.AddDirectory("C:\\W\x1b[2J");
  auto r = RunNew(fs, {"Demo", "--location", "C:\\W\x1b[2J"});
  EXPECT_EQ(r.status, kExitOk) << r.err;
  EXPECT_EQ(r.out.find('\x1b'), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("created     C:\\W\\x1B[2J\\Demo.bpr\n"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("IDE: open C:\\W\\x1B[2J\\Demo.bpr\n"), std::string::npos) << r.out;
}

// --list-files names every file a run writes, in order, and needs no
// location.
TEST(NewCommand, ListFilesNamesWhatTheRunWritesAndTouchesNothing) {
  MemoryFileSystem listing;
  auto list = RunNew(listing, {"Demo", "--list-files", "--location", "C:\\Missing"});
  EXPECT_EQ(list.status, kExitOk) << list.err;
  EXPECT_TRUE(listing.CreateLog().empty());

  MemoryFileSystem fs;
  fs.AddDirectory("C:\\Work");
  ASSERT_EQ(RunNew(fs, {"Demo", "--location", "C:\\Work"}).status, kExitOk);
  std::string written;
  for (const auto& path : fs.CreateLog()) written += path.substr(std::string("C:\\Work\\").size()) + "\n";
  EXPECT_EQ(list.out, written);
  EXPECT_EQ(RunNew(listing, {"a-b", "--list-files"}).status, kExitUsage);
}

// Under a double-byte code page a final backslash that is the second byte
// of a character still gets a separator.
TEST(NewCommand, TrailingBackslashIsReadInTheUsersCodePage) {
  const struct {
    const char* location;
    const char* makefile;
  } cases[] = {
      {"C:\\Work\\", "C:\\Work\\Demo.bpr"},
      {"C:\\\x95\\", "C:\\\x95\\\\Demo.bpr"},
  };
  for (const auto& c : cases) {
    MemoryFileSystem fs;
    fs.AddDirectory(c.location);
    EXPECT_EQ(RunNew(fs, {"Demo", "--location", c.location}).status, kExitOk) << c.location;
    EXPECT_NE(fs.Find(c.makefile), nullptr) << c.location;
  }
}

// A refusal writes and prints nothing, with or without --dry-run; each
// message names the path and the reason; the lock is let go.
TEST(NewCommand, RefusalsWriteNothing) {
  const std::string kLong = "C:\\" + std::string(250, 'd');
  struct Case {
    std::vector<std::string> args;
    int status;
    const char* message;
  } cases[] = {
      {{"my app"}, kExitUsage, "a blank"},
      {{"Demo", "--location", "C:\\Missing\x1b[2J"}, kExitRefused,
       "vantrel: Cannot write into directory C:\\Missing\\x1B[2J: No such file or directory\n"},
      {{"Demo", "--location", ""}, kExitRefused, "No such file or directory"},
      {{"Demo", "--location", "C:\\Res"}, kExitRefused,
       "vantrel: Cannot write into directory C:\\Res\\res: Not a directory\nvantrel: nothing was written\n"},
      {{"Demo", "--location", kLong}, kExitUsage, "vantrel: The project name is 10 characters too long for this"},
      {{"Demo", "--location", "C:\\Taken"}, kExitRefused,
       "vantrel: Cannot create file C:\\Taken\\res\\Demo.ico: the file exists already\n"
       "vantrel: use --force to replace the files that exist already\nvantrel: nothing was written\n"},
  };
  for (bool dryRun : {false, true})
    for (auto c : cases) {
      MemoryFileSystem fs;
      fs.AddFile("C:\\Taken\\res\\Demo.ico", "mine");
      fs.AddFile("C:\\Res\\res", "");
      fs.AddDirectory(kLong);
      fs.SetPathLimit(260);
      if (dryRun) c.args.push_back("--dry-run");
      auto r = RunNew(fs, c.args);
      EXPECT_EQ(r.status, c.status) << c.args[0];
      EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
      EXPECT_TRUE(fs.CreateLog().empty());
      EXPECT_TRUE(r.out.empty());
      EXPECT_EQ(fs.Files().size(), 2u);
      for (const char* location : {"C:\\Taken", "C:\\Res"}) EXPECT_FALSE(fs.Locked(location));
    }
}

TEST(NewCommand, DryRunListsWhatForceWouldDo) {
  MemoryFileSystem fs;
  fs.AddFile("C:\\Work\\Demo.h", "mine");
  auto dry = RunNew(fs, {"Demo", "--location", "C:\\Work", "--dry-run", "--force"});
  EXPECT_EQ(dry.status, kExitOk);
  EXPECT_NE(dry.out.find("overwritten C:\\Work\\Demo.h\n"), std::string::npos);
  EXPECT_NE(dry.out.find("created     C:\\Work\\Demo.bpr\n"), std::string::npos);
  EXPECT_TRUE(fs.CreateLog().empty());
  EXPECT_FALSE(fs.Locked("C:\\Work"));

  auto forced = RunNew(fs, {"Demo", "--location", "C:\\Work", "--force"});
  EXPECT_EQ(forced.status, kExitOk);
  EXPECT_NE(forced.out.find("overwritten C:\\Work\\Demo.h\n"), std::string::npos);
  EXPECT_NE(fs.Find("C:\\Work\\Demo.h")->content, "mine");
}

// A failure while writing is named with its reason; nothing is changed.
TEST(NewCommand, AFileThatCannotBeWrittenIsNamedAndNothingChanged) {
  MemoryFileSystem fs;
  fs.AddDirectory("C:\\Work");
  fs.RefuseCreate("C:\\Work\\stdafx.cpp");
  auto r = RunNew(fs, {"Demo", "--location", "C:\\Work"});
  EXPECT_EQ(r.status, kExitWriteFailed);
  EXPECT_NE(r.err.find("vantrel: Cannot create file C:\\Work\\stdafx.cpp: Permission denied\n"), std::string::npos)
      << r.err;
  EXPECT_NE(r.err.find("vantrel: nothing was changed, and the project was not opened, because not every file could "
                       "be written\n"),
            std::string::npos)
      << r.err;
  EXPECT_NE(r.out.find("failed      C:\\Work\\stdafx.cpp\n"), std::string::npos);
  EXPECT_EQ(r.out.find("created     "), std::string::npos);
  EXPECT_EQ(r.out.find("IDE:"), std::string::npos);
  EXPECT_TRUE(fs.Files().empty());
  EXPECT_FALSE(fs.DirectoryExists("C:\\Work\\res"));
}

}  // namespace
}  // namespace vantrel::cli
