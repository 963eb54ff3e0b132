#include "blocker/shared_state.h"

namespace windhover {

std::string AllowedSites;
std::string DisallowedSites;
bool AllowNextPopup = false;
std::int32_t PopupsBlocked = 0;
std::string LastStatusText;
std::string PromptSite;
bool PromptAnswered = false;
bool PromptAllowed = false;
bool AlwaysOnTop = false;

void ResetSharedState() {
    AllowedSites.clear();
    DisallowedSites.clear();
    AllowNextPopup = false;
    PopupsBlocked = 0;
    LastStatusText.clear();
    PromptSite.clear();
    PromptAnswered = false;
    PromptAllowed = false;
    AlwaysOnTop = false;
}

}  // namespace windhover
