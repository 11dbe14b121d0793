// Prints where controls lie in their dialog's window, from the dialogs'
// layout data, so that the window test clicks where the form descriptions
// put each control rather than at offsets of its own.
//
// Usage: vantrel_control_place FORM CONTROL...
// FORM is TNewDlg, TDirChooser, TVantrel or TNewProInfo; each CONTROL gives
// one line "x y w h" in window pixels.

#include <iostream>
#include <map>
#include <string>

#include "platform/fltk/Layout.h"
#include "platform/fs/MemoryFileSystem.h"
#include "platform/toolkit/Application.h"
#include "platform/toolkit/Form.h"
#include "platform/toolkit/HeadlessBackend.h"
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
  if (argc < 3 || !layouts.contains(argv[1])) {
    std::cerr << "usage: vantrel_control_place FORM CONTROL...\n";
    return 2;
  }
  HeadlessBackend backend;
  MemoryFileSystem files;
  TApplication app(backend, files);
  Described form(&app, layouts.at(argv[1])());
  for (int i = 2; i < argc; ++i) {
    const TControl* control = form.FindControl(argv[i]);
    if (control == nullptr) {
      std::cerr << "vantrel_control_place: " << argv[1] << " has no control " << argv[i] << "\n";
      return 1;
    }
    const fltk::Rect r = fltk::PlaceOf(*control);
    std::cout << r.x << " " << r.y << " " << r.w << " " << r.h << "\n";
  }
  return 0;
}
