#pragma once

#include "platform/toolkit/FormDescription.h"

namespace vantrel {

// The font of every dialog's controls: Arial bold, 13 pixels high.
inline const TFont kDialogFont{"Arial", 13, true};

// The layout and start state of each dialog, as data.
const FormLayout& NewDlgForm();
const FormLayout& DirChooserForm();
const FormLayout& VantrelForm();
const FormLayout& NewProInfoForm();

}  // namespace vantrel
