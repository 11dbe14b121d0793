// Prints "NAME x y w h" for each control of a form (TNewDlg, TDirChooser,
// TVantrel, TNewProInfo) from its layout data, for the window tests' clicks.

#include <functional>
#include <iostream>
#include <map>
#include <string>

#include "platform/fs/MemoryFileSystem.h"
#include "platform/testing/HeadlessBackend.h"
#include "platform/toolkit/Application.h"
#include "platform/toolkit/Form.h"
#include "platform/toolkit/Layout.h"
#include "wizard/FormDescriptions.h"

int main(int argc, char** argv) {
  using namespace vantrel;
  const std::map<std::string, const FormLayout& (*)()> layouts = {
      {"TNewDlg", NewDlgForm}, {"TDirChooser", DirChooserForm}, {"TVantrel", VantrelForm},
      {"TNewProInfo", NewProInfoForm}};
  if (argc != 2 || !layouts.contains(argv[1])) {
    std::cerr << "usage: vantrel_control_place FORM\n";
    return 2;
  }
  HeadlessBackend backend;
  MemoryFileSystem files;
  TApplication app(backend, files);
  TForm form(&app, argv[1]);
  BuildForm(form, layouts.at(argv[1])());
  std::function<void(const TWinControl&)> print = [&](const TWinControl& parent) {
    for (const TControl* control : parent.Controls()) {
      const Rect r = PlaceOf(*control);
      std::cout << control->Name() << " " << r.x << " " << r.y << " " << r.w << " " << r.h << "\n";
      if (const auto* inner = dynamic_cast<const TWinControl*>(control)) print(*inner);
    }
  };
  print(form);
  return 0;
}
