#pragma once

#include <cstddef>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/fs/FileSystem.h"
#include "platform/fs/TargetRule.h"

namespace vantrel {

// A file system held in memory, with faults that tests switch on: creation
// refused for a path, a disk that fills up after so many bytes, read-only
// files and missing directories. Paths are Windows-style and compared
// exactly; a trailing backslash on a directory does not matter. Failures
// give the reasons a POSIX system gives.
class MemoryFileSystem : public FileSystem {
 public:
  // The start of the name of a temporary a killed run left behind.
  static constexpr std::string_view kLeftoverPrefix = "~vantrel-";
  // The reason a directory in the way of a file is given.
  static constexpr std::string_view kIsADirectory = "Is a directory";

  struct Entry {
    std::string content;
    bool readOnly = false;
    int writeCalls = 0;  // Writes made to produce the current content.
  };

  MemoryFileSystem();

  // Setting up the world.
  void AddDirectory(const std::string& path);
  void AddFile(const std::string& path, std::string content, bool readOnly = false);
  // Creation of path fails, though no check beforehand can tell.
  void RefuseCreate(const std::string& path);
  // Putting a file in place at path fails (after it was written whole).
  void RefusePlace(const std::string& path) { refusedPlaces_.insert(path); }
  // Putting back the old file at path after a failed run fails.
  void RefuseUndo(const std::string& path) { refusedUndos_.insert(path); }
  void SetCurrentDirectory(const std::string& path) { current_ = path; }
  // The longest path the system takes, its terminating zero included
  // (unlimited unless set). Temporaries are named as long as their file.
  void SetPathLimit(std::size_t characters) { pathLimit_ = characters; }

  // Looking at the result.
  const Entry* Find(const std::string& path) const;
  const std::map<std::string, Entry>& Files() const { return files_; }
  // Every path whose creation was attempted, in order.
  const std::vector<std::string>& CreateLog() const { return createLog_; }
  // Files started but neither finished nor discarded yet.
  int OpenFiles() const { return openFiles_; }

  // Directories a run holds the lock of.
  bool Locked(const std::string& path) const { return locked_.count(Normalized(path)) > 0; }

  std::string ProjectPath(const std::string& location, const std::string& separator,
                          std::string_view relative) const override;
  std::unique_ptr<DirectoryLock> LockDirectory(const std::string& path) override;
  std::size_t PathOverrun(const std::string& path) const override;
  // Removes the files named kLeftoverPrefix... in directory and its "res".
  std::vector<std::string> RemoveLeftovers(const std::string& directory) override;
  std::optional<FileError> CheckDirectory(const std::string& path, bool mayBeMissing) const override;
  std::optional<FileError> CheckNewFile(const std::string& path, ExistingFile existing) const override;
  std::unique_ptr<OutputFile> CreateFile(const std::string& path, ExistingFile existing) override;
  bool MakeDirectory(const std::string& path) override;
  bool RemoveEmptyDirectory(const std::string& path) override;
  bool DirectoryExists(const std::string& path) const override;
  bool FileExists(const std::string& path) const override;
  std::optional<std::string> ReadFile(const std::string& path) const override;
  std::string CurrentDirectory() const override { return current_; }
  std::vector<std::string> Drives() const override;
  std::vector<std::string> Subdirectories(const std::string& path) const override;

  // The directory part of a path ("C:\Work" for "C:\Work\Demo.bpr").
  static std::string ParentOf(const std::string& path);
  static std::string Normalized(const std::string& directory);

 private:
  friend class MemoryOutputFile;
  friend class MemoryDirectoryLock;

  // What is at path, for the rule every file layer applies.
  TargetFacts FactsAt(const std::string& path) const;

  std::map<std::string, Entry> files_;
  std::set<std::string> directories_;
  std::set<std::string> refused_;
  std::set<std::string> refusedPlaces_;
  std::set<std::string> refusedUndos_;
  std::set<std::string> locked_;
  std::vector<std::string> createLog_;
  std::string current_ = "C:\\";
  std::size_t pathLimit_ = static_cast<std::size_t>(-1);
  int openFiles_ = 0;
};

}  // namespace vantrel
