// The rich-text box: its document, loaded from a file or given as RTF.
#include "platform/forms/rich_text_box.h"

#include "platform/error.h"
#include "platform/files.h"

namespace forms {

RichTextBox::RichTextBox(Form& form, std::string name, ControlDesign design, std::string document)
    : Control(form, "RichTextBox", std::move(name), std::move(design)), document_(std::move(document)) {}

void RichTextBox::setFileName(const std::string& path) {
    std::string contents;
    long result = platform::files::ReadFile(path, &contents);
    if (result == platform::kErrorFileNotFound)
        throw platform::Error(platform::kErrFileNotFound, "File not found: " + path);
    if (result != 0)
        throw platform::Error(platform::kErrPathNotFound,
                              "Cannot read " + path + " (error " + std::to_string(result) + ")");
    fileName_ = path;
    document_ = std::move(contents);
    changed(Prop::Text);
}

void RichTextBox::setTextRTF(const std::string& document) {
    document_ = document;
    changed(Prop::Text);
}

void RichTextBox::captureDesign() {
    Control::captureDesign();
    designDocument_ = document_;
}

void RichTextBox::restoreDesign() {
    Control::restoreDesign();
    document_ = designDocument_;
    fileName_.clear();
}

}  // namespace forms
