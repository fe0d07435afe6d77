#pragma once

namespace platform::forms {

class Form;

// Makes a form about to be shown modally a dialog of the form it is shown
// over: the active form, or when the program is in the background the last
// loaded form on the screen. The window manager then keeps the two together,
// so that the dialog is never iconified or stacked away apart from the
// window it blocks.
void TieToOwner(Form& modal);

}  // namespace platform::forms
