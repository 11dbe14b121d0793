#pragma once

#include <string>
#include <string_view>

namespace vantrel {

// A file being written. Its content appears at its path only when Finish
// succeeds (or Place, for a file written in two steps), complete and in one
// step; a file destroyed before that leaves the old file (or no file, when
// there was none) exactly as it was, and no temporary file behind.
//
// A run that changes a whole project or nothing writes each file in steps:
// Write and Stage for every file first, then Place for every file, then
// Keep for every file. A placement can be undone until Keep: the file put
// in place is taken away again and the old one (if any) put back.
class OutputFile {
 public:
  OutputFile() = default;
  OutputFile(const OutputFile&) = delete;
  OutputFile& operator=(const OutputFile&) = delete;
  virtual ~OutputFile() = default;

  // Writes the whole content. Throws FileError (Incomplete) when it cannot,
  // and after Stage or Finish.
  virtual void Write(std::string_view bytes) = 0;

  // Puts the written content in place for good and closes the file: the
  // three steps below in one. Throws FileError as they do.
  void Finish() {
    Stage();
    Place();
    Keep();
  }

  // Completes the content without putting it in place: what can fail for
  // want of space or through a late write error fails here. Throws
  // FileError (Incomplete).
  virtual void Stage() = 0;

  // Puts the staged content in place, keeping the old file aside until Keep
  // or Undo; nothing is changed when it throws FileError: Exists when a file
  // that was not there at the start has appeared meanwhile (it is kept), and
  // CannotCreate when the file cannot be put in place. What is to be
  // replaced is judged once more first, by the rule it was judged by when
  // the file was started (TargetRule.h): a file made read-only or a
  // directory made at the path meanwhile is refused and stays as it is.
  virtual void Place() = 0;

  // Takes back a placement: removes the new file, or puts the old one back
  // in its place. False when that could not be done.
  virtual bool Undo() = 0;

  // Ends a placement for good: the old file kept aside is dropped.
  virtual void Keep() = 0;

  // What a journal needs, after Stage, to take back this file's placement
  // after a hard stop: the identity of the file placed (new) or replaced,
  // and for a replacement the names the old file may be kept under (see
  // Journal.h; empty for a layer that keeps no journal).
  virtual std::string JournalNote() const { return {}; }

  // True when a file of that path existed when this one was created.
  virtual bool ReplacesExisting() const = 0;
};

}  // namespace vantrel
