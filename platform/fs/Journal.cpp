#include "platform/fs/Journal.h"

#include <charconv>

namespace vantrel {
namespace {

// The first line of a journal, and the start of its second.
constexpr std::string_view kHeader = "vantrel journal 1";
constexpr std::string_view kProject = "project ";

// The words of a line, split at blanks.
std::vector<std::string_view> Words(std::string_view line) {
  std::vector<std::string_view> words;
  while (!line.empty()) {
    const auto start = line.find_first_not_of(' ');
    if (start == std::string_view::npos) break;
    line.remove_prefix(start);
    const auto end = line.find(' ');
    words.push_back(line.substr(0, end));
    line.remove_prefix(end == std::string_view::npos ? line.size() : end);
  }
  return words;
}

// A file's identity as the journal writes it: a decimal number.
std::optional<std::uint64_t> Identity(std::string_view word) {
  std::uint64_t value = 0;
  const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
  if (word.empty() || error != std::errc() || end != word.data() + word.size()) return std::nullopt;
  return value;
}

// The next line of text, without its line end.
bool NextLine(std::string_view& text, std::string_view& line) {
  if (text.empty()) return false;
  const auto end = text.find('\n');
  line = text.substr(0, end);
  text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
  return true;
}

}  // namespace

std::string JournalText(const std::string& project, const std::vector<LockedDirectory::JournalEntry>& entries) {
  std::string text = std::string(kHeader) + "\n" + std::string(kProject) + project + "\n";
  for (const auto& entry : entries) {
    text += entry.directory ? "made " : entry.replaces ? "replace " : "new ";
    text += entry.relative;
    if (!entry.note.empty()) text += " " + entry.note;
    text += "\n";
  }
  return text;
}

std::vector<std::string> RollBackJournal(std::string_view text, const std::string& path,
                                         bool (*belongs)(const std::string& project, const std::string& relative),
                                         JournalSteps& steps, bool& complete) {
  std::vector<std::string> lines;
  complete = true;
  std::string_view header, projectLine;
  if (!NextLine(text, header) || header != kHeader || !NextLine(text, projectLine) ||
      !projectLine.starts_with(kProject)) {
    lines.push_back("left " + path + " alone: it is not a journal this program wrote");
    complete = false;
    return lines;
  }
  const std::string project(projectLine.substr(kProject.size()));
  lines.push_back("an interrupted run of project " + project + " left its journal " + path + "; taking it back");
  std::vector<std::string> made;
  for (std::string_view line; NextLine(text, line);) {
    const auto words = Words(line);
    const std::string_view kind = words.empty() ? "" : words[0];
    JournalPlacement placement;
    if (words.size() > 1) placement.relative = words[1];
    // A new file's identity may be missing (journals of earlier versions);
    // a replacement names the old file's and both names it may be under.
    const bool isMade = kind == "made" && words.size() == 2;
    const bool isNew = kind == "new" && (words.size() == 2 || (words.size() == 3 && Identity(words[2])));
    const bool isReplace = kind == "replace" && words.size() == 5 && Identity(words[2]) &&
                           steps.IsAsideName(words[3], words[4]);
    if ((!isMade && !isNew && !isReplace) || !belongs(project, placement.relative)) {
      lines.push_back("left alone a line of the journal that names no file of project " + project + ": " +
                      std::string(line));
      continue;
    }
    // A directory goes only at the end, when the files in it are gone.
    if (isMade) {
      made.push_back(placement.relative);
      continue;
    }
    placement.path = steps.PathOf(placement.relative);
    if (words.size() > 2) placement.identity = Identity(words[2]);
    if (isReplace) {
      placement.temporary = words[3];
      placement.backup = words[4];
    }
    const UndoResult result = isNew ? steps.RemoveNew(placement) : steps.RestoreOld(placement);
    const std::string& p = placement.path;
    switch (result.what) {
      case Undone::Nothing:
        lines.push_back("nothing to take back at " + p);
        break;
      case Undone::Done:
        lines.push_back(isNew ? "removed " + p + ", which the interrupted run had made"
                              : "restored " + p + " as it was before the interrupted run");
        break;
      case Undone::Foreign:
        lines.push_back("left " + p + " alone: it is not the file the interrupted run made");
        break;
      case Undone::Gone:
        lines.push_back("could not restore " + p + ": its old version is gone");
        break;
      case Undone::Failed:
        lines.push_back((isNew ? "could not remove " : "could not restore ") + p + ": " + result.reason);
        // The old file stays where the journal says it is, for a later try.
        if (!isNew) complete = false;
        break;
    }
  }
  for (const auto& relative : made)
    if (steps.RemoveEmptyDirectory(relative))
      lines.push_back("removed " + steps.PathOf(relative) + ", which the interrupted run had made");
  return lines;
}

}  // namespace vantrel
