#include "generator/TemplateWriter.h"

#include "generator/LineEnd.h"
#include "generator/ViewBases.h"

namespace vantrel {

SpliceValues::SpliceValues(const ProjectSettings& settings)
    : name(settings.Name), upperName(settings.UpperName()), base(settings.ViewBaseClass) {
  if (const ViewBase* known = FindViewBase(base); known && !known->precompiledInclude.empty())
    baseInclude = std::string(known->precompiledInclude) + std::string(kLineEnd);
}

void WriteTemplate(TemplateText text, const SpliceValues& values, OutputWriter& out) {
  for (const TextRun& run : text) {
    out.Append(run.text);
    switch (run.splice) {
      case Splice::None: break;
      case Splice::Name: out.Append(values.name); break;
      case Splice::UpperName: out.Append(values.upperName); break;
      case Splice::Base: out.Append(values.base); break;
      case Splice::BaseInclude: out.Append(values.baseInclude); break;
    }
  }
}

}  // namespace vantrel
