// The blocker's shared state and its start values.
#include "blocker/shared_state.h"

#include "platform/process_globals.h"

namespace windhover {

namespace {
using platform::ResetAtStart;
}  // namespace

std::string AllowedSites;
static const ResetAtStart resetAllowedSites([] { AllowedSites.clear(); });
std::string DisallowedSites;
static const ResetAtStart resetDisallowedSites([] { DisallowedSites.clear(); });
bool AllowNextPopup = false;
static const ResetAtStart resetAllowNextPopup([] { AllowNextPopup = false; });
std::int32_t PopupsBlocked = 0;
static const ResetAtStart resetPopupsBlocked([] { PopupsBlocked = 0; });
std::string LastStatusText;
static const ResetAtStart resetLastStatusText([] { LastStatusText.clear(); });
std::string PromptSite;
bool PromptAnswered = false;
bool PromptAllowed = false;
static const ResetAtStart resetPrompt([] {
    PromptSite.clear();
    PromptAnswered = false;
    PromptAllowed = false;
});
bool AlwaysOnTop = false;
static const ResetAtStart resetAlwaysOnTop([] { AlwaysOnTop = false; });
bool ExitWhenWebsiteCloses = false;
static const ResetAtStart resetExitWhenWebsiteCloses([] { ExitWhenWebsiteCloses = false; });

}  // namespace windhover
