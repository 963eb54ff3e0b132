#pragma once
// The Internet Explorer toolbar button (and Tools-menu item) that starts
// windhover: Internet Explorer's registry entries for a button that runs a
// program, under a key of our own in HKEY_LOCAL_MACHINE.

namespace windhover::modIETools {

inline constexpr const char* kButtonKey =
    "Software\\Microsoft\\Internet Explorer\\Extensions\\{ECC5777A-6E88-BFCE-13CE-81F134789E7B}";
// Internet Explorer's class for a button that runs an executable.
inline constexpr const char* kExecButtonClass = "{1FBA04EE-3024-11D2-8F1F-0000F87ABD16}";
// Where the system registers the browser's executable.
inline constexpr const char* kBrowserPathKey = "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\IEXPLORE.EXE";

// Writes the button's values; a user who may not write HKEY_LOCAL_MACHINE
// gets no button and no message.
void AddIEButton();
// Deletes the button's key; nothing is shown either way.
void RemoveIEButton();
// Looks at the browser's path and the button key at start-up; changes
// nothing and shows nothing.
void CheckIEButton();

}  // namespace windhover::modIETools
