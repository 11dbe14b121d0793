// Fuzz target: a name the name check accepts is generated into the location
// on the in-memory file system; every file must lie in the location or its
// "res", under a planned name. Input: name NUL location [NUL code-page-byte].

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <set>
#include <string>

#include "generator/CodePage.h"
#include "generator/GenerationRun.h"
#include "generator/NameCheck.h"
#include "platform/fs/MemoryFileSystem.h"

namespace {

constexpr int kCodePages[] = {vantrel::codepage::kWestern, vantrel::codepage::kJapanese,
                              vantrel::codepage::kSimplifiedChinese, vantrel::codepage::kKorean,
                              vantrel::codepage::kTraditionalChinese, vantrel::codepage::kUtf8};

void Require(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string input(reinterpret_cast<const char*>(data), size);
  std::size_t cut = input.find('\0');
  std::string name = input.substr(0, cut);
  std::string rest = cut == std::string::npos ? "" : input.substr(cut + 1);
  std::size_t cut2 = rest.find('\0');
  std::string location = rest.substr(0, cut2);
  int codePage = kCodePages[cut2 == std::string::npos || cut2 + 1 >= rest.size()
                                ? 0
                                : static_cast<unsigned char>(rest[cut2 + 1]) % 6];

  if (vantrel::ProjectNameProblem(name) || location.empty()) return 0;
  vantrel::MemoryFileSystem fs;
  fs.AddDirectory(location);
  vantrel::ProjectSettings settings;
  settings.Name = name;
  settings.Location = location;
  settings.DeriveClassNames();
  vantrel::RunReport report = vantrel::GenerationRun(settings, fs, nullptr, codePage);

  const std::string prefix = location + settings.Separator;
  std::set<std::string> planned;
  for (const auto& path : vantrel::PlannedPaths(settings, fs)) {
    Require(path.compare(0, prefix.size(), prefix) == 0);
    std::string relative = path.substr(prefix.size());
    if (relative.rfind("res\\", 0) == 0) relative.erase(0, 4);
    Require(relative.find_first_of("\\/:") == std::string::npos);
    Require(relative.find("..") == std::string::npos);
    planned.insert(path);
  }
  for (const auto& [path, entry] : fs.Files()) Require(planned.count(path) == 1);
  // A refused run writes nothing; any other run writes every file.
  Require(report.files.size() == (report.refusals.empty() ? planned.size() : 0));
  return 0;
}
