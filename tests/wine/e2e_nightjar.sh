# shellcheck shell=bash
# nightjar's own scenarios, sourced by run_e2e.sh, whose helpers they use:
# without a Messenger service, refused on Windows 7, Allow and Prevent against
# Wine's Service Control Manager, the about box and the website window.

NIGHTJAR="Nightjar"
HOME_PAGE="www.quillmere.example"
# The website window's caption once its page came: Wine has no HTML engine
# offline, so the page stays blank, has no title, and goes by its address.
HOME_URL="http://www.quillmere.example/"
WAIT_BOX="Service Control"
STATUS_ON="Popup Messages Enabled"
STATUS_OFF="Popup Messages Disabled"
ALLOW="Allow Windows Popup Messages"
PREVENT="Prevent Windows Popup Messages"
AUTO_BOX="Automatically Disable Popup Messages"
STARTUP_BOX="Run automatically at startup"
MACHINE_KEY='HKLM\SOFTWARE\Quillmere\duskwing\Settings'
NO_MESSENGER="The Messenger service is not installed on this computer, so there are no popup messages for Nightjar to prevent. The program will now close."
REFUSAL="This program can only be run on Windows NT/2000/XP."

messenger_is() {
    local state
    state=$(wsvc state Messenger | tr -d '\r')
    [[ $state == "$1" ]] || { echo "     Messenger is in state \"$state\", not $1"; return 1; }
}

# await_messenger STATE: the service reaches the state within WAIT_MS.
await_messenger() {
    local end=$((SECONDS + WAIT_MS / 1000))
    while ((SECONDS < end)); do
        messenger_is "$1" >/dev/null && return 0
        sleep 0.5
    done
    messenger_is "$1"
}

# press_and_wait BUTTON: presses a button of the main window whose action
# waits in the service wait box, and sees the box come and go.
press_and_wait() {
    check "\"$1\" is pressed" driver push "$NIGHTJAR" "$1"
    check "the wait box \"$WAIT_BOX\" shows" driver wait "$WAIT_BOX" "$WAIT_MS"
    check "the wait box goes" driver gone "$WAIT_BOX" "$WAIT_MS"
}

# A machine without a Messenger service: before the run installs one.
nightjar_without_messenger() {
    echo "# nightjar on a machine without a Messenger service"
    launch nightjar Nightjar/nightjar.exe
    check "a box titled \"$NIGHTJAR\" shows" driver wait "$NIGHTJAR" "$WAIT_MS"
    check "it says the Messenger service is missing" message_is "$NIGHTJAR" "$NO_MESSENGER"
    check "answering it" driver answer "$NIGHTJAR" OK
    check "nightjar ends" process_ended
    check "its notification-area icon goes" driver gone "$TRAY" "$WAIT_MS"
}

nightjar_refused_on_windows_7() {
    echo "# nightjar on a prefix set to Windows 7"
    check "the prefix is set to Windows 7" prefix_version win7
    launch nightjar Nightjar/nightjar.exe
    check "a box titled \"$NIGHTJAR\" shows" driver wait "$NIGHTJAR" "$WAIT_MS"
    check "it refuses the system" message_is "$NIGHTJAR" "$REFUSAL"
    check "no notification-area icon" driver absent "$TRAY" 0
    check "answering it" driver answer "$NIGHTJAR" OK
    check "nightjar ends" process_ended
    check "the prefix is set back to Windows XP" prefix_version winxp
}

# The quick test service as Messenger, seen once the wineserver restarted.
install_messenger() {
    echo "# the test service installed as Messenger"
    check "the test service is installed under the name Messenger" \
        install_test_messenger "$(program_path Tools/wsvc.exe)" >>"$ARTIFACTS/service-install.log" 2>&1
    check "the wineserver restarts" restart_held_wineserver
}

nightjar_service_actions() {
    echo "# nightjar stops Messenger at start, and Allow and Prevent reach Wine's Service Control Manager"
    check "\"Auto\" is set to 1" quietly timeout 60 wine reg add "$MACHINE_KEY" /v Auto /d 1 /f
    check "Messenger is started" wsvc start Messenger
    check "Messenger runs" await_messenger 4
    launch nightjar Nightjar/nightjar.exe
    check "the wait box \"$WAIT_BOX\" shows at start" driver wait "$WAIT_BOX" "$WAIT_MS"
    check "it says what it does" has_text "$WAIT_BOX" "Disabling Windows Popup Messages"
    check "the main window shows" driver wait "$NIGHTJAR" "$WAIT_MS" || return
    check "Messenger was stopped before the window showed" messenger_is 1
    check "the wait box is gone" driver gone "$WAIT_BOX" 0
    check "the label reads \"$STATUS_OFF\"" has_text "$NIGHTJAR" "$STATUS_OFF"
    check "\"$AUTO_BOX\" is ticked" check_state_is "$NIGHTJAR" "$AUTO_BOX" 1

    press_and_wait "$ALLOW"
    check "Messenger runs" messenger_is 4
    check "the label reads \"$STATUS_ON\"" has_text "$NIGHTJAR" "$STATUS_ON"
    screenshot nightjar-main "$NIGHTJAR"
    press_and_wait "$PREVENT"
    check "Messenger is stopped" messenger_is 1
    check "the label reads \"$STATUS_OFF\"" has_text "$NIGHTJAR" "$STATUS_OFF"

    check "unticking \"$AUTO_BOX\"" driver click "$NIGHTJAR" "$AUTO_BOX"
    check "\"Auto\" is \"0\"" registry_value_is "$MACHINE_KEY" Auto 0
    check "ticking \"$STARTUP_BOX\"" driver click "$NIGHTJAR" "$STARTUP_BOX"
    check "\"Startup\" is \"1\"" registry_value_is "$MACHINE_KEY" Startup 1
    check "the run-at-log-on value names nightjar.exe" \
        registry_value_is "$RUN_KEY" duskwing '"C:\Program Files\Quillmere\Nightjar\nightjar.exe"'
    check "unticking \"$STARTUP_BOX\"" driver click "$NIGHTJAR" "$STARTUP_BOX"
    check "\"Startup\" is \"0\"" registry_value_is "$MACHINE_KEY" Startup 0
    check "the run-at-log-on value is gone" registry_value_is "$RUN_KEY" duskwing ""
    check "File > Exit" driver menu "$NIGHTJAR" "Exit"
    check "File > Exit ends nightjar" process_ended
}

nightjar_start() {
    echo "# nightjar, its about box"
    launch_after_splash nightjar Nightjar/nightjar.exe "$NIGHTJAR" || return
    check "the notification-area icon shows" driver wait "$TRAY" "$WAIT_MS"
    check "no wait box: \"Auto\" is off" driver absent "$WAIT_BOX" "$ABSENT_MS"
    check "About > About this software" driver menu "$NIGHTJAR" "About this software"
    check "the about box \"About Nightjar\" shows" driver wait "About Nightjar" "$WAIT_MS"
    check "the about box shows version 2.0" has_text "About Nightjar" "2.0"
    screenshot nightjar "About Nightjar"
    nightjar_website
    check "closing the about box" driver close "About Nightjar"
    check "the about box goes" driver gone "About Nightjar" "$WAIT_MS"
    check "the main window stays" driver wait "$NIGHTJAR" 0
    nightjar_website_last
}

# The about box's home page opens the built-in browser window.
open_website() {
    check "clicking the home page in the about box" driver click "About Nightjar" "$HOME_PAGE"
    check "the website window shows, named by its page's address" driver wait "$HOME_URL" "$WAIT_MS"
}

website_buttons() {
    local button
    has_text "$HOME_URL" "URL:" || return
    for button in "$WEBSITE_GO" "$WEBSITE_BACK" "$WEBSITE_FORWARD" "$WEBSITE_STOP" "$WEBSITE_REFRESH"; do
        driver read "$HOME_URL" "$button" >/dev/null || return
    done
}

# maximised TITLE: the window is larger than its design size of 711x600.
maximised() {
    driver list | tr -d '\r' | awk -F'\t' -v title="$1" '
        $2 == title { split($3, size, "x"); if (size[1] > 711 && size[2] > 600) found = 1 }
        END { exit !found }'
}

nightjar_website() {
    local before
    open_website || return
    check "the website window is maximised" maximised "$HOME_URL"
    check "its address box shows the page's address" has_text "$HOME_URL" "$HOME_URL"
    check "its address label, go, back, forward, stop and refresh buttons show" website_buttons
    check "clicking the home page again" driver click "About Nightjar" "$HOME_PAGE"
    check "still only one website window" one_window "$HOME_URL"
    before=$(window_count)
    check "back with no history is ignored" driver click "$HOME_URL" "$WEBSITE_BACK"
    check "forward with no history is ignored" driver click "$HOME_URL" "$WEBSITE_FORWARD"
    check "stop is ignored" driver click "$HOME_URL" "$WEBSITE_STOP"
    check "refresh works" driver click "$HOME_URL" "$WEBSITE_REFRESH"
    check "none of them opened a box" test "$(window_count)" -eq "$before"
    screenshot nightjar-website "$HOME_URL"
    check "Enter in the address box opens what was typed" driver enter "$HOME_URL" "$HOME_URL" "about:blank"
    check "the window is then named about:blank" driver wait "about:blank" "$WAIT_MS"
    check "closing the website window" driver close "about:blank"
    check "the website window goes" driver gone "about:blank" "$WAIT_MS"
    check "the main window stays" driver wait "$NIGHTJAR" 0
}

# The main window closes while the website window is open: the program runs
# on with the website window and ends once that closes.
nightjar_website_last() {
    check "About > About this software" driver menu "$NIGHTJAR" "About this software"
    open_website || return
    check "closing the main window is accepted" driver close "$NIGHTJAR"
    check "the main window goes" driver gone "$NIGHTJAR" "$WAIT_MS"
    check "the website window stays open" driver wait "$HOME_URL" 0
    check "nightjar runs on" kill -0 "$PROGRAM_PID"
    check "closing the website window, the last one" driver close "$HOME_URL"
    check "closing the last window ends nightjar" process_ended
}
