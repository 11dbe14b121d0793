#include "platform/fs/PosixFileSystem.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <sstream>

#include "platform/fs/PosixOutputFile.h"

namespace vantrel {

std::string PosixFileSystem::ToNative(const std::string& path) {
  std::string native = path;
  std::replace(native.begin(), native.end(), '\\', '/');
  return native;
}

std::string PosixFileSystem::DisplayPath(const std::string& path) const { return ToNative(path); }

std::unique_ptr<OutputFile> PosixFileSystem::CreateFile(const std::string& path) {
  return std::make_unique<PosixOutputFile>(ToNative(path), path);
}

bool PosixFileSystem::MakeDirectory(const std::string& path) {
  return mkdir(ToNative(path).c_str(), 0777) == 0;
}

bool PosixFileSystem::DirectoryExists(const std::string& path) const {
  struct stat st {};
  return stat(ToNative(path).c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool PosixFileSystem::FileExists(const std::string& path) const {
  struct stat st {};
  return lstat(ToNative(path).c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

std::optional<std::string> PosixFileSystem::ReadFile(const std::string& path) const {
  std::ifstream in(ToNative(path), std::ios::binary);
  if (!in) return std::nullopt;
  std::ostringstream content;
  content << in.rdbuf();
  return content.str();
}

std::string PosixFileSystem::CurrentDirectory() const {
  std::string buffer(4096, '\0');
  if (getcwd(buffer.data(), buffer.size()) == nullptr) return ".";
  buffer.resize(buffer.find('\0'));
  return buffer;
}

std::vector<std::string> PosixFileSystem::Drives() const { return {"/"}; }

std::vector<std::string> PosixFileSystem::Subdirectories(const std::string& path) const {
  std::vector<std::string> names;
  std::string native = ToNative(path);
  DIR* dir = opendir(native.c_str());
  if (dir == nullptr) return names;
  while (dirent* entry = readdir(dir)) {
    std::string name = entry->d_name;
    if (name == "." || name == "..") continue;
    struct stat st {};
    std::string full = native + (native.ends_with('/') ? "" : "/") + name;
    if (stat(full.c_str(), &st) == 0 && S_ISDIR(st.st_mode)) names.push_back(name);
  }
  closedir(dir);
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace vantrel
