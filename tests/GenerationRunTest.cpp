#include <gtest/gtest.h>

#include "generator/CodePage.h"
#include "generator/GeneratedFile.h"
#include "generator/GenerationRun.h"
#include "generator/OutputWriter.h"
#include "platform/fs/FileError.h"
#include "tests/TestSupport.h"

namespace vantrel {
namespace {

using Status = FileOutcome::Status;

TEST(OutputWriter, EndsEveryLineInCrLfAndWritesOnce) {
  MemoryFileSystem fs;
  OutputWriter out(fs);
  out.Create("C:\\a.txt");
  for (const char* line : {"first", "", "\tlast \\ \xe9"}) out.AddLine(line);
  out.Commit();
  const auto* file = fs.Find("C:\\a.txt");
  ASSERT_NE(file, nullptr);
  EXPECT_EQ(file->content, "first\r\n\r\n\tlast \\ \xe9\r\n");
  EXPECT_EQ(file->writeCalls, 1);
  // The buffer starts empty for the next file.
  out.Create("C:\\b.txt");
  out.Commit();
  EXPECT_EQ(fs.Find("C:\\b.txt")->content, "");
  EXPECT_EQ(fs.OpenFiles(), 0);
}

TEST(GenerationRun, WritesEveryFileInOrderThenAsksTheHostToOpenTheMakefile) {
  test::Generated g;
  test::Generate(g, test::Settings("Demo"));
  ASSERT_TRUE(g.report.Succeeded());
  const auto& files = GeneratedFiles();
  ASSERT_EQ(g.fs.CreateLog().size(), files.size());
  auto settings = test::Settings("Demo");
  settings.Separator = "\\";
  EXPECT_EQ(g.fs.CreateLog(), PlannedPaths(settings));
  EXPECT_EQ(g.fs.CreateLog().front(), "C:\\Work\\Demo.bpr");
  for (const auto& path : g.fs.CreateLog()) EXPECT_EQ(g.fs.Find(path)->writeCalls, 1) << path;
  EXPECT_EQ(g.opener.calls, (std::vector<std::string>{"close", "open C:\\Work\\Demo.bpr"}));
  EXPECT_TRUE(g.report.openRequested);
}

TEST(GenerationRun, LocationEndingInABackslashGetsNoSeparator) {
  test::Generated g;
  test::Generate(g, test::Settings("Demo", "C:\\"));
  EXPECT_EQ(g.fs.CreateLog().front(), "C:\\Demo.bpr");
  EXPECT_EQ(g.opener.calls.back(), "open C:\\Demo.bpr");
}

TEST(GenerationRun, SecondRunRewritesEveryFile) {
  test::Generated g;
  test::Generate(g, test::Settings("Demo"));
  auto first = g.fs.Files();
  g.opener.calls.clear();
  auto settings = test::Settings("Demo");
  RunReport again = GenerationRun(settings, g.fs, &g.opener, codepage::kWestern);
  ASSERT_TRUE(again.Succeeded());
  for (const auto& file : again.files) EXPECT_EQ(file.status, Status::Overwritten) << file.path;
  for (const auto& [path, entry] : first) EXPECT_EQ(g.fs.Find(path)->content, entry.content) << path;
  EXPECT_EQ(g.opener.calls.size(), 2u);
}

// Each fault touches one file; every other file is still written, the
// failure names the file, and the host is not asked to open anything.
TEST(GenerationRun, AFileThatFailsIsReportedAndNothingIsOpened) {
  struct Case {
    const char* what;
    void (*arrange)(MemoryFileSystem&);
    const char* failedPath;
    const char* message;
    const char* keptContent;  // What the failed file holds afterwards; null: no file.
  } cases[] = {
      {"creation refused", [](MemoryFileSystem& fs) { fs.RefuseCreate("C:\\Work\\Demo.cpp"); },
       "C:\\Work\\Demo.cpp", "Cannot create file C:\\Work\\Demo.cpp", nullptr},
      {"read-only file",
       [](MemoryFileSystem& fs) { fs.AddFile("C:\\Work\\Demo.h", "old header", true); },
       "C:\\Work\\Demo.h", "Cannot create file C:\\Work\\Demo.h", "old header"},
      {"disk full in the first file",
       [](MemoryFileSystem& fs) {
         fs.AddFile("C:\\Work\\Demo.bpr", "old makefile");
         fs.SetFreeSpace(100);
       },
       "C:\\Work\\Demo.bpr", "Cannot write file C:\\Work\\Demo.bpr completely", "old makefile"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    test::Generated g;
    g.fs.AddDirectory("C:\\Work");
    c.arrange(g.fs);
    auto settings = test::Settings("Demo");
    g.report = GenerationRun(settings, g.fs, &g.opener, codepage::kWestern);
    EXPECT_FALSE(g.report.Succeeded());
    EXPECT_FALSE(g.report.openRequested);
    EXPECT_TRUE(g.opener.calls.empty());
    EXPECT_EQ(g.fs.CreateLog(), PlannedPaths(settings)) << "every file is still attempted";
    ASSERT_FALSE(g.report.Errors().empty());
    EXPECT_NE(g.report.Errors().front().find(c.message), std::string::npos) << g.report.Errors().front();
    const auto* failed = g.fs.Find(c.failedPath);
    if (c.keptContent == nullptr)
      EXPECT_EQ(failed, nullptr);
    else
      EXPECT_EQ(failed ? failed->content : "", c.keptContent);
    EXPECT_EQ(g.fs.OpenFiles(), 0) << "a failed file is closed at once";
  }
}

TEST(GenerationRun, MissingLocationWritesNothingAndReportsEveryFile) {
  MemoryFileSystem fs;
  test::RecordingOpener opener;
  auto settings = test::Settings("Demo", "C:\\NoSuchDir");
  RunReport report = GenerationRun(settings, fs, &opener, codepage::kWestern);
  EXPECT_TRUE(fs.Files().empty());
  EXPECT_TRUE(opener.calls.empty());
  ASSERT_EQ(report.Errors().size(), GeneratedFiles().size());
  EXPECT_EQ(report.Errors().front(), "Cannot create file C:\\NoSuchDir\\Demo.bpr");
  EXPECT_FALSE(fs.DirectoryExists("C:\\NoSuchDir\\res"));
}

TEST(GenerationRun, AFailedFileCanBeWrittenAgainAtOnce) {
  test::Generated g;
  g.fs.AddDirectory("C:\\Work");
  g.fs.SetFreeSpace(10);
  auto settings = test::Settings("Demo");
  g.report = GenerationRun(settings, g.fs, &g.opener, codepage::kWestern);
  ASSERT_FALSE(g.report.Succeeded());
  g.fs.SetFreeSpace(static_cast<std::size_t>(-1));
  RunReport again = GenerationRun(settings, g.fs, &g.opener, codepage::kWestern);
  EXPECT_TRUE(again.Succeeded());
  EXPECT_EQ(g.opener.calls.size(), 2u);
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
