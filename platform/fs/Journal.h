#pragma once

// The journal a run keeps in its location while it puts files in place, so
// that a run killed in between (SIGKILL, a power cut) can be taken back by
// the next run that takes the lock. Its text is the same on every system;
// each file layer supplies the steps that act on its own files.
//
//   vantrel journal 1
//   project Demo
//   made res                                    a directory the run made
//   new Demo.cpp 1234                           a new file, and its identity
//   replace Demo.h 5678 TEMPORARY BACKUP        the old file's identity, and
//                                               the names it may be kept under

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/fs/FileSystem.h"

namespace vantrel {

// The journal's name in the location. It is no temporary's name, so a
// later run's clean-up leaves it to the roll-back.
inline constexpr std::string_view kJournalName = ".vantrel-journal";

// A journal longer than this is not one this program wrote.
inline constexpr std::size_t kJournalLimit = 64 * 1024;

// The journal's text for a run of project.
std::string JournalText(const std::string& project, const std::vector<LockedDirectory::JournalEntry>& entries);

// One placement of a killed run, to be taken back.
struct JournalPlacement {
  std::string relative;                   // The generated name.
  std::string path;                       // Its native full path, for messages.
  std::optional<std::uint64_t> identity;  // The file the run made, or the old file it replaced.
  std::string temporary;                  // Replacements: where an exchange left the old file,
  std::string backup;                     // and where a rename aside put it.
};

// What taking back one placement came to.
enum class Undone {
  Nothing,  // Nothing to take back: the placement had not been made.
  Done,
  Foreign,  // Another file than the run's own is at the name; it stays.
  Gone,     // The old file is nowhere to be found.
  Failed,   // The system refused; reason says why.
};
struct UndoResult {
  Undone what;
  std::string reason;
};

// A file layer's part of a roll-back.
class JournalSteps {
 public:
  virtual ~JournalSteps() = default;
  virtual std::string PathOf(std::string_view relative) const = 0;
  // Whether temporary and backup are names this layer gives the old file.
  virtual bool IsAsideName(std::string_view temporary, std::string_view backup) const = 0;
  // Removes the file the run made at the placement's name.
  virtual UndoResult RemoveNew(const JournalPlacement& placement) = 0;
  // Puts the old file back from where the run kept it aside.
  virtual UndoResult RestoreOld(const JournalPlacement& placement) = 0;
  virtual bool RemoveEmptyDirectory(std::string_view relative) = 0;
};

// Takes back what the journal text (read from path) says a killed run
// placed, acting only on names belongs accepts. Returns a
// line for each thing done or left alone; complete is false when a file
// could not be put back, and the journal is then to be kept.
std::vector<std::string> RollBackJournal(std::string_view text, const std::string& path,
                                         bool (*belongs)(const std::string& project, const std::string& relative),
                                         JournalSteps& steps, bool& complete);

}  // namespace vantrel
