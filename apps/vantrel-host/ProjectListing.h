#pragma once

#include <string>
#include <vector>

namespace vantrel::hostapp {

// The files of the project whose makefile is at path (the native path an
// expert sends): every file in the makefile's directory
// and in its "res" subdirectory, as names relative to that directory with
// the system's separator ("Demo.bpr", "res/Demo.ico", on Windows
// "res\Demo.ico"), sorted. Empty when the directory cannot be
// read.
std::vector<std::string> ProjectFiles(const std::string& makefilePath);

}  // namespace vantrel::hostapp
