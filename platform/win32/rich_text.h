#pragma once
// The rich-text box: a read-only RichEdit 2.0 control given its document.
#include <windows.h>

#include <string>

namespace forms::win32 {

// Replaces the box's contents: rich text when the document begins with
// "{\rtf", plain text otherwise.
void StreamDocument(HWND box, const std::string& document);

}  // namespace forms::win32
