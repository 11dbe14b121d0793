// A run changes the whole project or nothing: whatever fails, and wherever a
// stop comes, the location afterwards is exactly what it was.

#include <gtest/gtest.h>

#include <functional>
#include <map>

#include "generator/CodePage.h"
#include "generator/GeneratedFile.h"
#include "generator/GenerationRun.h"
#include "tests/TestSupport.h"

namespace vantrel {
namespace {

// Every file's content and read-only flag, and whether "res" exists.
std::map<std::string, std::string> Listing(const MemoryFileSystem& fs) {
  std::map<std::string, std::string> listing;
  for (const auto& [path, entry] : fs.Files()) listing[path] = (entry.readOnly ? "r " : "w ") + entry.content;
  if (fs.DirectoryExists("C:\\Work\\res")) listing["C:\\Work\\res\\"] = "directory";
  return listing;
}

// The bytes each file of project "Two" takes, in the order of the run.
std::vector<std::size_t> SizesOfTwo() {
  test::Generated g;
  test::Generate(g, test::Settings("Two"));
  std::vector<std::size_t> sizes;
  for (const auto& path : g.fs.CreateLog()) sizes.push_back(g.fs.Find(path)->content.size());
  return sizes;
}

// The two starting points: an empty location, and one holding project "One"
// of another view class, which "Two" replaces the shared files of.
struct Start {
  const char* what;
  bool old;
};
constexpr Start kStarts[] = {{"empty location", false}, {"over project One", true}};

void Arrange(test::Generated& g, const Start& start) {
  g.fs.AddDirectory("C:\\Work");
  if (!start.old) return;
  auto one = test::Settings("One", "C:\\Work", "CTreeView");
  GenerationRun(one, g.fs, nullptr, codepage::kWestern);
}

RunReport RunTwo(test::Generated& g, RunObserver* observer = nullptr) {
  auto two = test::Settings("Two");
  return GenerationRun(two, g.fs, &g.opener, codepage::kWestern, ExistingFile::Replace, observer);
}

void ExpectNothingChanged(const test::Generated& g, const RunReport& report,
                          const std::map<std::string, std::string>& before) {
  EXPECT_FALSE(report.Succeeded());
  EXPECT_TRUE(report.Unchanged());
  EXPECT_FALSE(report.openRequested);
  EXPECT_TRUE(g.opener.calls.empty());
  EXPECT_EQ(Listing(g.fs), before);
  EXPECT_EQ(g.fs.OpenFiles(), 0);
}

// The disk fills at file k (1 to 23): the file is named with the reason, no
// later file is started, and the location is as it was.
TEST(AllOrNothing, ADiskFullAtAnyFileChangesNothing) {
  const auto sizes = SizesOfTwo();
  ASSERT_EQ(sizes.size(), GeneratedFiles().size());
  for (const auto& start : kStarts) {
    std::size_t room = 0;
    for (std::size_t k = 0; k < sizes.size(); room += sizes[k++]) {
      SCOPED_TRACE(std::string(start.what) + ", full at file " + std::to_string(k + 1));
      test::Generated g;
      Arrange(g, start);
      const auto before = Listing(g.fs);
      const std::size_t logged = g.fs.CreateLog().size();
      g.fs.SetFreeSpace(room);
      RunReport report = RunTwo(g);
      ExpectNothingChanged(g, report, before);
      ASSERT_EQ(report.files.size(), 1u);
      EXPECT_EQ(report.files[0].path, g.fs.CreateLog().back());
      EXPECT_EQ(g.fs.CreateLog().size() - logged, k + 1) << "no file after the full one is started";
      EXPECT_EQ(report.Errors(),
                std::vector<std::string>{"Cannot write file " + report.files[0].path + ": No space left on device"});
    }
  }
}

// Putting file k in place fails after every file was written whole, or a
// placement cannot be taken back: the files placed before it are taken
// back, or the report names those that stay.
TEST(AllOrNothing, APlacementThatFailsIsTakenBack) {
  const std::size_t count = GeneratedFiles().size();
  for (const auto& start : kStarts)
    for (std::size_t k = 0; k < count; ++k) {
      SCOPED_TRACE(std::string(start.what) + ", placing file " + std::to_string(k + 1));
      test::Generated g;
      Arrange(g, start);
      const auto before = Listing(g.fs);
      auto two = test::Settings("Two");
      two.ComputeSeparator(codepage::kWestern);
      const auto paths = PlannedPaths(two, g.fs);
      g.fs.RefusePlace(paths[k]);
      RunReport report = RunTwo(g);
      ExpectNothingChanged(g, report, before);
      EXPECT_EQ(report.Errors(), std::vector<std::string>{"Cannot create file " + paths[k] + ": Input/output error"});
    }
  test::Generated g;
  Arrange(g, kStarts[1]);
  auto two = test::Settings("Two");
  two.ComputeSeparator(codepage::kWestern);
  const auto paths = PlannedPaths(two, g.fs);
  g.fs.RefusePlace(paths[5]);
  g.fs.RefuseUndo(paths[2]);
  RunReport report = RunTwo(g);
  EXPECT_FALSE(report.Unchanged());
  EXPECT_EQ(report.notRestored, std::vector<std::string>{paths[2]});
  EXPECT_TRUE(g.opener.calls.empty());
}

// Stops at the n-th time the run asks.
class StopAt : public RunObserver {
 public:
  explicit StopAt(int n) : n_(n) {}
  bool StopRequested() override { return ++asked_ == n_; }
  int asked() const { return asked_; }

 private:
  int n_;
  int asked_ = 0;
};

// The run asks before each file is written (1 to 23), before each is put in
// place (24 to 46) and once all are (47): a stop at any of them leaves the
// location as it was.
TEST(AllOrNothing, AStopAnywhereChangesNothing) {
  const int asks = 2 * static_cast<int>(GeneratedFiles().size()) + 1;
  for (const auto& start : kStarts)
    for (int n = 1; n <= asks; ++n) {
      SCOPED_TRACE(std::string(start.what) + ", stop at " + std::to_string(n));
      test::Generated g;
      Arrange(g, start);
      const auto before = Listing(g.fs);
      StopAt stop(n);
      RunReport report = RunTwo(g, &stop);
      EXPECT_TRUE(report.stopped);
      EXPECT_TRUE(report.files.empty());
      ExpectNothingChanged(g, report, before);
    }
  // Never asked more than that: the run then succeeds.
  test::Generated g;
  Arrange(g, kStarts[1]);
  StopAt never(asks + 1);
  EXPECT_TRUE(RunTwo(g, &never).Succeeded());
  EXPECT_EQ(never.asked(), asks);
}

}  // namespace
}  // namespace vantrel
