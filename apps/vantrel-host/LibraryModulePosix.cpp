#include "apps/vantrel-host/LibraryModule.h"

#include <dlfcn.h>
#include <unistd.h>

namespace vantrel::hostapp {

void* OpenLibrary(const std::string& path, std::string& error) {
  void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (handle == nullptr) {
    const char* why = dlerror();
    error = why != nullptr ? why : "cannot load " + path;
  }
  return handle;
}

void* FindExport(void* library, const char* name) { return dlsym(library, name); }

void CloseLibrary(void* library) { dlclose(library); }

bool PathExists(const std::string& path) { return access(path.c_str(), F_OK) == 0; }

std::string ProgramDirectory() {
  std::string buffer(4096, '\0');
  const ssize_t n = readlink("/proc/self/exe", buffer.data(), buffer.size() - 1);
  if (n <= 0) return ".";
  buffer.resize(static_cast<std::size_t>(n));
  const auto slash = buffer.rfind('/');
  return slash == std::string::npos ? "." : buffer.substr(0, slash == 0 ? 1 : slash);
}

std::vector<std::string> DefaultLibraryPaths(const std::string& programDirectory) {
  static constexpr const char* kFile = "libvantrel-expert.so";
  return {programDirectory + "/" + kFile, programDirectory + "/../lib/vantrel/" + kFile};
}

}  // namespace vantrel::hostapp
