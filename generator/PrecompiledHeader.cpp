#include <string_view>

#include "generator/TemplateNames.h"
#include "generator/TemplateWriter.h"
#include "generator/Writers.h"

namespace vantrel {
namespace {

// The include line that declares the view base class, when the class
// library keeps that class outside its core headers. The spacing of each
// line differs on purpose; names are compared exactly.
std::string_view ViewBaseInclude(const std::string& base) {
  if (base == "CDaoRecordView") return "#include <afxdao.h>\t\t // MFC CDaoRecordView";
  if (base == "CListView" || base == "CTreeView")
    return "#include <afxcview.h> \t\t// MFC CListView or CTreeView";
  if (base == "CRecordView") return "#include <afxdb.h> \t\t// MFC CRecordView";
  if (base == "CRichEditView") return "#include <afxrich.h> \t\t// MFC CRichEditView";
  return {};
}

}  // namespace

// "stdafx.cpp": the source that builds the precompiled header.
void WriteStdafxCpp(const ProjectSettings& settings, OutputWriter& out) {
  WriteTemplate(templates::stdafx_cpp, settings, out);
}

// "stdafx.h": the class library headers, plus the view base class's own.
void WriteStdafxH(const ProjectSettings& settings, OutputWriter& out) {
  WriteTemplate(templates::stdafx_h, settings, out);
  if (auto include = ViewBaseInclude(settings.ViewBaseClass); !include.empty()) out.AddLine(include);
  out.AddLine("");
}

}  // namespace vantrel
