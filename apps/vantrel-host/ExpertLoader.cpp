#include "apps/vantrel-host/ExpertLoader.h"

#include "apps/vantrel-host/HostOptions.h"
#include "apps/vantrel-host/LibraryModule.h"

namespace vantrel::hostapp {
namespace {

// The registration procedure is a plain function, so the gallery being
// filled is found here while one entry point runs.
Gallery* registering = nullptr;

HostBool HOST_CALL RegisterWithGallery(TIExpert* expert) {
  if (registering == nullptr || expert == nullptr) return false;
  registering->Add(expert);
  return true;
}

}  // namespace

ExpertLoader::~ExpertLoader() {
  // The experts' code lives in the libraries: release them first.
  gallery_.Clear();
  for (auto it = libraries_.rbegin(); it != libraries_.rend(); ++it) {
    if (it->terminate != nullptr) it->terminate();
    CloseLibrary(it->handle);
  }
}

bool ExpertLoader::Load(const std::string& path, std::string& error) {
  void* handle = OpenLibrary(path, error);
  if (handle == nullptr) return false;
  auto entry = reinterpret_cast<host::ExpertEntryProc>(FindExport(handle, kEntryPoint));
  if (entry == nullptr) {
    error = path + " has no entry point " + kEntryPoint;
    CloseLibrary(handle);
    return false;
  }
  TerminateProc terminate = nullptr;
  registering = &gallery_;
  const bool registered = entry(&services_, RegisterWithGallery, &terminate);
  registering = nullptr;
  libraries_.push_back({handle, terminate});
  if (!registered) {
    error = path + " registered no expert";
    return false;
  }
  return true;
}

bool ExpertLoader::LoadAll(const std::vector<std::string>& named, std::string& errors) {
  std::vector<std::string> paths = named;
  if (paths.empty()) {
    for (const auto& candidate : DefaultLibraryPaths(ProgramDirectory()))
      if (PathExists(candidate)) {
        paths.push_back(candidate);
        break;
      }
    if (paths.empty()) errors += "vantrel-host: cannot find the wizard's library; name it with --expert\n";
  }
  for (const auto& path : paths) {
    std::string error;
    if (!Load(path, error)) errors += "vantrel-host: " + error + "\n";
  }
  return !gallery_.Entries().empty();
}

int ExpertLoader::PrintGallery(const std::vector<std::string>& named, std::string& out, std::string& errors) {
  if (!LoadAll(named, errors)) return kExitNoExpert;
  for (const auto& line : gallery_.ListLines()) out += line + "\n";
  return kExitOk;
}

int ExpertLoader::ListGallery(const std::vector<std::string>& named) {
  std::string listing, problems;
  const int status = PrintGallery(named, listing, problems);
  Print(stdout, listing);
  Print(stderr, problems);
  return status;
}

}  // namespace vantrel::hostapp
