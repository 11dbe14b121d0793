// Prints where controls lie in their dialog's window, from the dialogs'
// layout data, so that the window test clicks where the form descriptions
// put each control rather than at offsets of its own.
//
// Usage: vantrel_control_place FORM
// FORM is TNewDlg, TDirChooser, TVantrel or TNewProInfo. Each control of the
// form, depth first in creation order, gives one line "NAME x y w h" in
// window pixels.

#include <functional>
#include <iostream>
#include <map>
#include <string>

#include "platform/fs/MemoryFileSystem.h"
#include "platform/toolkit/Application.h"
#include "platform/toolkit/Form.h"
#include "platform/testing/HeadlessBackend.h"
#include "platform/toolkit/Layout.h"
#include "wizard/FormDescriptions.h"

namespace {

// A form with no behaviour, built from a layout.
class Described : public vantrel::TForm {
 public:
  Described(vantrel::TComponent* owner, const vantrel::FormLayout& layout) : TForm(owner, "Described") {
    vantrel::BuildForm(*this, layout);
  }
};

}  // namespace

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
  Described form(&app, layouts.at(argv[1])());
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
