# shellcheck shell=bash
# Sourced by run_e2e.sh: the tool tips of the real programs. The driver reads,
# inside the program, the tip the window's tooltip control holds for a
# control: windhover's option rows (box and label alike), a list, a text box
# and a button; nightjar's main window, which has none, and its website
# window's go and navigation buttons. The pointer, moved by xdotool onto a
# button of windhover's and left there, brings the button's tip up.

TIP_BLOCKING="This controls whether popup blocking is on or off."
TIP_SETUP="When in Setup Mode, whenever a site attempts to open a popup you be prompted to either allow it or disallow it.  We recommend using Setup Mode for a few days to collect a list of allowed and disallowed sites."
TIP_ALLOW_NEXT="This will allow the next popup to be opened.  You can also press Win + Z or right click the Program Icon.  This is useful if a legitimate window is being misinterpreted as a popup."
TIP_DISALLOWED_LIST='all sites that are not "allowed" are blocked by shrikewatch.  disallowed sites will not prompt you from setup mode.'
TIP_ALLOWED_BOX="Type the domain of a site to allow, such as www.example.com, and click Add."
LABEL_BLOCKING="Popup Blocking: Stop Popups from all sites that aren't on my allowed list"
LABEL_SETUP="Setup Mode: Add sites to my Allowed or Disallowed list as I browse"

# tip_is TITLE TARGET TEXT: the window's tooltip control holds TEXT as the
# control's tip; an empty TEXT: it holds no tip for the control.
tip_is() {
    local actual
    actual=$(driver tip "$1" "$2") || { echo "     the tip of $2 on \"$1\" could not be read"; return 1; }
    actual=$(tr -d '\r' <<<"$actual")
    [[ $actual == "$3" ]] || { echo "     the tip of $2 on \"$1\" is \"$actual\", not \"$3\""; return 1; }
}

# rest_shows_tip TITLE TARGET TEXT: the pointer, moved onto the control and
# left resting there, brings up the window's tooltip reading TEXT.
rest_shows_tip() {
    local at shown
    at=$(driver centre "$1" "$2" | tr -d '\r') || return 1
    # From elsewhere, so that the move is one the window sees.
    # shellcheck disable=SC2086  # x and y
    xdotool mousemove 0 0 mousemove $at || return 1
    shown=$(driver shown-tip "$1" "$WAIT_MS" | tr -d '\r')
    xdotool mousemove 0 0
    [[ $shown == "$3" ]] || { echo "     the tooltip over $2 shows \"$shown\", not \"$3\""; return 1; }
}

windhover_tips() {
    echo "# windhover's tool tips"
    launch windhover Windhover/windhover.exe
    check "the main window shows" driver wait "$WINDHOVER" "$WAIT_MS" || return
    check "the \"Popup Blocking\" box carries its tip" tip_is "$WINDHOVER" "$BOX_BLOCKING" "$TIP_BLOCKING"
    check "and its label the same" tip_is "$WINDHOVER" "$LABEL_BLOCKING" "$TIP_BLOCKING"
    check "the \"Setup Mode\" box carries its long tip" tip_is "$WINDHOVER" "$BOX_SETUP" "$TIP_SETUP"
    check "and its label the same" tip_is "$WINDHOVER" "$LABEL_SETUP" "$TIP_SETUP"
    check "the disallowed list's tip keeps its quotation marks" \
        tip_is "$WINDHOVER" @ListBox:2 "$TIP_DISALLOWED_LIST"
    check "the allowed site's box carries its tip" tip_is "$WINDHOVER" @Edit:1 "$TIP_ALLOWED_BOX"
    check "\"Allow Next Popup\" carries its tip" tip_is "$WINDHOVER" "Allow Next Popup" "$TIP_ALLOW_NEXT"
    check "the frame \"Program Options\" has none" tip_is "$WINDHOVER" "Program Options" ""
    check "the pointer resting on \"Allow Next Popup\" shows its tip" \
        rest_shows_tip "$WINDHOVER" "Allow Next Popup" "$TIP_ALLOW_NEXT"
    check "File > Exit" driver menu "$WINDHOVER" "Exit"
    check "File > Exit ends windhover" process_ended
}

nightjar_tips() {
    echo "# nightjar's tool tips"
    local visit="Visit $HOME_PAGE" button
    launch nightjar Nightjar/nightjar.exe
    check "the main window shows" driver wait "$NIGHTJAR" "$WAIT_MS" || return
    for button in "$PREVENT" "$visit" "$STARTUP_BOX"; do
        check "\"$button\" has no tip" tip_is "$NIGHTJAR" "$button" ""
    done
    check "\"$visit\" is pressed" driver push "$NIGHTJAR" "$visit"
    check "the website window shows" driver wait "$HOME_URL" "$WAIT_MS" || return
    check "go carries its tip" tip_is "$HOME_URL" "$WEBSITE_GO" "browse the entered url"
    check "back carries its tip" tip_is "$HOME_URL" "$WEBSITE_BACK" "back"
    check "forward carries its tip" tip_is "$HOME_URL" "$WEBSITE_FORWARD" "forward"
    check "stop carries its tip" tip_is "$HOME_URL" "$WEBSITE_STOP" "stop"
    check "refresh carries its tip" tip_is "$HOME_URL" "$WEBSITE_REFRESH" "refresh"
    check "the frame \"Browser\" has none" tip_is "$HOME_URL" "$WEBSITE_FRAME" ""
    check "closing the website window" driver close "$HOME_URL"
    check "the website window goes" driver gone "$HOME_URL" "$WAIT_MS"
    check "File > Exit" driver menu "$NIGHTJAR" "Exit"
    check "nightjar ends" process_ended
}

tool_tips() {
    windhover_tips
    end_program
    nightjar_tips
    end_program
}
