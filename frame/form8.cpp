// The help window: Help.rtf from the program folder.
#include "frame/form8.h"

#include <charconv>

#include "frame/frame_program.h"
#include "frame/guard.h"
#include "frame/mod_on_top.h"
#include "frame/product_info.h"
#include "frame/setting_writes.h"
#include "frame/settings.h"
#include "frame/xfile_exists.h"
#include "platform/error.h"
#include "platform/files.h"

const char* const Form8::kHelpFile = "Help.rtf";

namespace {

// The stored text as a whole number, blanks around it allowed; false for a
// text that is no number. A number too large for the box raises overflow.
bool ParseWholeNumber(const std::string& text, int* value) {
    const std::size_t begin = text.find_first_not_of(' ');
    if (begin == std::string::npos) return false;
    const std::size_t end = text.find_last_not_of(' ') + 1;
    const char* first = text.data() + begin + (text[begin] == '+' ? 1 : 0);
    const auto [stop, error] = std::from_chars(first, text.data() + end, *value);
    if (error == std::errc::result_out_of_range) throw platform::Error(6, "Overflow");
    return error == std::errc() && stop == text.data() + end;
}

std::string PlainRtf(const std::string& text) {
    std::string escaped;
    for (char c : text) {
        if (c == '\\' || c == '{' || c == '}') escaped += '\\';
        escaped += c;
    }
    return "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Verdana;}}\\f0\\fs17 " + escaped + "\\par}";
}

}  // namespace

Form8::Form8()
    : Form("Form8"),
      rtf1(*this, "rtf1", {.bounds = {120, 120, 6840, 4800}}, PlainRtf("RichTextBox1")),
      Check1(*this, "Check1", {.caption = "Show at Startup", .bounds = {120, 5040, 3000, 315}}) {
    design("Readme/Help", 7200, 6000);
    onLoad = [this] { Form_Load(); };
    Check1.onClick = [this] { Check1_Click(); };
}

void Form8::Form_Load() {
    if (ProductInfo.SkinsEnabled) SkipOnError([this] { Program.applySkin(*this); });
    const std::string path = platform::files::ProgramFolder() + "\\" + kHelpFile;
    if (xfileExists::fileExists(path)) {
        SkipOnError([&] { rtf1.setFileName(path); });
    } else {
        // Without its file the window still comes up, says what is missing and
        // keeps the start-up box working, so the user can turn it off.
        rtf1.setTextRTF(PlainRtf("The help file could not be found. It should be at " + path + "."));
    }
    SkipOnError([this] { modOnTop::SetFormOnTop(*this, true); });
    // The box's click stores the value again; a refusal then waits to be told.
    const settingWrites::Hold loading;
    SkipOnError([this] {
        int value = 0;
        if (ParseWholeNumber(GetSetting(ProductInfo.ProductName, "Settings", "showHelp", "1"), &value))
            Check1.setValue(value);
    });
}

void Form8::Check1_Click() {
    settingWrites::Store("showHelp", std::to_string(Check1.value()));
    settingWrites::TellRefused();
}
