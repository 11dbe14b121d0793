#include "generator/Summary.h"

#include <array>
#include <string_view>

namespace vantrel {

std::string InterfaceText(FrameKind kind) {
  return kind == FrameKind::Single ? "Single Document Interface " : "Multiple Document Interface ";
}

std::vector<std::string> SummaryLines(const std::string& name, const std::string& interfaceText,
                                      const std::string& viewBaseClass) {
  std::vector<std::string> lines = {
      "Application type of " + name + " : ",
      "  " + interfaceText + "Application targeting",
      "    Win32",
      "",
      "Classes to be created :",
      "  Application : C" + name + "App in " + name + ".h and " + name + ".cpp",
      "  Frame : CMainFrame in MainFrm.h and MainFrm.cpp ",
      "  Document : C" + name + "Doc in " + name + "Doc.h and " + name + "Doc.cpp",
  };
  // The view line names the kind of view without its "C".
  static constexpr std::array<std::string_view, 7> kViews = {
      "CView", "CEditView", "CFormView", "CListView", "CRichEditView", "CScrollView", "CTreeView"};
  for (auto view : kViews)
    if (viewBaseClass == view)
      lines.push_back("  " + std::string(view.substr(1)) + " : C" + name + "View in " + name +
                      "View.h and " + name + "View.cpp");
  for (const char* line : {"", "Features : ", "  + Initial toolbar in main frame",
                           "  + Initial status bar in main frame",
                           "  + Printing and Print Preview support in view",
                           "  + About box on system menu", "  + 3D Controls",
                           "  + Uses statically linked library implementation ",
                           "  + Localizable text in : ", "      English [United States] "})
    lines.emplace_back(line);
  return lines;
}

}  // namespace vantrel
