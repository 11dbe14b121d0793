#include "generator/TemplateWriter.h"

#include "generator/ViewBases.h"

namespace vantrel {
namespace {

struct Splices {
  std::string_view name;
  std::string_view upperName;
  std::string_view base;
  std::string_view baseInclude;
};

void WriteLines(const Template& tpl, const Splices& values, OutputWriter& out) {
  for (const auto& piece : tpl.Flattened()) {
    switch (piece.kind) {
      case Template::PieceKind::Text: out.Append(piece.text); break;
      case Template::PieceKind::Name: out.Append(values.name); break;
      case Template::PieceKind::UpperName: out.Append(values.upperName); break;
      case Template::PieceKind::Base: out.Append(values.base); break;
      case Template::PieceKind::BaseInclude:
        if (!values.baseInclude.empty()) out.AddLine(values.baseInclude);
        break;
    }
  }
}

}  // namespace

void WriteTemplate(const Template& tpl, const ProjectSettings& settings, OutputWriter& out) {
  const std::string upper = settings.UpperName();
  const ViewBase* base = FindViewBase(settings.ViewBaseClass);
  WriteLines(tpl, {settings.Name, upper, settings.ViewBaseClass, base ? base->precompiledInclude : ""}, out);
}

void WriteTemplate(std::string_view name, const ProjectSettings& settings, OutputWriter& out) {
  WriteTemplate(EmbeddedTemplates().Get(name), settings, out);
}

}  // namespace vantrel
