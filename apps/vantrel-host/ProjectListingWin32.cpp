// The project's files, listed with the system's own directory search (the
// C++ library's file system support would bring its streams along, some
// 1 MB in a static Windows program).

#include <windows.h>

#include <algorithm>

#include "apps/vantrel-host/ProjectListing.h"

namespace vantrel::hostapp {
namespace {

void AddFiles(const std::string& directory, const std::string& prefix, std::vector<std::string>& files) {
  WIN32_FIND_DATAA found{};
  HANDLE search = FindFirstFileA((directory + "\\*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return;
  do {
    if ((found.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE)) == 0)
      files.push_back(prefix + found.cFileName);
  } while (FindNextFileA(search, &found));
  FindClose(search);
}

}  // namespace

std::vector<std::string> ProjectFiles(const std::string& makefilePath) {
  const auto separator = makefilePath.find_last_of("\\/");
  const std::string directory = separator == std::string::npos ? "." : makefilePath.substr(0, separator);
  std::vector<std::string> files;
  AddFiles(directory, "", files);
  AddFiles(directory + "\\res", "res\\", files);
  std::sort(files.begin(), files.end());
  return files;
}

}  // namespace vantrel::hostapp
