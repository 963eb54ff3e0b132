#pragma once
// The status bar: its panels, their text and width.
#include <string>
#include <vector>

#include "platform/forms/control.h"

namespace forms {

class StatusBar : public Control {
public:
    struct Panel {
        std::string text;
        int width = 1440;  // twips
    };
    StatusBar(Form& form, std::string name, ControlDesign design = {});
    int panelCount() const { return static_cast<int>(panels_.size()); }
    // Panels are numbered from 1; a number that does not exist raises 35600.
    const Panel& panel(int index) const;
    void setPanelText(int index, const std::string& text);
    void setPanelWidth(int index, int width);
    void addPanel();
    const std::vector<Panel>& panels() const { return panels_; }

    void captureDesign() override;
    void restoreDesign() override;

protected:
    std::unique_ptr<Peer> makePeer(PeerFactory& factory) override { return factory.make(*this); }

private:
    Panel& at(int index);
    std::vector<Panel> panels_{Panel{}};
    std::vector<Panel> design_{Panel{}};
};

}  // namespace forms
