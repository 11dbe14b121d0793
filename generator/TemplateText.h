#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace vantrel {

// What a template puts after a run of its fixed text.
enum class Splice : std::uint8_t {
  None,
  Name,         // {Name}: the project name as typed.
  UpperName,    // {NAME}: the name with a to z raised.
  Base,         // {Base}: the view base class.
  BaseInclude,  // {BaseInclude}: the base's extra include line of "stdafx.h"
                // with its line end, or nothing (ViewBases.h).
};

// A run of fixed text, line ends included, followed by one splice.
struct TextRun {
  std::string_view text;
  Splice splice = Splice::None;
};

// A generated text file's whole text as runs. The build flattens every
// template into this form (EmbeddedTemplates.h), so writing a file is a few
// appends and nothing is parsed when the program runs.
using TemplateText = std::span<const TextRun>;

}  // namespace vantrel
