#include "generator/EmbeddedTemplates.h"
#include "generator/GeneratedFile.h"

namespace vantrel {
namespace {

using namespace templates;

// The order is the order in which the files are written; the resource
// directory is made just before the first file that goes into it. Only the
// project name and the view base class reach the text, through the
// templates' splices: {Base} in the view files, the base's extra include
// line in "stdafx.h".
constexpr GeneratedFile kFiles[] = {
    {"{Name}.bpr", &Name_bpr},            // The project makefile the host opens.
    {"{Name}.cpp", &Name_cpp},            // The project unit and application class.
    {"{Name}.h", &Name_h},
    {"{Name}.rc", &Name_rc},              // The resource script.
    {"res\\{Name}.rc2", &res_Name_rc2, {}, true},
    {"resource.h", &resource_h},          // The identifiers the script and sources share.
    {"{Name}Doc.cpp", &NameDoc_cpp},
    {"{Name}Doc.h", &NameDoc_h},
    {"{Name}View.cpp", &NameView_cpp},
    {"{Name}View.h", &NameView_h},
    {"MainFrm.cpp", &MainFrm_cpp},
    {"MainFrm.h", &MainFrm_h},
    {"Globals.cpp", &Globals_cpp},        // Drawing data of the compatibility bars.
    {"Globals.h", &Globals_h},
    {"toolbar.cpp", &toolbar_cpp},        // The compatibility tool bar.
    {"toolbar.h", &toolbar_h},
    {"statbar.cpp", &statbar_cpp},        // The compatibility status bar.
    {"statbar.h", &statbar_h},
    {"stdafx.cpp", &stdafx_cpp},          // The precompiled-header pair.
    {"stdafx.h", &stdafx_h},
    {"res\\toolbar.bmp", nullptr, {"TOOLBAR", false}},
    {"res\\{Name}Doc.ico", nullptr, {"MDICHILD", true}},
    {"res\\{Name}.ico", nullptr, {"MFCVANTREL", true}},
};

}  // namespace

std::span<const GeneratedFile> GeneratedFiles() { return kFiles; }

std::string RelativePath(const GeneratedFile& file, const ProjectSettings& settings) {
  static constexpr std::string_view kToken = "{Name}";
  std::string path(file.relativeName);
  if (auto at = path.find(kToken); at != std::string::npos) path.replace(at, kToken.size(), settings.Name);
  return path;
}

}  // namespace vantrel
