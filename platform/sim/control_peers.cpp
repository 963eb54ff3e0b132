// The simulated peer of each control kind. Most keep only a window record;
// the clickable kinds take their click from WM_COMMAND, as on Windows.
#include <utility>

#include "platform/forms/keys.h"
#include "platform/messages.h"
#include "platform/sim/peers.h"
#include "platform/sim/web_browser.h"

namespace sim {

ControlPeer::ControlPeer(FormWindow& form, forms::Control& control, bool hasWindow) : form_(form), control_(control) {
    if (!hasWindow) return;
    Window record;
    record.parent = form.window;
    record.form = form.form;
    record.control = &control;
    record.procedures.push_back([this](const Message& message) { return this->message(message); });
    record.visible = control.visible();
    window_ = CreateWindowRecord(std::move(record));
    form_.children[window_] = this;
}

ControlPeer::~ControlPeer() {
    if (!window_) return;
    form_.children.erase(window_);
    DestroyWindowRecord(window_);
}

void ControlPeer::changed(forms::Prop prop) {
    if (prop != forms::Prop::Visible) return;
    if (Window* window = FindWindow(window_)) window->visible = control_.visible();
}

void MirrorItems(Handle window, int count, const std::function<std::string(int)>& text) {
    Window* record = FindWindow(window);
    if (!record) return;
    record->items.clear();
    for (int index = 0; index < count; ++index) record->items.push_back(text(index));
    record->itemWrites += static_cast<std::size_t>(count);
}

void MirrorItem(Handle window, forms::ItemChange change, int index, const std::string& text) {
    Window* record = FindWindow(window);
    if (!record) return;
    auto& items = record->items;
    const auto at = items.begin() + index;
    if (change == forms::ItemChange::Removed) {
        items.erase(at);
        return;
    }
    if (change == forms::ItemChange::Added)
        items.insert(at, text);
    else
        *at = text;
    ++record->itemWrites;
}

TimerPeer::TimerPeer(FormWindow& form, forms::Timer& timer) : form_(form), timer_(timer), id_(form.nextTimer++) {
    form_.timers[id_] = this;
    changed(forms::Prop::Timer);
}

TimerPeer::~TimerPeer() {
    KillTimer(form_.window, id_);
    form_.timers.erase(id_);
}

void TimerPeer::changed(forms::Prop prop) {
    if (prop != forms::Prop::Timer) return;
    KillTimer(form_.window, id_);
    if (timer_.running()) SetTimer(form_.window, id_, static_cast<std::uint32_t>(timer_.interval()));
}

void TimerPeer::tick() { timer_.tick(); }

namespace {

// A control whose click arrives as WM_COMMAND with this code.
template <class Kind>
class ClickPeer final : public ControlPeer {
public:
    ClickPeer(FormWindow& form, Kind& control, int clickCode)
        : ControlPeer(form, control), control_(control), clickCode_(clickCode) {}
    void command(int code) override {
        if (code == clickCode_) control_.userClick();
    }

private:
    Kind& control_;
    int clickCode_;
};

// A check box whose value the journal records, as BM_SETCHECK is sent.
class CheckBoxPeer final : public ControlPeer {
public:
    CheckBoxPeer(FormWindow& form, forms::CheckBox& control) : ControlPeer(form, control), box_(control) {}
    void command(int code) override {
        if (code == platform::msg::kBnClicked) box_.userClick();
    }
    void changed(forms::Prop prop) override {
        ControlPeer::changed(prop);
        if (prop == forms::Prop::Value) Record(CheckCall{window_, box_.value()});
    }

private:
    forms::CheckBox& box_;
};

}  // namespace

std::unique_ptr<forms::Peer> Peers::make(forms::CheckBox& control) {
    return std::make_unique<CheckBoxPeer>(form, control);
}

namespace {

// A button holds the picture it shows: the program's icon of that name, none
// when the program has no such icon, as the resource loader finds it.
class CommandButtonPeer final : public ControlPeer {
public:
    CommandButtonPeer(FormWindow& form, forms::CommandButton& button) : ControlPeer(form, button), button_(button) {
        showPicture();
    }
    void command(int code) override {
        if (code == platform::msg::kBnClicked) button_.userClick();
    }
    void changed(forms::Prop prop) override {
        if (prop == forms::Prop::Enabled) showPicture();
        ControlPeer::changed(prop);
    }

private:
    void showPicture() {
        const std::string& name = button_.shownPicture();
        if (Window* window = FindWindow(window_)) window->image = name.empty() ? 0 : SharedIcon(name, 0);
    }
    forms::CommandButton& button_;
};

}  // namespace

std::unique_ptr<forms::Peer> Peers::make(forms::CommandButton& control) {
    return std::make_unique<CommandButtonPeer>(form, control);
}

std::unique_ptr<forms::Peer> Peers::make(forms::Frame& control) { return std::make_unique<ControlPeer>(form, control); }

std::unique_ptr<forms::Peer> Peers::make(forms::Label& control) {
    return std::make_unique<ClickPeer<forms::Label>>(form, control, platform::msg::kStnClicked);
}

namespace {

// The list box holds its items as the native list does, and moves its
// selection by the arrow keys, reporting each move as a selection the user
// made.
class ListBoxPeer final : public ControlPeer {
public:
    ListBoxPeer(FormWindow& form, forms::ListBox& box) : ControlPeer(form, box), box_(box) { showItems(); }
    void changed(forms::Prop prop) override {
        if (prop == forms::Prop::Items) showItems();
        ControlPeer::changed(prop);
    }
    void itemChanged(forms::ItemChange change, int index) override {
        MirrorItem(handle(), change, index, change == forms::ItemChange::Removed ? std::string() : box_.list(index));
    }
    std::intptr_t message(const Message& message) override {
        if (message.message != platform::msg::kKeyDown || !box_.enabled() || box_.listCount() == 0) return 0;
        const int key = static_cast<int>(message.wParam);
        if (key != forms::kKeyUp && key != forms::kKeyDown) return 0;
        const int selected = box_.listIndex();
        const int next = selected < 0 ? 0 : selected + (key == forms::kKeyDown ? 1 : -1);
        if (next >= 0 && next < box_.listCount() && next != selected) box_.userSelect(next);
        return 0;
    }

private:
    void showItems() {
        MirrorItems(handle(), box_.listCount(), [this](int index) { return box_.list(index); });
    }

    forms::ListBox& box_;
};

// The text box takes each typed character through KeyPress, and keeps the
// ones KeyPress leaves that print.
class TextBoxPeer final : public ControlPeer {
public:
    TextBoxPeer(FormWindow& form, forms::TextBox& box) : ControlPeer(form, box), box_(box) {}
    std::intptr_t message(const Message& message) override {
        if (message.message != platform::msg::kChar || !box_.enabled()) return 0;
        const Handle window = handle();
        const int key = box_.userKeyPress(static_cast<int>(message.wParam));
        // KeyPress may have unloaded the form, and this peer with it.
        if (FindWindow(window) && key >= ' ') box_.userType(box_.text() + static_cast<char>(key));
        return 0;
    }

private:
    forms::TextBox& box_;
};

}  // namespace

std::unique_ptr<forms::Peer> Peers::make(forms::ListBox& control) {
    return std::make_unique<ListBoxPeer>(form, control);
}

std::unique_ptr<forms::Peer> Peers::make(forms::TextBox& control) {
    return std::make_unique<TextBoxPeer>(form, control);
}

std::unique_ptr<forms::Peer> Peers::make(forms::StatusBar& control) {
    return std::make_unique<ControlPeer>(form, control);
}

std::unique_ptr<forms::Peer> Peers::make(forms::Timer& control) { return std::make_unique<TimerPeer>(form, control); }

// Menus live in the form's menu bar, not in windows of their own.
std::unique_ptr<forms::Peer> Peers::make(forms::Menu& control) {
    return std::make_unique<ControlPeer>(form, control, false);
}

namespace {

// A picture box reports the mouse over its own window, and a click: the
// left button pressed and let go over it.
class PictureBoxPeer final : public ControlPeer {
public:
    PictureBoxPeer(FormWindow& form, forms::PictureBox& box) : ControlPeer(form, box), box_(box) {}
    std::intptr_t message(const Message& message) override {
        switch (message.message) {
            case platform::msg::kMouseMove: {
                const MouseArguments mouse = MouseOf(message);
                box_.userMouseMove(mouse.button, mouse.shift, mouse.x, mouse.y);
                return 0;
            }
            case platform::msg::kLButtonDown:
                pressed_ = true;
                return 0;
            case platform::msg::kLButtonUp:
                if (!std::exchange(pressed_, false)) return 0;
                box_.userClick();
                return 0;
        }
        return 0;
    }

private:
    forms::PictureBox& box_;
    bool pressed_ = false;
};

}  // namespace

std::unique_ptr<forms::Peer> Peers::make(forms::PictureBox& control) {
    return std::make_unique<PictureBoxPeer>(form, control);
}

std::unique_ptr<forms::Peer> Peers::make(forms::RichTextBox& control) {
    return std::make_unique<ControlPeer>(form, control);
}

std::unique_ptr<forms::Peer> Peers::make(forms::WebBrowser& control) {
    return std::make_unique<Browser>(form, control);
}

}  // namespace sim
