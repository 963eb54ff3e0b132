#pragma once
// The Win32 backend's peer factory: each kind's function is defined in that
// kind's peer file (check_box_peer.cpp, ...).
#include "platform/forms/peer.h"
#include "platform/win32/native_form.h"

namespace forms::win32 {

class Win32Peers final : public PeerFactory {
public:
    explicit Win32Peers(NativeForm& native) : native(native) {}
    FORMS_CONTROL_KINDS(FORMS_OVERRIDE_MAKE)
    NativeForm& native;
};

}  // namespace forms::win32
