#pragma once

#include <string>

namespace vantrel {

// Paths as Windows reads them in the process's ANSI code page: the
// separators are the backslash and the slash, and the second byte of a
// double-byte character is never taken for one, even where it has the
// backslash's value.

// The offset of the last separator of path, or npos.
std::size_t LastSeparator(const std::string& path);

// True when the last character of path is a separator.
bool EndsInSeparator(const std::string& path);

// The directory that holds path: everything before its last separator,
// trailing separators of path itself set aside ("C:\Work" for
// "C:\Work\Demo\"); a root ("C:\") holds itself; "." for a bare name.
std::string ParentOf(const std::string& path);

// The system's words for an error code (FormatMessageA), without the
// closing full stop and line end, or "error N" when it has none.
std::string Win32Reason(unsigned long error);

}  // namespace vantrel
