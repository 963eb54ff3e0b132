# shellcheck shell=bash
# The keyboard in the real programs, sourced by run_e2e.sh: the control that
# has the focus when the main window first shows, Tab and Shift+Tab typed on
# the X display, and Space on the focused box.

FOCUS_MS=5000  # a typed key to move the focus

# focus_is TITLE TARGET: within FOCUS_MS, the control with the keyboard focus
# in the window reads TARGET, or is the "@Class:n" it names.
focus_is() {
    local actual end=$((SECONDS + FOCUS_MS / 1000))
    while :; do
        actual=$(driver focus "$1" | tr -d '\r')
        [[ ${actual#*$'\t'} == "$2" || ${actual%%$'\t'*} == "$2" ]] && return 0
        ((SECONDS < end)) || break
        sleep 0.2
    done
    echo "     the focus in \"$1\" is on \"$actual\", not \"$2\""
    return 1
}

# type_keys TITLE KEY...: the keys typed on the X display while the window has
# the X focus (Wine takes keys only then).
type_keys() {
    local title=$1 window
    shift
    window=$(xdotool search --name "^$title\$" | head -n 1)
    [[ -n $window ]] || { echo "     no X window \"$title\""; return 1; }
    xdotool windowfocus --sync "$window" key --delay 100 "$@"
}

# keys_move_focus TITLE TARGET KEY...: the keys take the focus to TARGET.
keys_move_focus() {
    local title=$1 target=$2
    shift 2
    type_keys "$title" "$@" && focus_is "$title" "$target"
}

nightjar_keys() {
    local visit="Visit $HOME_PAGE" test_message="Send Yourself a Test Popup Message"
    echo "# nightjar by the keyboard"
    launch nightjar Nightjar/nightjar.exe
    check "the main window shows" driver wait "$NIGHTJAR" "$WAIT_MS" || return
    check "the Visit button has the focus at the first show" focus_is "$NIGHTJAR" "$visit"
    check "Tab moves it to the test-message button" keys_move_focus "$NIGHTJAR" "$test_message" Tab
    check "Shift+Tab moves it back to the Visit button" keys_move_focus "$NIGHTJAR" "$visit" shift+Tab
    check "Shift+Tab twice goes round to \"$AUTO_BOX\"" \
        keys_move_focus "$NIGHTJAR" "$AUTO_BOX" shift+Tab shift+Tab
    check "\"$AUTO_BOX\" starts unticked" check_state_is "$NIGHTJAR" "$AUTO_BOX" 0
    check "Space on it" type_keys "$NIGHTJAR" space
    check "ticks it" await check_state_is "$NIGHTJAR" "$AUTO_BOX" 1
    check "and writes \"Auto\" \"1\"" registry_value_is "$MACHINE_KEY" Auto 1
    check "Space again" type_keys "$NIGHTJAR" space
    check "unticks it" await check_state_is "$NIGHTJAR" "$AUTO_BOX" 0
    check "and writes \"Auto\" \"0\"" registry_value_is "$MACHINE_KEY" Auto 0
    check "the focus stays on the box" focus_is "$NIGHTJAR" "$AUTO_BOX"
    website_keys
    check "back in the main window, the box has the focus again" focus_is "$NIGHTJAR" "$AUTO_BOX"
    check "File > Exit" driver menu "$NIGHTJAR" "Exit"
    check "File > Exit ends nightjar" process_ended
}

# The website window starts in its address box, where a typed Enter opens
# the address and does not press a button.
website_keys() {
    check "About > About this software" driver menu "$NIGHTJAR" "About this software"
    open_website || return
    check "the address box has the focus" focus_is "$HOME_URL" "$HOME_URL"
    check "an address put into the box" driver type "$HOME_URL" "$HOME_URL" about:blank
    check "Enter typed in the box" type_keys "$HOME_URL" Return
    check "opens the address" driver wait about:blank "$WAIT_MS"
    check "Tab moves the focus to the go button" keys_move_focus about:blank "$WEBSITE_GO" Tab
    check "closing the website window" driver close about:blank
    check "closing the about box" driver close "About Nightjar"
    check "both go" driver gone "About Nightjar" "$WAIT_MS"
}

windhover_keys() {
    echo "# windhover by the keyboard"
    launch windhover Windhover/windhover.exe
    check "the main window shows" driver wait "$WINDHOVER" "$WAIT_MS" || return
    check "the first option box has the focus at the first show" focus_is "$WINDHOVER" "$BOX_BLOCKING"
    check "Tab moves it to the second" keys_move_focus "$WINDHOVER" "$BOX_SETUP" Tab
    check "Shift+Tab moves it back" keys_move_focus "$WINDHOVER" "$BOX_BLOCKING" shift+Tab
    check "File > Exit" driver menu "$WINDHOVER" "Exit"
    check "File > Exit ends windhover" process_ended
}

# await COMMAND...: the command succeeds within FOCUS_MS.
await() {
    local end=$((SECONDS + FOCUS_MS / 1000))
    until "$@" >/dev/null; do
        ((SECONDS < end)) || { "$@"; return; }
        sleep 0.2
    done
}

keyboard_navigation() {
    windhover_keys
    end_program
    nightjar_keys
    end_program
}
