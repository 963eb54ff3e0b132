#pragma once
// The blocker's state that its windows, the site lists and the popup decision
// share. Everything runs on the one window thread; nothing guards it.
#include <cstdint>
#include <string>

namespace windhover {

// The site lists as the decision searches them: each entry followed by CR LF.
extern std::string AllowedSites;
extern std::string DisallowedSites;
// Let the next popup through once.
extern bool AllowNextPopup;
extern std::int32_t PopupsBlocked;
// The last status-bar text any tracked browser reported.
extern std::string LastStatusText;
// The setup-mode prompt's hand-shake with the decision that waits for it.
extern std::string PromptSite;
extern bool PromptAnswered;
extern bool PromptAllowed;
// The main window stays on top of all others.
extern bool AlwaysOnTop;
// The main window has unloaded while the website opener showed: the program
// ends when the opener closes.
extern bool ExitWhenWebsiteCloses;

}  // namespace windhover
