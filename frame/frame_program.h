#pragma once
// What a program built on the frame hands it. Each program fills Program at
// its start (its platform::ProgramMain) and then starts the frame with
// StartProgram; the frame's windows reach the program only through it.
#include "platform/forms/form.h"

struct FrameProgram {
    // The main window (windhover: Form1, nightjar: frmMain), shown after the splash.
    forms::Form& (*mainWindow)();
    // The program's own frmWebsite, opened by the about box.
    forms::Form& (*websiteWindow)();
    // Skins a window of the frame; called with skins on only.
    void (*applySkin)(forms::Form& window);
};

// The running program's record. Until a program fills it, each entry raises
// an error instead of reaching a window.
extern FrameProgram Program;

// Shows the splash, which shows Program's main window when it is done.
void StartProgram();

// What frmWebsite opens: the about box and nightjar's website window set it
// to the home page, windhover's website window opens that page and clears it.
enum class WebsitePage { None, HomePage };
extern WebsitePage WebsiteMode;
