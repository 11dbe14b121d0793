#pragma once

#include <string>

#include "platform/toolkit/Types.h"

namespace vantrel {

class TControl;
class TForm;

// The user's actions, as a backend forwards them. Each returns false, and
// does nothing, when no user could do it: the control is disabled or
// hidden, the form is not shown or lies beneath a modal form, or the item
// does not exist. The mouse's actions (those up to SelectText) are also
// refused while the form ignores presses, in the double-click time after it
// opened (TForm::IgnoresPresses). An error that
// escapes an event handler run by the action is reported in the
// application's error box and ends the action.
namespace user {

// A mouse click on a control: presses a button, toggles a check box,
// checks a radio button, focuses an edit or a list.
bool Click(TControl& control);
// The focus moved to a control under the mouse, in a backend whose widgets
// take the focus themselves; nothing else happens.
bool Focus(TControl& control);
// A click on item index of a list (or of a check list box's items).
bool ClickItem(TControl& list, int index);
// A double click on item index of a list; opens it in a directory list.
bool DoubleClickItem(TControl& list, int index);
// A click on the check box of item index of a check list box.
bool ToggleItem(TControl& list, int index);
// Opens a combo box or drive box and picks entry index.
bool PickItem(TControl& combo, int index);
// A click on the tab of page index of a page control.
bool SelectTab(TControl& pageControl, int index);
// A click on the upper (delta 1) or lower (delta -1) button of spin buttons.
bool Spin(TControl& upDown, int delta);
// Selects the whole text of an edit (with the mouse), focusing it.
bool SelectText(TControl& edit);

// The text a user's editing left in an edit or a drop-down combo box, for a
// backend whose widget edits text itself (caret, selection, clipboard); the
// change handler runs.
bool EditText(TControl& edit, const std::string& text);

// Keyboard input goes to the form's focused control.
// Offers a typed character to the focused control's key-press handler
// only, for a backend whose widget then does the typing itself. True when
// the character is left for the widget: not discarded, and the focus still
// on that control.
bool FilterChar(TForm& form, char& key);
// Types one character: the focused control's key-press handler sees it
// first and may discard it.
bool TypeChar(TForm& form, char key);
// Presses a key: Tab and Shift+Tab move the focus, Enter, Backspace,
// Escape and Space are typed as characters, arrows and Home/End move in a
// list or combo box.
bool PressKey(TForm& form, Key key);
// Alt with an access key: focuses a label's control, presses a button,
// checks a radio button or toggles a check box.
bool AltKey(TForm& form, char letter);

// Closes the window with its title-bar button.
bool CloseWindow(TForm& form);

}  // namespace user
}  // namespace vantrel
