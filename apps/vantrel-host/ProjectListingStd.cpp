// The project's files, listed with the C++ library's file system support.

#include "apps/vantrel-host/ProjectListing.h"

#include <algorithm>
#include <filesystem>
#include <system_error>


namespace vantrel::hostapp {
namespace {

void AddFiles(const std::filesystem::path& directory, const std::string& prefix,
              std::vector<std::string>& files) {
  std::error_code error;
  for (const auto& item : std::filesystem::directory_iterator(directory, error))
    if (item.is_regular_file(error)) files.push_back(prefix + item.path().filename().string());
}

}  // namespace

std::vector<std::string> ProjectFiles(const std::string& makefilePath) {
  const std::filesystem::path makefile(makefilePath);
  const std::filesystem::path directory =
      makefile.has_parent_path() ? makefile.parent_path() : std::filesystem::path(".");
  std::vector<std::string> files;
  AddFiles(directory, "", files);
  AddFiles(directory / "res", "res" + std::string(1, static_cast<char>(std::filesystem::path::preferred_separator)),
           files);
  std::sort(files.begin(), files.end());
  return files;
}

}  // namespace vantrel::hostapp
