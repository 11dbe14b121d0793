#include "generator/ProjectSettings.h"

#include "generator/CodePage.h"

namespace vantrel {

void ProjectSettings::DeriveClassNames() {
  AppClassName = "C" + Name + "App";
  FrameClassName = "CMainFrame";
  DocClassName = "C" + Name + "Doc";
  ViewClassName = "C" + Name + "View";
}

std::string SeparatorFor(const std::string& location, int codePage) {
  if (location.empty()) return "\\";
  // Only a backslash that is a character of its own counts: the second byte
  // of a two-byte character may have the same value.
  return location[LastCharacterStart(location, codePage)] == '\\' ? "" : "\\";
}

void ProjectSettings::ComputeSeparator(int codePage) { Separator = SeparatorFor(Location, codePage); }

std::string ProjectSettings::UpperName() const {
  std::string upper = Name;
  for (char& c : upper)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return upper;
}

}  // namespace vantrel
