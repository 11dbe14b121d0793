#include "generator/NameCheck.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <set>

#include "generator/CodePage.h"
#include "generator/GeneratedFile.h"
#include "generator/LibraryClasses.h"
#include "platform/fs/HexDigits.h"

namespace vantrel {
namespace {

bool Allowed(unsigned char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
}

// The character at the start of text as a message names it: a blank, a
// tab, the character itself in quotes (decoded as messages are shown), or
// "\xNN" for a byte that is no character there.
std::string Describe(std::string_view text) {
  const auto c = static_cast<unsigned char>(text[0]);
  if (c == ' ') return "a blank";
  if (c == '\t') return "a tab";
  const std::size_t length = ShownCharacterLength(text);
  if (c >= 0x21 && c != 0x7f && length > 0) return "'" + std::string(text.substr(0, length)) + "'";
  return "\\x" + HexDigits(c, 2);
}

// Names the target platform keeps for devices, in any letter case. COM and
// LPT take any digit, 0 included. ("CONIN$" and "CONOUT$" are refused for
// their "$" already; they are listed to keep the platform's list whole.)
bool IsDeviceName(std::string_view name) {
  std::string upper;
  for (char c : name) upper += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  static constexpr std::array<std::string_view, 6> kPlain = {"CON", "PRN", "AUX", "NUL", "CONIN$", "CONOUT$"};
  for (auto device : kPlain)
    if (upper == device) return true;
  return upper.size() == 4 && (upper.starts_with("COM") || upper.starts_with("LPT")) &&
         upper[3] >= '0' && upper[3] <= '9';
}

// The first class named after the project that would take the name of a
// class-library class, with the role it plays; nothing when there is none.
std::optional<std::pair<std::string, const char*>> ClashingClass(std::string_view name) {
  static constexpr std::pair<std::string_view, const char*> kDerived[] = {
      {"App", "application"}, {"Doc", "document"}, {"View", "view"}};
  const auto library = LibraryClasses();
  for (const auto& [suffix, role] : kDerived) {
    std::string derived = "C" + std::string(name) + std::string(suffix);
    if (std::binary_search(library.begin(), library.end(), derived)) return std::pair{derived, role};
  }
  return std::nullopt;
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
  for (std::size_t i = 0; i < name.size(); ++i)
    if (!Allowed(static_cast<unsigned char>(name[i])))
      return "The project name may not contain " + Describe(name.substr(i)) +
             ": use only the letters A to Z and a to z, digits and underscores.";
  if (name.size() > kMaxProjectNameLength)
    return "The project name is longer than " + std::to_string(kMaxProjectNameLength) +
           " characters, so the file names built from it would be too long.";
  if (IsDeviceName(name))
    return "The project name " + std::string(name) +
           " is a reserved device name on Windows; choose another name.";
  if (auto clash = ClashingClass(name))
    return "The project name " + std::string(name) + " would name the " + clash->second + " class " +
           clash->first + ", which is a class of the class library; choose another name.";
  if (auto clash = ClashingFile(name); !clash.empty())
    return "The project name " + std::string(name) + " would make the project write " + clash +
           " twice, once for the project and once for the file of that name it always has;"
           " choose another name.";
  return std::nullopt;
}

}  // namespace vantrel
