#pragma once
// The base of every control: the properties all kinds share, kept in memory in
// both builds. The backend mirrors them into a native control while the form
// is loaded, and feeds the user's actions back through the user* members of
// each kind.
#include <cstdint>
#include <functional>
#include <string>

#include "platform/types.h"

namespace forms {

using platform::Handle;
class Form;

// A colour the control leaves to the system's scheme.
inline constexpr std::uint32_t kSystemColor = 0xFFFFFFFFu;

struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// Which property changed, for the backend.
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
    Picture,
    Timer,
};

class Control {
public:
    Control(Form& form, const char* typeName, std::string name);
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    Form& form() const { return form_; }
    // The kind's type name, as the skin glue tests it ("CommandButton", ...).
    const std::string& typeName() const { return typeName_; }
    const std::string& name() const { return name_; }

    const std::string& caption() const { return common_.caption; }
    void setCaption(const std::string& caption);
    bool visible() const { return common_.visible; }
    void setVisible(bool visible);
    bool enabled() const { return common_.enabled; }
    void setEnabled(bool enabled);
    // Position and size in twips, relative to the form's client area.
    const Rect& bounds() const { return common_.bounds; }
    void setBounds(int left, int top, int width, int height);
    std::uint32_t backColor() const { return common_.backColor; }
    void setBackColor(std::uint32_t color);
    std::uint32_t foreColor() const { return common_.foreColor; }
    void setForeColor(std::uint32_t color);
    const std::string& fontName() const { return common_.fontName; }
    double fontSize() const { return common_.fontSize; }
    bool fontBold() const { return common_.fontBold; }
    void setFont(const std::string& name, double size, bool bold = false);
    const std::string& toolTip() const { return common_.toolTip; }
    void setToolTip(const std::string& text);

    // The native window of the control; 0 while the form is not loaded.
    Handle hwnd() const { return native_; }

    // Backend use: the native window, and the design values restored when the
    // form unloads.
    void attachNative(Handle native) { native_ = native; }
    virtual void saveDesign() { commonDesign_ = common_; }
    virtual void restoreDesign() { common_ = commonDesign_; }

protected:
    // Tells the backend that a property changed, when the form is loaded.
    void changed(Prop prop);

private:
    struct Common {
        std::string caption;
        bool visible = true;
        bool enabled = true;
        Rect bounds;
        std::uint32_t backColor = kSystemColor;  // colours are 0x00BBGGRR
        std::uint32_t foreColor = kSystemColor;
        std::string fontName = "MS Sans Serif";
        double fontSize = 8.25;
        bool fontBold = false;
        std::string toolTip;
    };

    Form& form_;
    std::string typeName_;
    std::string name_;
    Common common_;
    Common commonDesign_;
    Handle native_ = 0;
};

}  // namespace forms
