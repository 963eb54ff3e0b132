#pragma once
// The rich-text box: a document loaded from a file or given as RTF.
#include <string>

#include "platform/forms/control.h"

namespace forms {

class RichTextBox : public Control {
public:
    RichTextBox(Form& form, std::string name, ControlDesign design = {}, std::string document = {});
    const std::string& fileName() const { return fileName_; }
    // Loads the file as the box's document; a file that cannot be read raises
    // an error and leaves the document as it was.
    void setFileName(const std::string& path);
    // The document: rich text when it begins with "{\rtf", else plain text.
    const std::string& textRTF() const { return document_; }
    void setTextRTF(const std::string& document);

    bool tabStop() const override { return true; }

    void captureDesign() override;
    void restoreDesign() override;

protected:
    std::unique_ptr<Peer> makePeer(PeerFactory& factory) override { return factory.make(*this); }

private:
    std::string fileName_;
    std::string document_;
    std::string designDocument_;
};

}  // namespace forms
