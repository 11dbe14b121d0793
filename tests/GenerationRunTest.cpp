#include <gtest/gtest.h>

#include "generator/CodePage.h"
#include "generator/GeneratedFile.h"
#include "generator/GenerationRun.h"
#include "tests/TestSupport.h"

namespace vantrel {
namespace {

// The makefile first, "res" made before the extension script, the pictures
// last.
TEST(GenerationRun, WritesEveryFileInOrderThenAsksTheHostToOpenTheMakefile) {
  test::Generated g;
  test::Generate(g, test::Settings("Demo"));
  ASSERT_TRUE(g.report.Succeeded());
  std::vector<std::string> expected;
  for (const char* name : {"Demo.bpr", "Demo.cpp", "Demo.h", "Demo.rc", "res\\Demo.rc2", "resource.h", "DemoDoc.cpp",
                           "DemoDoc.h", "DemoView.cpp", "DemoView.h", "MainFrm.cpp", "MainFrm.h", "Globals.cpp",
                           "Globals.h", "toolbar.cpp", "toolbar.h", "statbar.cpp", "statbar.h", "stdafx.cpp",
                           "stdafx.h", "res\\toolbar.bmp", "res\\DemoDoc.ico", "res\\Demo.ico"})
    expected.push_back("C:\\Work\\" + std::string(name));
  EXPECT_EQ(g.fs.CreateLog(), expected);
  auto settings = test::Settings("Demo");
  settings.Separator = "\\";
  EXPECT_EQ(PlannedPaths(settings, g.fs), expected);
  for (const auto& path : g.fs.CreateLog()) EXPECT_EQ(g.fs.Find(path)->writeCalls, 1) << path;
  EXPECT_EQ(g.opener.calls, (std::vector<std::string>{"close", "open C:\\Work\\Demo.bpr"}));
  EXPECT_TRUE(g.report.openRequested);
  // A second run replaces every file and lets go of the location before the
  // host opens the project.
  struct LockingOpener : test::RecordingOpener {
    FileSystem& fs;
    explicit LockingOpener(FileSystem& files) : fs(files) {}
    void OpenFile(const std::string& path) override {
      EXPECT_NO_THROW(fs.LockDirectory("C:\\Work"));
      RecordingOpener::OpenFile(path);
    }
  } opener(g.fs);
  for (const auto& file : GenerationRun(settings, g.fs, &opener, codepage::kWestern).files)
    EXPECT_EQ(file.status, FileOutcome::Status::Overwritten) << file.path;
  EXPECT_EQ(opener.calls.size(), 2u);
}

// A placement that cannot be taken back is named; the project is not opened.
TEST(GenerationRun, APlacementThatCannotBeTakenBackIsReported) {
  test::Generated g;
  test::Generate(g, test::Settings("One", "C:\\Work", "CTreeView"));
  auto two = test::Settings("Two");
  two.ComputeSeparator(codepage::kWestern);
  const auto paths = PlannedPaths(two, g.fs);
  g.fs.RefusePlace(paths[5]);
  g.fs.RefuseUndo(paths[2]);
  g.opener.calls.clear();
  RunReport report = GenerationRun(two, g.fs, &g.opener, codepage::kWestern, ExistingFile::Replace);
  EXPECT_FALSE(report.Unchanged());
  EXPECT_EQ(report.notRestored, std::vector<std::string>{paths[2]});
  EXPECT_TRUE(g.opener.calls.empty());
}

// Paths too long are refused before writing, each with its count; the name
// check gives the largest.
TEST(GenerationRun, PathsTooLongAreRefusedBeforeWriting) {
  const struct {
    std::size_t limit;
    std::vector<std::string> refused;  // Relative, in the order of the run, each 1 over.
    std::string fit;
  } cases[] = {
      {sizeof "C:\\Work\\res\\toolbar.bmp", {}, ""},
      {sizeof "C:\\Work\\res\\toolbar.bmp" - 1, {"res\\toolbar.bmp", "res\\DemoDoc.ico"},
       "The project name is 1 character too long for this location: the longest path the project needs, temporary "
       "names included, would be longer than the system allows."},
  };
  for (const auto& c : cases) {
    test::Generated g;
    g.fs.AddDirectory("C:\\Work");
    g.fs.SetPathLimit(c.limit);
    auto settings = test::Settings("Demo");
    settings.ComputeSeparator(codepage::kWestern);
    EXPECT_EQ(NameFitProblem(settings, g.fs).value_or(""), c.fit);
    g.report = GenerationRun(settings, g.fs, &g.opener, codepage::kWestern);
    std::vector<std::string> expected;
    for (const auto& relative : c.refused)
      expected.push_back("Cannot create file C:\\Work\\" + relative +
                         ": File name too long: the longest path used for it, temporary names included, is 1 "
                         "character over the system's limit");
    EXPECT_EQ(g.report.Errors(), expected);
    EXPECT_EQ(g.fs.Files().size(), c.refused.empty() ? GeneratedFiles().size() : 0u);
    EXPECT_FALSE(g.fs.Locked("C:\\Work")) << "the lock is let go";
  }
}

TEST(GenerationRun, RunsWithoutAHost) {
  MemoryFileSystem fs;
  fs.AddDirectory("C:\\Work");
  auto settings = test::Settings("Demo");
  EXPECT_FALSE(GenerationRun(settings, fs, nullptr, codepage::kWestern).openRequested);
  EXPECT_EQ(fs.Files().size(), GeneratedFiles().size());
}

}  // namespace
}  // namespace vantrel
