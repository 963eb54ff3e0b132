#pragma once
// What the forms layer asks of its backend: native windows for forms, a peer
// for each control (see peer.h), the keyboard focus, the modal loop, pop-up
// menus and the screen's twips per pixel. The Win32 backend makes real
// windows; the simulation keeps them in memory.
#include "platform/forms/form.h"

namespace forms::backend {

// Creates the form's native window (hidden) and every control's peer.
void CreateFormWindow(Form& form);
// Destroys the controls' peers and the form's native window.
void DestroyFormWindow(Form& form);
void FormChanged(Form& form, FormProp prop);
// The control of the form that has the keyboard focus while the form is
// active (the one that gets it back when the form is activated again);
// nullptr for none.
Control* FocusedControl(const Form& form);
// Gives the control the focus: at once while its form is active, else when
// the form is activated next.
void SetFocus(Form& form, Control& control);
// Runs a nested message loop until form.showingModal() is false.
void RunModal(Form& form);
// Shows the menu as a pop-up of the form and returns when it closed; the item
// chosen, if any, has had its onClick run.
void ShowPopupMenu(Form& form, Menu& menu);
// The screen's twips per pixel across: 15 at 96 dots per inch.
float TwipsPerPixelX();

}  // namespace forms::backend
