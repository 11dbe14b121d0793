#pragma once

#include <string>

namespace vantrel {

enum class FrameKind { Single, Multiple };

// The user's answers and every name derived from them. All texts are byte
// strings in the host's ANSI code page, kept exactly as typed.
struct ProjectSettings {
  std::string Name;
  std::string Location;
  std::string Separator;  // Computed at the start of every generation run.
  std::string AppClassName;
  std::string FrameClassName;
  std::string DocClassName;
  std::string ViewClassName;
  std::string ViewBaseClass = "CView";
  FrameKind Kind = FrameKind::Multiple;

  // Sets the four class names, in this order, from the current Name.
  void DeriveClassNames();

  // Sets Separator from Location: empty when Location ends in a backslash
  // character of that code page, otherwise one backslash.
  void ComputeSeparator(int codePage);

  // Name with only the letters a to z raised; every other byte kept.
  std::string UpperName() const;
};

// The separator rule on its own: "" or "\".
std::string SeparatorFor(const std::string& location, int codePage);

}  // namespace vantrel
