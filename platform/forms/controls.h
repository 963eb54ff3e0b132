#pragma once
// The control kinds of the forms layer. Setting a value from code raises the
// same event a user's action does; the user* members are the user's actions,
// run through the dispatcher like any event from the window system.
#include <functional>
#include <string>
#include <vector>

#include "platform/forms/control.h"

namespace forms {

class CheckBox : public Control {
public:
    CheckBox(Form& form, std::string name);
    int value() const { return value_; }
    // 0 clear, 1 checked, 2 grey; any other value raises error 380. A change
    // raises onClick at once, inside this call.
    void setValue(int value);
    void userClick();
    std::function<void()> onClick;

    void saveDesign() override;
    void restoreDesign() override;

private:
    int value_ = 0;
    int design_ = 0;
};

class CommandButton : public Control {
public:
    CommandButton(Form& form, std::string name);
    void userClick();
    std::function<void()> onClick;
};

class Label : public Control {
public:
    Label(Form& form, std::string name);
    void userClick();
    std::function<void()> onClick;
};

class TextBox : public Control {
public:
    TextBox(Form& form, std::string name);
    const std::string& text() const { return text_; }
    void setText(const std::string& text);
    // The user's typing: the whole text as it now stands.
    void userType(const std::string& text);
    std::function<void()> onChange;

    void saveDesign() override;
    void restoreDesign() override;

private:
    std::string text_;
    std::string design_;
};

class StatusBar : public Control {
public:
    struct Panel {
        std::string text;
        int width = 1440;  // twips
    };
    StatusBar(Form& form, std::string name);
    int panelCount() const { return static_cast<int>(panels_.size()); }
    // Panels are numbered from 1; a number that does not exist raises 35600.
    const Panel& panel(int index) const;
    void setPanelText(int index, const std::string& text);
    void setPanelWidth(int index, int width);
    void addPanel();
    const std::vector<Panel>& panels() const { return panels_; }

    void saveDesign() override;
    void restoreDesign() override;

private:
    Panel& at(int index);
    std::vector<Panel> panels_{Panel{}};
    std::vector<Panel> design_;
};

class Timer : public Control {
public:
    Timer(Form& form, std::string name);
    bool timerEnabled() const { return timerEnabled_; }
    void setTimerEnabled(bool enabled);
    int interval() const { return interval_; }
    void setInterval(int milliseconds);
    // The backend's tick; runs onTimer through the dispatcher.
    void tick();
    std::function<void()> onTimer;
    // Runs while the form is loaded, enabled, with an interval above 0.
    bool running() const;

    void saveDesign() override;
    void restoreDesign() override;

private:
    bool timerEnabled_ = true;
    int interval_ = 0;
    bool designEnabled_ = true;
    int designInterval_ = 0;
};

// One menu: a top-level menu of the bar, or an item of another menu.
class Menu : public Control {
public:
    Menu(Form& form, std::string name, const std::string& caption, Menu* parent = nullptr,
         int index = -1);
    Menu* parent() const { return parent_; }
    const std::vector<Menu*>& items() const { return items_; }
    // The index of an item of a control array; -1 when it is no array.
    int index() const { return index_; }
    bool checked() const { return checked_; }
    void setChecked(bool checked);
    void userClick();
    std::function<void()> onClick;
    // Native menu command identifier, given by the form.
    int commandId() const { return commandId_; }
    void setCommandId(int id) { commandId_ = id; }

private:
    Menu* parent_;
    int index_;
    bool checked_ = false;
    int commandId_ = 0;
    std::vector<Menu*> items_;
};

// A picture box: shows an icon or bitmap resource and reports the mouse.
class PictureBox : public Control {
public:
    PictureBox(Form& form, std::string name);
    const std::string& picture() const { return picture_; }
    void setPicture(const std::string& resourceName);
    void userMouseMove(int button, int shift, float x, float y);
    std::function<void(int button, int shift, float x, float y)> onMouseMove;

private:
    std::string picture_;
};

class RichTextBox : public Control {
public:
    RichTextBox(Form& form, std::string name);
    const std::string& fileName() const { return fileName_; }
    // Loads the file as the box's document; a file that cannot be read raises
    // an error and leaves the document as it was.
    void setFileName(const std::string& path);
    // The document: rich text when it begins with "{\rtf", else plain text.
    const std::string& textRTF() const { return document_; }
    void setTextRTF(const std::string& document);

    void saveDesign() override;
    void restoreDesign() override;

private:
    std::string fileName_;
    std::string document_;
    std::string designDocument_;
};

}  // namespace forms
