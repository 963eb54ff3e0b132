#pragma once
// The backend's side of a control while its form is loaded, and the factory
// that makes one for each kind.
#include <memory>

#include "platform/forms/kinds.h"
#include "platform/types.h"

namespace forms {

using platform::Handle;

#define FORMS_FORWARD_KIND(Kind) class Kind;
FORMS_CONTROL_KINDS(FORMS_FORWARD_KIND)
#undef FORMS_FORWARD_KIND

// Which property of a control changed, for its peer.
enum class Prop {
    Caption,
    Text,
    Visible,
    Enabled,
    Bounds,
    Colors,
    Font,
    ToolTip,
    Value,
    Panels,
    Items,      // a list's items or rows, all of them
    Selection,  // a list's selected item or row
    Columns,    // a report view's column headers and display options
    Picture,
    Timer,
};

// What happened to one item of a list (a list box's item, a report view's row).
enum class ItemChange {
    Added,
    Removed,
    Changed,  // its texts or its colour
};

// A control's native side: its window (if the kind has one) and whatever the
// kind keeps there. Made when the form loads, destroyed when it unloads.
class Peer {
public:
    virtual ~Peer() = default;
    // The native window; 0 for a kind without one.
    virtual Handle handle() const { return 0; }
    // Mirrors a property the program changed.
    virtual void changed(Prop prop) = 0;
    // Mirrors one item of a list, numbered from 0 as it now stands (as it
    // stood, for a removed one). A kind that keeps no items ignores it.
    virtual void itemChanged(ItemChange change, int index) {
        (void)change;
        (void)index;
    }
};

// One function per control kind; both backends implement all of them.
class PeerFactory {
public:
#define FORMS_DECLARE_MAKE(Kind) virtual std::unique_ptr<Peer> make(Kind& control) = 0;
    FORMS_CONTROL_KINDS(FORMS_DECLARE_MAKE)
#undef FORMS_DECLARE_MAKE

protected:
    ~PeerFactory() = default;
};

// Declares a backend factory's function for every kind, inside its class.
#define FORMS_OVERRIDE_MAKE(Kind) std::unique_ptr<::forms::Peer> make(::forms::Kind& control) override;

}  // namespace forms
