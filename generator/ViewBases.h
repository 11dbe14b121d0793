#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel {

// A class the generated view may derive from, and what each part of the
// program does with it.
struct ViewBase {
  std::string_view name;
  // Listed in the class step's base-class box and accepted by the command's
  // --view-base, in the order of this catalogue.
  bool offered;
  // The kind of view the summary's view line names; none, no line.
  std::string_view summaryLabel;
  // The line "stdafx.h" adds to include the class's own library header;
  // none, no line.
  std::string_view precompiledInclude;
};

// Every view base class any part of the program knows.
std::span<const ViewBase> ViewBases();

// The catalogue entry of that exact name (letter case counts), or null.
const ViewBase* FindViewBase(std::string_view name);

// The names of the offered classes, in order.
std::vector<std::string> OfferedViewBaseNames();

// Why a run may not write a view on that base: nothing for an offered
// class; for any other name (empty, edited, not offered) the reason, which
// names it. A view on any other base would not compile.
std::optional<std::string> RefusedViewBase(std::string_view name);

}  // namespace vantrel
