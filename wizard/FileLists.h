#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "generator/GenerationRun.h"

namespace vantrel {

// How many files the replace question names before "and N more".
inline constexpr std::size_t kListedReplacedFiles = 8;
// How many further files one line of the error box names.
inline constexpr std::size_t kListedFailedFiles = 3;

// A path below location as the user knows it there ("res\toolbar.bmp"):
// the path without the location and the separators after it; a path
// elsewhere whole.
std::string NameBelow(const std::string& location, const std::string& path);

// The question before the run replaces existing files: where, which ones
// (up to kListedReplacedFiles, one per line, then "and N more").
std::string ReplaceQuestion(const std::string& location, const std::vector<std::string>& existing);

// The error box's text for a run that did not succeed: one line per cause.
// Files that failed for the same reason share a line that names the first,
// then up to kListedFailedFiles more and "and N more", and the reason. The
// command line names every file instead (RunReport::Errors). A run that got
// past its checks ends by saying whether the location was left as it was,
// naming any file that could not be put back.
std::string RunFailureText(const std::string& location, const RunReport& report);

}  // namespace vantrel
