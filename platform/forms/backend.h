#pragma once
// What the forms layer asks of its backend: native windows for forms and
// controls, property changes, the modal loop and pop-up menus. The Win32
// backend makes real windows; the simulation keeps them in memory.
#include "platform/forms/form.h"

namespace forms::backend {

// Creates the form's native window and its controls' (hidden), attaching the
// handles, and starts the timers that run.
void CreateFormWindow(Form& form);
// Stops the form's timers and destroys its native windows.
void DestroyFormWindow(Form& form);
void FormChanged(Form& form, FormProp prop);
void ControlChanged(Control& control, Prop prop);
// Runs a nested message loop until form.showingModal() is false.
void RunModal(Form& form);
// Shows the menu as a pop-up of the form and returns when it closed; the item
// chosen, if any, has had its onClick run.
void ShowPopupMenu(Form& form, Menu& menu);

}  // namespace forms::backend
