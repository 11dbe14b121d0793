#pragma once

#include <string>
#include <vector>

#include "generator/ProjectSettings.h"

namespace vantrel {

// "Multiple Document Interface " or "Single Document Interface ".
std::string InterfaceText(FrameKind kind);

// The lines of the project summary: 19, or 18 when the view base class is
// not one the summary knows.
std::vector<std::string> SummaryLines(const std::string& name, const std::string& interfaceText,
                                      const std::string& viewBaseClass);

}  // namespace vantrel
