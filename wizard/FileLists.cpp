#include "wizard/FileLists.h"

#include <algorithm>

namespace vantrel {
namespace {

std::string AndMore(std::size_t more) { return "and " + std::to_string(more) + " more"; }

// One failure: what was not done, to which path, and why.
struct Failure {
  FileError::Kind kind;
  std::string path;
  std::string reason;
};

// The reason of a failed file, from its message: what follows the message
// that the kind and the path make on their own.
std::string ReasonOf(const FileOutcome& file) {
  const std::string bare = FileError::MessageFor(file.failure, file.path, "");
  if (file.error.starts_with(bare + ": ")) return file.error.substr(bare.size() + 2);
  return file.error == bare ? "" : file.error;
}

}  // namespace

std::string NameBelow(const std::string& location, const std::string& path) {
  if (location.empty() || !path.starts_with(location)) return path;
  std::size_t start = location.size();
  const bool locationEndsInSeparator = location.back() == '\\' || location.back() == '/';
  if (!locationEndsInSeparator && (start == path.size() || (path[start] != '\\' && path[start] != '/'))) return path;
  while (start < path.size() && (path[start] == '\\' || path[start] == '/')) ++start;
  return start < path.size() ? path.substr(start) : path;
}

std::string ReplaceQuestion(const std::string& location, const std::vector<std::string>& existing) {
  const bool one = existing.size() == 1;
  std::string text = std::string(one ? "This file of the new project already exists"
                                     : "These files of the new project already exist") +
                     " in " + location + " and will be replaced:\n";
  const std::size_t listed = std::min(existing.size(), kListedReplacedFiles);
  for (std::size_t i = 0; i < listed; ++i) text += "\n    " + NameBelow(location, existing[i]);
  if (existing.size() > listed) text += "\n    " + AndMore(existing.size() - listed);
  return text + (one ? "\n\nReplace it?" : "\n\nReplace them?");
}

std::string RunFailureText(const std::string& location, const RunReport& report) {
  std::vector<Failure> failures;
  for (const FileError& refusal : report.refusals) failures.push_back({refusal.kind(), refusal.path(), refusal.reason()});
  for (const FileOutcome& file : report.files)
    if (file.status == FileOutcome::Status::Failed) failures.push_back({file.failure, file.path, ReasonOf(file)});
  // The causes in the order they first occur, each with its files.
  std::vector<std::vector<const Failure*>> causes;
  for (const Failure& failure : failures) {
    auto same = std::find_if(causes.begin(), causes.end(), [&](const auto& cause) {
      return cause.front()->kind == failure.kind && cause.front()->reason == failure.reason;
    });
    if (same == causes.end())
      causes.push_back({&failure});
    else
      same->push_back(&failure);
  }
  std::string text;
  for (const auto& cause : causes) {
    std::string files = cause.front()->path;
    if (cause.size() > 1) {
      const std::size_t listed = std::min(cause.size() - 1, kListedFailedFiles);
      std::string others;
      for (std::size_t i = 1; i <= listed; ++i)
        others += (i == 1 ? "" : i == cause.size() - 1 ? " and " : ", ") + NameBelow(location, cause[i]->path);
      if (cause.size() - 1 > listed) others += " " + AndMore(cause.size() - 1 - listed);
      files += " (and " + others + ")";
    }
    text += (text.empty() ? "" : "\n") + FileError::MessageFor(cause.front()->kind, files, cause.front()->reason);
  }
  if (text.empty() && report.stopped) text = "The run was stopped before every file was written.";
  for (const std::string& path : report.notRestored) text += "\n" + path + " could not be put back as it was.";
  if (report.refusals.empty()) text += report.Unchanged() ? "\nNothing was changed." : "\nThe files named were changed.";
  return text;
}

}  // namespace vantrel
