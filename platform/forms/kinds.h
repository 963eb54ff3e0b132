#pragma once
// Every control kind of the forms layer, named once. The peer factory has one
// function per kind from this list, and each backend defines every one of
// them in the kind's own peer file: a kind a backend lacks does not link.
//
// A new kind: its header and source here, an entry below, a peer file in
// platform/win32/ and a peer in platform/sim/control_peers.cpp.
#define FORMS_CONTROL_KINDS(KIND) \
    KIND(CheckBox)                \
    KIND(CommandButton)           \
    KIND(Frame)                   \
    KIND(Label)                   \
    KIND(ListBox)                 \
    KIND(ListView)                \
    KIND(TextBox)                 \
    KIND(StatusBar)               \
    KIND(Timer)                   \
    KIND(Menu)                    \
    KIND(PictureBox)              \
    KIND(RichTextBox)             \
    KIND(WebBrowser)
