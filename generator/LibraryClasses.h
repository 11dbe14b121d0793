#pragma once

#include <span>
#include <string_view>

namespace vantrel {

// The classes of the class library that generated code names, as base
// classes, members, parameters or results, sorted. A project's own class
// may not take one of these names: "class CWinApp : public CWinApp" does not
// compile.
std::span<const std::string_view> LibraryClasses();

}  // namespace vantrel
