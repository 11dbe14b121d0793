#include "apps/vantrel-host/ExpertLoader.h"

#include <dlfcn.h>
#include <unistd.h>

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
    dlclose(it->handle);
  }
}

bool ExpertLoader::Load(const std::string& path, std::string& error) {
  void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (handle == nullptr) {
    const char* why = dlerror();
    error = why != nullptr ? why : "cannot load " + path;
    return false;
  }
  auto entry = reinterpret_cast<host::ExpertEntryProc>(dlsym(handle, kEntryPoint));
  if (entry == nullptr) {
    error = path + " has no entry point " + kEntryPoint;
    dlclose(handle);
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

std::vector<std::string> ExpertLoader::DefaultLibraryPaths(const std::string& programDirectory) {
  static constexpr const char* kFile = "libvantrel-expert.so";
  return {programDirectory + "/" + kFile, programDirectory + "/../lib/vantrel/" + kFile};
}

std::string ProgramDirectory() {
  std::string buffer(4096, '\0');
  const ssize_t n = readlink("/proc/self/exe", buffer.data(), buffer.size() - 1);
  if (n <= 0) return ".";
  buffer.resize(static_cast<std::size_t>(n));
  const auto slash = buffer.rfind('/');
  return slash == std::string::npos ? "." : buffer.substr(0, slash == 0 ? 1 : slash);
}

}  // namespace vantrel::hostapp
