#include "generator/NameCheck.h"

#include <array>
#include <cctype>
#include <cstdio>
#include <set>

#include "generator/GeneratedFile.h"

namespace vantrel {
namespace {

bool Allowed(unsigned char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
}

std::string Describe(unsigned char c) {
  if (c == ' ') return "a blank";
  if (c == '\t') return "a tab";
  if (c >= 0x21 && c < 0x7f) return std::string("'") + static_cast<char>(c) + "'";
  char buf[32];
  std::snprintf(buf, sizeof buf, "the byte 0x%02X", c);
  return buf;
}

bool IsDeviceName(std::string_view name) {
  std::string upper;
  for (char c : name) upper += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  static constexpr std::array<std::string_view, 4> kPlain = {"CON", "PRN", "AUX", "NUL"};
  for (auto device : kPlain)
    if (upper == device) return true;
  return upper.size() == 4 && (upper.starts_with("COM") || upper.starts_with("LPT")) &&
         upper[3] >= '1' && upper[3] <= '9';
}

std::string Lower(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

// The first file name the project would write twice, compared without
// regard to case as the target file system does; empty when there is none.
// "stdafx" would give the project unit "stdafx.cpp", which the precompiled
// header source then overwrites.
std::string ClashingFile(std::string_view name) {
  ProjectSettings settings;
  settings.Name = std::string(name);
  std::set<std::string> seen;
  for (const auto& file : GeneratedFiles()) {
    std::string relative = RelativePath(file, settings);
    if (!seen.insert(Lower(relative)).second) return relative;
  }
  return {};
}

}  // namespace

std::optional<std::string> ProjectNameProblem(std::string_view name) {
  if (name.empty()) return "The project name is empty.";
  for (unsigned char c : name)
    if (!Allowed(c))
      return "The project name may not contain " + Describe(c) +
             ": use only the letters A to Z and a to z, digits and underscores.";
  if (name.size() > kMaxProjectNameLength)
    return "The project name is longer than " + std::to_string(kMaxProjectNameLength) +
           " characters, so the file names built from it would be too long.";
  if (IsDeviceName(name))
    return "The project name " + std::string(name) +
           " is a reserved device name on Windows; choose another name.";
  if (auto clash = ClashingFile(name); !clash.empty())
    return "The project name " + std::string(name) + " would make the project write " + clash +
           " twice, once for the project and once for the file of that name it always has;"
           " choose another name.";
  return std::nullopt;
}

}  // namespace vantrel
