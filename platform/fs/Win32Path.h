#pragma once

#include <cstddef>
#include <string>

namespace vantrel {

// Paths as Windows reads them in the process's ANSI code page: the
// separators are the backslash and the slash, and the second byte of a
// double-byte character is never taken for one, even where it has the
// backslash's value. The functions that look for separators take the code
// page to read in; the default is the process's own (GetACP).

// The offset of the last separator of path, or npos.
std::size_t LastSeparator(const std::string& path, unsigned codePage = 0);

// True when the last character of path is a separator.
bool EndsInSeparator(const std::string& path, unsigned codePage = 0);

// The directory that holds path: everything before its last separator,
// trailing separators of path itself set aside ("C:\Work" for
// "C:\Work\Demo\"); a root ("C:\") holds itself; "." for a bare name.
std::string ParentOf(const std::string& path);

// The directory part of path with its separator ("C:\Work\" for
// "C:\Work\Demo.h"), or "" for a bare name.
std::string DirectoryPartOf(const std::string& path);

// The full path the system makes of path (GetFullPathNameA): relative to
// the current directory (of its drive, for "Y:" or "Y:name"), with "." and
// ".." taken out and trailing spaces and dots of its last part dropped, as
// every file call resolves it. path itself when the system cannot resolve it.
std::string FullPath(const std::string& path);

// The number of characters the system counts in path: the ANSI path's
// length once converted to the system's own (UTF-16) form, which is what
// MAX_PATH limits.
std::size_t SystemLength(const std::string& path);

// True when the process runs under Wine rather than Windows.
bool RunsUnderWine();

// True when path names an entry the system shows nothing of. Wine (which
// runs the tests) gives no attributes for a symbolic link whose target is
// missing, as if nothing were there; only a search for the name itself
// tells that the directory holds it. Always false on Windows, which shows
// a link's own attributes.
bool IsUnseenEntry(const std::string& path);

// The system's words for an error code (FormatMessageA), without the
// closing full stop and line end, or "error N" when it has none.
std::string Win32Reason(unsigned long error);

}  // namespace vantrel
