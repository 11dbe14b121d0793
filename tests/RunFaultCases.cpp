// On a real file layer a run changes the whole project or nothing, whatever
// step fails, stops or is killed.

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>

#include "generator/CodePage.h"
#include "generator/GeneratedFile.h"
#include "generator/GenerationRun.h"
#include "tests/FileLayerCases.h"
#include "tests/TestSupport.h"

namespace vantrel::test {
namespace {

// Where a run goes wrong: the step (1 to 23 write, 24 to 46 place; for a
// stop, the n-th ask) and how.
enum class Fault { None, DiskFull, PlacementFails, Stop, Kill };
struct Trouble {
  explicit Trouble(Fault f = Fault::None, int s = 0) : fault(f), step(s) {}
  Fault fault;
  int step;
  int steps = 0;    // Steps taken so far.
  int asks = 0;     // Times the run asked whether to stop.
  int created = 0;  // Files the run started.
  int open = 0;     // Files the run holds.
  std::string error;  // The message of the fault raised.
  bool killed = false;
};

// Ends a run as a kill would: no error reaches it, its files stay as they are.
struct Killed {};

// A file of the real layer that goes wrong where trouble says.
class TroubledFile : public OutputFile {
 public:
  TroubledFile(std::unique_ptr<OutputFile> real, std::string path, Trouble& trouble)
      : real_(std::move(real)), path_(std::move(path)), trouble_(trouble) {
    ++trouble_.created;
    ++trouble_.open;
  }
  ~TroubledFile() override { --trouble_.open; }
  void Write(std::string_view bytes) override { real_->Write(bytes); }
  void Stage() override {
    if (Step(Fault::DiskFull)) Raise(FileError(FileError::Kind::Incomplete, path_, "disk full"));
    real_->Stage();
  }
  void Place() override {
    if (Step(Fault::PlacementFails)) Raise(FileError(FileError::Kind::CannotCreate, path_, "refused"));
    real_->Place();
    if (trouble_.fault == Fault::Kill && trouble_.steps == trouble_.step) {
      trouble_.killed = true;
      throw Killed{};
    }
  }
  bool Undo() override { return real_->Undo(); }
  void Keep() override { real_->Keep(); }
  std::string JournalNote() const override { return real_->JournalNote(); }
  bool ReplacesExisting() const override { return real_->ReplacesExisting(); }

 private:
  bool Step(Fault fault) { return ++trouble_.steps == trouble_.step && trouble_.fault == fault; }
  [[noreturn]] void Raise(const FileError& error) {
    trouble_.error = error.what();
    throw error;
  }
  std::unique_ptr<OutputFile> real_;
  std::string path_;
  Trouble& trouble_;
};

// The real layer's locked directory, handing out troubled files.
class TroubledDirectory : public LockedDirectory {
 public:
  TroubledDirectory(std::unique_ptr<LockedDirectory> real, Trouble& trouble)
      : real_(std::move(real)), trouble_(trouble) {}
  std::string PathOf(std::string_view relative) const override { return real_->PathOf(relative); }
  std::optional<FileError> CheckDirectory(std::string_view relative, bool mayBeMissing) const override {
    return real_->CheckDirectory(relative, mayBeMissing);
  }
  std::optional<FileError> CheckNewFile(std::string_view relative, ExistingFile existing) const override {
    return real_->CheckNewFile(relative, existing);
  }
  std::unique_ptr<OutputFile> CreateFile(std::string_view relative, ExistingFile existing) override {
    return std::make_unique<TroubledFile>(real_->CreateFile(relative, existing), PathOf(relative), trouble_);
  }
  bool MakeDirectory(std::string_view relative) override { return real_->MakeDirectory(relative); }
  bool RemoveEmptyDirectory(std::string_view relative) override { return real_->RemoveEmptyDirectory(relative); }
  std::optional<FileError> CheckOpenFiles(std::size_t count) const override { return real_->CheckOpenFiles(count); }
  void WriteJournal(const std::string& project, const std::vector<JournalEntry>& entries) override {
    real_->WriteJournal(project, entries);
  }
  void RemoveJournal() override { real_->RemoveJournal(); }
  std::optional<std::string> PendingJournal() const override { return real_->PendingJournal(); }
  std::vector<std::string> RollBack(bool (*belongs)(const std::string&, const std::string&)) override {
    return real_->RollBack(belongs);
  }
  std::vector<std::string> RemoveLeftovers() override { return real_->RemoveLeftovers(); }

 private:
  std::unique_ptr<LockedDirectory> real_;
  Trouble& trouble_;
};

// The real layer, opening troubled directories; the rest it does itself.
class TroubledFileSystem : public FileSystem {
 public:
  TroubledFileSystem(FileSystem& real, Trouble& trouble) : real_(real), trouble_(trouble) {}
  std::unique_ptr<LockedDirectory> OpenLocked(const std::string& location, const std::string& separator) override {
    return std::make_unique<TroubledDirectory>(real_.OpenLocked(location, separator), trouble_);
  }
  std::string ProjectPath(const std::string& location, const std::string& separator,
                          std::string_view relative) const override {
    return real_.ProjectPath(location, separator, relative);
  }
  std::size_t PathOverrun(const std::string& path) const override { return real_.PathOverrun(path); }
  // A run uses nothing else.
  std::unique_ptr<DirectoryLock> LockDirectory(const std::string&) override { Unused(); }
  std::optional<FileError> CheckDirectory(const std::string&, bool) const override { Unused(); }
  std::optional<FileError> CheckNewFile(const std::string&, ExistingFile) const override { Unused(); }
  std::vector<std::string> RemoveLeftovers(const std::string&) override { Unused(); }
  std::unique_ptr<OutputFile> CreateFile(const std::string&, ExistingFile) override { Unused(); }
  bool MakeDirectory(const std::string&) override { Unused(); }
  bool DirectoryExists(const std::string&) const override { Unused(); }
  bool FileExists(const std::string&) const override { Unused(); }
  std::optional<std::string> ReadFile(const std::string&) const override { Unused(); }
  std::string CurrentDirectory() const override { Unused(); }
  std::vector<std::string> Drives() const override { Unused(); }
  std::vector<std::string> Subdirectories(const std::string&) const override { Unused(); }

 private:
  [[noreturn]] static void Unused() { throw std::logic_error("a run used a file system operation it does not need"); }
  FileSystem& real_;
  Trouble& trouble_;
};

// Stops the run at the ask trouble names.
class Stopper : public RunObserver {
 public:
  explicit Stopper(Trouble& trouble) : trouble_(trouble) {}
  bool StopRequested() override { return ++trouble_.asks == trouble_.step && trouble_.fault == Fault::Stop; }

 private:
  Trouble& trouble_;
};

RunReport Run(FileSystem& files, const std::string& location, const std::string& name, const std::string& base,
              Trouble& trouble, std::vector<std::string>* rolledBack = nullptr) {
  TroubledFileSystem troubled(files, trouble);
  Stopper stopper(trouble);
  RecordingOpener opener;
  auto settings = Settings(name, location, base);
  LockedRun run(settings, troubled, codepage::kWestern, ExistingFile::Replace);
  if (rolledBack) *rolledBack = run.RolledBack();
  RunReport report = run.Write(&opener, &stopper);
  // The host is asked to open the project only after a whole run, and the
  // run holds no file once it ends.
  EXPECT_EQ(report.openRequested, report.Succeeded());
  EXPECT_EQ(opener.calls.empty(), !report.Succeeded());
  EXPECT_EQ(trouble.open, 0);
  return report;
}

constexpr int kFiles = 23;
constexpr int kAsks = 2 * kFiles + 1;

// The two starting points: an empty location, and one holding project One.
void Arrange(FileSystem& files, NativeDirectory& dir, const std::string& sub, bool old) {
  dir.MakeDirectory(sub);
  if (!old) return;
  Trouble none;
  ASSERT_TRUE(Run(files, dir.Path(sub), "One", "CTreeView", none).Succeeded());
}

}  // namespace

void ExpectARunChangesAllOrNothing(FileSystem& files, NativeDirectory& dir) {
  for (const bool old : {false, true}) {
    const std::string sub = old ? "over" : "empty";
    Arrange(files, dir, sub, old);
    const auto before = dir.Listing(sub);
    // A full disk at each file written, a failure at each placement, and a
    // stop at each time the run asks: before each file is written, before
    // each is put in place, and once all are.
    std::vector<Trouble> troubles;
    for (int step = 1; step <= kFiles; ++step) {
      troubles.emplace_back(Fault::DiskFull, step);
      troubles.emplace_back(Fault::PlacementFails, kFiles + step);
    }
    for (int ask = 1; ask <= kAsks; ++ask) troubles.emplace_back(Fault::Stop, ask);
    for (auto& trouble : troubles) {
      SCOPED_TRACE(sub + ", fault " + std::to_string(static_cast<int>(trouble.fault)) + " at step " +
                   std::to_string(trouble.step));
      const RunReport report = Run(files, dir.Path(sub), "Two", "CView", trouble);
      EXPECT_TRUE(report.Unchanged());
      EXPECT_EQ(report.stopped, trouble.fault == Fault::Stop);
      // The fault is reported with the file's name; no file after a full
      // one is started.
      EXPECT_EQ(report.Errors(), trouble.error.empty() ? std::vector<std::string>{} : std::vector{trouble.error});
      if (trouble.fault == Fault::DiskFull) {
        EXPECT_EQ(trouble.created, trouble.step);
      }
      EXPECT_EQ(dir.Listing(sub), before);
    }
    // Never asked more than that, the run writes the whole project.
    Trouble none;
    ASSERT_TRUE(Run(files, dir.Path(sub), "Two", "CView", none).Succeeded()) << sub;
    EXPECT_EQ(none.asks, kAsks);
    EXPECT_EQ(dir.Listing(sub).count("Two.bpr"), 1u) << sub;
  }
}

void ExpectAKilledRunIsTakenBack(FileSystem& files, NativeDirectory& dir) {
  Arrange(files, dir, "killed", true);
  const std::string location = dir.Path("killed");
  const std::string killed = "killed" + dir.Separator(), journal = dir.Path(killed + ".vantrel-journal");
  const auto before = dir.Listing("killed");
  for (int placed = 1; placed <= kFiles; ++placed) {
    SCOPED_TRACE("killed after " + std::to_string(placed) + " placements");
    Trouble trouble(Fault::Kill, kFiles + placed);
    EXPECT_THROW(Run(files, location, "Two", "CView", trouble), Killed);
    ASSERT_TRUE(trouble.killed);
    // The next run takes the killed one back before anything else.
    {
      Trouble none;
      TroubledFileSystem troubled(files, none);
      auto settings = Settings("Two", location, "CView");
      LockedRun next(settings, troubled, codepage::kWestern, ExistingFile::Replace);
      ASSERT_FALSE(next.RolledBack().empty());
      EXPECT_EQ(next.RolledBack().front(),
                "an interrupted run of project Two left its journal " + journal + "; taking it back");
      const auto taken = std::count_if(next.RolledBack().begin(), next.RolledBack().end(),
                                       [](const std::string& line) {
                                         return line.starts_with("restored ") || line.starts_with("removed ");
                                       });
      EXPECT_EQ(taken, placed);
      EXPECT_EQ(next.Refusals().size(), 0u);
    }
    EXPECT_EQ(dir.Listing("killed"), before);
  }
  // A journal is not trusted blindly: only names of the file table of the
  // project it names are acted on, anything else is left alone and said
  // so; the run then writes its project.
  dir.Put(killed + "Other.cpp", "theirs");
  dir.Put(killed + "Two.cpp", "made by the killed run");
  dir.Put(killed + ".vantrel-journal", "vantrel journal 1\nproject Two\nnew ..\\outside\nnew Other.cpp\n"
                                       "replace Two.h 12 not-a-temporary x\nnew Two.cpp\nnew Two.cpp extra\n");
  Trouble none;
  std::vector<std::string> rolledBack;
  EXPECT_TRUE(Run(files, location, "Two", "CView", none, &rolledBack).Succeeded());
  const std::string left = "left alone a line of the journal that names no file of project Two: ";
  EXPECT_EQ(rolledBack, (std::vector<std::string>{
                            "an interrupted run of project Two left its journal " + journal + "; taking it back",
                            left + "new ..\\outside", left + "new Other.cpp",
                            left + "replace Two.h 12 not-a-temporary x",
                            "removed " + dir.Path(killed + "Two.cpp") + ", which the interrupted run had made",
                            left + "new Two.cpp extra"}));
  EXPECT_TRUE(dir.Listing("killed").at("Other.cpp").ends_with(" theirs"));
  // A file that is no journal of this program is left as it is, and no run
  // starts while it holds the journal's name.
  dir.Put(killed + ".vantrel-journal", "not a journal\nnew Other.cpp\n");
  const auto kept = dir.Listing("killed");
  {
    auto settings = Settings("Two", location, "CView");
    LockedRun next(settings, files, codepage::kWestern, ExistingFile::Replace);
    EXPECT_EQ(next.RolledBack(),
              std::vector<std::string>{"left " + journal + " alone: it is not a journal this program wrote"});
    ASSERT_EQ(next.Refusals().size(), 1u);
    EXPECT_EQ(std::string(next.Refusals()[0].what()),
              "Cannot create file " + journal + ": " + std::string(kNotAJournal));
  }
  EXPECT_EQ(dir.Listing("killed"), kept);
}

}  // namespace vantrel::test
