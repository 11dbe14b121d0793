#include "generator/Summary.h"

#include "generator/ViewBases.h"

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
  if (const ViewBase* base = FindViewBase(viewBaseClass); base && !base->summaryLabel.empty())
    lines.push_back("  " + std::string(base->summaryLabel) + " : C" + name + "View in " + name +
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
