#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace vantrel {

// The longest project name: the longest file name the run writes,
// "{Name}View.cpp", must fit the 255-byte limit of a file name.
inline constexpr std::size_t kMaxProjectNameLength = 255 - 8;

// Checks a project name before anything is written. Only ASCII letters,
// digits and underscores are allowed, since any other byte either leads
// outside the location (a slash, a backslash, "..") or yields sources that do
// not compile (a blank, a quote); the name must not be empty, too long for
// the file names built from it, a device name of the target platform, a name
// whose classes (C{Name}App, C{Name}Doc, C{Name}View) would be classes of the
// class library ("Win" gives CWinApp), or a name whose files would overwrite
// the project's fixed files ("stdafx").
// Returns the reason for a refusal, naming the first offending character or
// the rule broken, or nothing when the name is fine.
std::optional<std::string> ProjectNameProblem(std::string_view name);

}  // namespace vantrel
