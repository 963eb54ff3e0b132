#pragma once
// Message boxes, with MessageBoxA's button, icon and answer codes.
#include <cstdint>
#include <string>

namespace platform {

enum MessageBoxFlags : std::uint32_t {
    kMbOk = 0x00,
    kMbOkCancel = 0x01,
    kMbAbortRetryIgnore = 0x02,
    kMbYesNoCancel = 0x03,
    kMbYesNo = 0x04,
    kMbRetryCancel = 0x05,
    kMbIconError = 0x10,
    kMbIconQuestion = 0x20,
    kMbIconWarning = 0x30,
    kMbIconInformation = 0x40,
};

enum MessageBoxAnswer : int {
    kIdOk = 1,
    kIdCancel = 2,
    kIdAbort = 3,
    kIdRetry = 4,
    kIdIgnore = 5,
    kIdYes = 6,
    kIdNo = 7,
};

// Shows a modal message box owned by the program's active window and returns
// the button the user chose. An empty title gives the program's title.
int MessageBox(const std::string& text, std::uint32_t flags = kMbOk, const std::string& title = std::string());

// The title of the program: its product name.
std::string ProgramTitle();

}  // namespace platform
