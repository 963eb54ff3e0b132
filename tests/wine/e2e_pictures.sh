# shellcheck shell=bash
# Sourced by run_e2e.sh: nightjar's graphical buttons under Wine. The main
# window's four buttons and the website window's five hold their pictures
# (the greyed one while disabled) and the website window draws its frame
# "Browser"; a screenshot of each window shows them.

# The website window's buttons, by their creation order among its Button
# class windows: the frame "Browser" comes first.
WEBSITE_FRAME="@Button:1"
WEBSITE_GO="@Button:2"
WEBSITE_BACK="@Button:3"
WEBSITE_FORWARD="@Button:4"
WEBSITE_STOP="@Button:5"
WEBSITE_REFRESH="@Button:6"

# reads_as TITLE TARGET LINES: the driver reads the control as these lines, joined by "|".
reads_as() { read_is "$1" "$2" "$3"; }

nightjar_pictures() {
    echo "# nightjar's buttons show their pictures"
    local visit="Visit $HOME_PAGE" button
    launch_after_splash nightjar Nightjar/nightjar.exe "$NIGHTJAR" || return
    check "Messenger is stopped" messenger_is 1
    check "\"$ALLOW\" shows its picture" reads_as "$NIGHTJAR" "$ALLOW" "$ALLOW|picture 32x32 colour"
    check "\"$PREVENT\", disabled, shows its greyed picture" \
        reads_as "$NIGHTJAR" "$PREVENT" "$PREVENT|picture 32x32 grey"
    for button in "Send Yourself a Test Popup Message" "$visit"; do
        check "\"$button\" shows its picture" reads_as "$NIGHTJAR" "$button" "$button|picture 32x32 colour"
    done
    screenshot nightjar-pictures "$NIGHTJAR"

    check "\"$visit\" is pressed" driver push "$NIGHTJAR" "$visit"
    check "the website window shows" driver wait "$HOME_URL" "$WAIT_MS" || return
    check "its frame reads \"Browser\"" reads_as "$HOME_URL" "$WEBSITE_FRAME" "Browser"
    check "go shows its picture" reads_as "$HOME_URL" "$WEBSITE_GO" "|picture 14x14 colour"
    for button in "$WEBSITE_BACK" "$WEBSITE_FORWARD" "$WEBSITE_STOP" "$WEBSITE_REFRESH"; do
        check "button $button shows its picture" reads_as "$HOME_URL" "$button" "|picture 20x20 colour"
    done
    screenshot nightjar-website-pictures "$HOME_URL"
    check "closing the website window" driver close "$HOME_URL"
    check "the website window goes" driver gone "$HOME_URL" "$WAIT_MS"
    check "File > Exit" driver menu "$NIGHTJAR" "Exit"
    check "nightjar ends" process_ended
}
