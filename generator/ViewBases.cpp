#include "generator/ViewBases.h"

namespace vantrel {
namespace {

// The offered classes come first, in the order the class step lists them.
// The blanks and tabs around each include line differ on purpose.
constexpr ViewBase kViewBases[] = {
    {"CView", true, "View", ""},
    {"CEditView", true, "EditView", ""},
    {"CListView", true, "ListView", "#include <afxcview.h> \t\t// MFC CListView or CTreeView"},
    {"CRichEditView", true, "RichEditView", "#include <afxrich.h> \t\t// MFC CRichEditView"},
    {"CScrollView", true, "ScrollView", ""},
    {"CTreeView", true, "TreeView", "#include <afxcview.h> \t\t// MFC CListView or CTreeView"},
    {"CFormView", false, "FormView", ""},
    {"CDaoRecordView", false, "", "#include <afxdao.h>\t\t // MFC CDaoRecordView"},
    {"CRecordView", false, "", "#include <afxdb.h> \t\t// MFC CRecordView"},
};

}  // namespace

std::span<const ViewBase> ViewBases() { return kViewBases; }

const ViewBase* FindViewBase(std::string_view name) {
  for (const auto& base : kViewBases)
    if (base.name == name) return &base;
  return nullptr;
}

std::vector<std::string> OfferedViewBaseNames() {
  std::vector<std::string> names;
  for (const auto& base : kViewBases)
    if (base.offered) names.emplace_back(base.name);
  return names;
}

std::optional<std::string> RefusedViewBase(std::string_view name) {
  const ViewBase* base = FindViewBase(name);
  if (base != nullptr && base->offered) return std::nullopt;
  std::string offered;
  for (const std::string& each : OfferedViewBaseNames()) offered += (offered.empty() ? "" : ", ") + each;
  return "the view base class '" + std::string(name) + "' is not one of the offered classes (" + offered + ")";
}

}  // namespace vantrel
