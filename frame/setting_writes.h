#pragma once
// The per-user settings a program stores on its own: at its start, at its
// end, as its windows change. A write the store refuses stops nothing: the
// setting is noted, the user is told once in the process which settings could
// not be stored, and the program goes on with what it has.
#include <string>

namespace settingWrites {

// Stores the setting under the product name and the section "Settings", as
// SaveSetting does; false when the store refused it. Never raises.
bool Store(const std::string& key, const std::string& value);

// Tells the user which settings could not be stored so far, in one message
// box, the first time there are any; never again in the process. Nothing
// while a Hold lives.
void TellRefused();

// While one lives, TellRefused waits, so that a start-up's refusals are told
// together once it is done.
class Hold {
public:
    Hold();
    ~Hold();
    Hold(const Hold&) = delete;
    Hold& operator=(const Hold&) = delete;
};

}  // namespace settingWrites
