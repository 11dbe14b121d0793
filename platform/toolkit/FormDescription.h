#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/toolkit/Types.h"

namespace vantrel {

class TForm;

// The description of one control, as a row of a form's table.
struct ControlRow {
  // What differs from a control's start state.
  enum Flag : unsigned {
    kNone = 0,
    kDisabled = 1u << 0,
    kNoTabStop = 1u << 1,
    kChecked = 1u << 2,
    kReadOnly = 1u << 3,
    kWordWrap = 1u << 4,
    kFixedSize = 1u << 5,    // A label without automatic size.
    kTabHidden = 1u << 6,    // A tab sheet whose tab is not shown.
    kDropDownList = 1u << 7, // A combo box that only offers its items.
    kSunken = 1u << 8,       // A panel: sunken inner bevel, no outer bevel.
    kBorderless = 1u << 9,   // A panel without bevels.
    kButtonFace = 1u << 10,  // A memo on the button-face colour.
    kActivePage = 1u << 11,  // The tab sheet shown at start (else the first).
  };

  // Spin buttons: their range and start position.
  struct Range {
    int min = 0;
    int max = 0;
    int position = 0;
    bool wrap = false;
  };

  std::string name;
  ControlKind kind = ControlKind::Label;
  std::string parent{};   // "" for the form itself.
  std::string caption{};  // Caption, or the text of an edit or combo box.
  TBounds place{};        // Width and height 0: sized by the text.
  unsigned flags = kNone;
  int tabOrder = -1;    // -1 for controls without one.
  std::string link{};     // A label's focus control, an up-down's edit, a
                        // drive box's directory list.
  std::vector<std::string> items{};
  TModalResult modalResult = mrNone;  // Buttons.
  std::optional<TFont> font{};        // Unset: the parent's font.
  std::optional<Range> range{};       // Spin buttons.
};

// The description of a form: its frame and its controls, parents before
// their children.
struct FormLayout {
  std::string caption;
  int clientWidth = 0;
  int clientHeight = 0;
  TFont font;
  bool helpButton = true;
  std::vector<ControlRow> controls{};
};

// Builds the form's controls from the description, owned by the form.
// Throws std::invalid_argument for a parent or link that does not exist.
void BuildForm(TForm& form, const FormLayout& layout);

// A form's controls, built from its description when this member is
// initialised: declared before a form's typed bindings, it has the controls
// there for them.
struct BuiltControls {
  BuiltControls(TForm& form, const FormLayout& layout) { BuildForm(form, layout); }
};

}  // namespace vantrel
