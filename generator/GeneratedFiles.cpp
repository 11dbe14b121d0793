#include "generator/GeneratedFile.h"
#include "generator/Writers.h"

namespace vantrel {

const std::vector<GeneratedFile>& GeneratedFiles() {
  // The order is the order in which the files are written; the resource
  // directory is made just before the first file that goes into it.
  static const std::vector<GeneratedFile> files = {
      {"{Name}.bpr", WriteProjectMakefile},
      {"{Name}.cpp", WriteProjectUnit},
      {"{Name}.h", WriteApplicationHeader},
      {"{Name}.rc", WriteResourceScript},
      {"res\\{Name}.rc2", WriteResourceExtension, nullptr, true},
      {"resource.h", WriteResourceHeader},
      {"{Name}Doc.cpp", WriteDocumentSource},
      {"{Name}Doc.h", WriteDocumentHeader},
      {"{Name}View.cpp", WriteViewSource},
      {"{Name}View.h", WriteViewHeader},
      {"MainFrm.cpp", WriteMainFrameSource},
      {"MainFrm.h", WriteMainFrameHeader},
      {"Globals.cpp", WriteGlobalsSource},
      {"Globals.h", WriteGlobalsHeader},
      {"toolbar.cpp", WriteToolBarSource},
      {"toolbar.h", WriteToolBarHeader},
      {"statbar.cpp", WriteStatusBarSource},
      {"statbar.h", WriteStatusBarHeader},
      {"stdafx.cpp", WriteStdafxCpp},
      {"stdafx.h", WriteStdafxH},
      {"res\\toolbar.bmp", nullptr, ToolBarBitmapFile},
      {"res\\{Name}Doc.ico", nullptr, DocumentIconFile},
      {"res\\{Name}.ico", nullptr, ApplicationIconFile},
  };
  return files;
}

std::string RelativePath(const GeneratedFile& file, const ProjectSettings& settings) {
  static constexpr std::string_view kToken = "{Name}";
  std::string path(file.relativeName);
  if (auto at = path.find(kToken); at != std::string::npos) path.replace(at, kToken.size(), settings.Name);
  return path;
}

}  // namespace vantrel
