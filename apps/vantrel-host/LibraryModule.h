#pragma once

#include <string>
#include <vector>

namespace vantrel::hostapp {

// What the host needs of the system to load expert libraries. Each system
// has its own file of these (LibraryModulePosix.cpp, LibraryModuleWin32.cpp).

// Opens the library at path; null, with error set, when it cannot be loaded.
void* OpenLibrary(const std::string& path, std::string& error);
// The address of the exported name, or null.
void* FindExport(void* library, const char* name);
void CloseLibrary(void* library);

// True when something is at path.
bool PathExists(const std::string& path);

// The directory of the running program.
std::string ProgramDirectory();

// Where the host looks for the wizard's library when none is named, in
// order: next to the program (a build tree), then where an installation
// puts it.
std::vector<std::string> DefaultLibraryPaths(const std::string& programDirectory);

}  // namespace vantrel::hostapp
