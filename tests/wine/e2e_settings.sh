# shellcheck shell=bash
# Sourced by run_e2e.sh: windhover on a settings key that refuses writes, as
# a locked-down account's does. The start and the end go through; the user
# is told once which settings could not be stored. nightjar with a machine
# setting of another type than text.

WINDHOVER_SETTINGS='Software\VB and VBA Program Settings\Windhover\Settings'

wreglock() { timeout 60 wine "$(program_path Tools/wreglock.exe)" "$@" </dev/null; }

# The key refuses a write: reg.exe cannot add a value to it.
refuses_writes() {
    ! quietly timeout 60 wine reg add "HKCU\\$WINDHOVER_SETTINGS" /v probe /d x /f
}

windhover_locked_settings() {
    echo "# windhover with a settings key that refuses writes"
    check "the settings key is made to refuse writes" wreglock deny "$WINDHOVER_SETTINGS" || return
    check "reg.exe cannot write to it" refuses_writes
    launch windhover Windhover/windhover.exe
    check "the main window shows" driver wait "$WINDHOVER" "$WAIT_MS"
    check "a box titled \"Windhover\" tells what could not be stored" driver wait "Windhover" "$WAIT_MS"
    check "it names the window state" told_refused state
    check "answering it" driver answer "Windhover" OK
    check "the notification-area icon shows" driver wait "$TRAY" "$WAIT_MS"
    check "the main window still shows" driver wait "$WINDHOVER" 0
    check "File > Exit" driver menu "$WINDHOVER" "Exit"
    check "File > Exit ends windhover" process_ended
    check "the notification-area icon goes" driver gone "$TRAY" "$WAIT_MS"
    check "the settings key takes writes again" wreglock allow "$WINDHOVER_SETTINGS"
}

# told_refused KEY: the message box titled "Windhover" names the setting.
told_refused() {
    local said
    said=$(driver message "Windhover" | tr -d '\r')
    [[ $said == *"\"$1\""* ]] || { echo "     the box says \"$said\""; return 1; }
}

# set_aside_told: nightjar's box names "Auto" and its type.
set_aside_told() {
    local said
    said=$(driver message "$NIGHTJAR" | tr -d '\r')
    [[ $said == *"\"Auto\" ($AUTO_BOX) is a REG_DWORD value."* ]] || { echo "     the box says \"$said\""; return 1; }
}

# nightjar with "Auto" stored as a number: the value is set aside as if it
# were absent, the user is told once, and the program starts; the value
# stays as it is until the option is changed.
nightjar_auto_dword() {
    echo "# nightjar with \"Auto\" stored as REG_DWORD"
    check "\"Auto\" is stored as REG_DWORD 1" \
        quietly timeout 60 wine reg add "$MACHINE_KEY" /v Auto /t REG_DWORD /d 1 /f || return
    launch nightjar Nightjar/nightjar.exe
    check "a box titled \"$NIGHTJAR\" says \"Auto\" is set aside, and why" set_aside_told
    check "answering it" driver answer "$NIGHTJAR" OK
    check "no second box" no_message_box
    check "the main window shows" has_text "$NIGHTJAR" "$AUTO_BOX"
    check "no wait box: \"Auto\" is taken as off" driver absent "$WAIT_BOX" 0
    check "\"$AUTO_BOX\" is unticked" check_state_is "$NIGHTJAR" "$AUTO_BOX" 0
    check "\"Auto\" is left as it is" registry_value_is "$MACHINE_KEY" Auto 0x1
    check "ticking \"$AUTO_BOX\"" driver click "$NIGHTJAR" "$AUTO_BOX"
    check "\"Auto\" is the text \"1\" now" registry_value_is "$MACHINE_KEY" Auto 1 REG_SZ
    check "unticking it" driver click "$NIGHTJAR" "$AUTO_BOX"
    check "\"Auto\" is \"0\"" registry_value_is "$MACHINE_KEY" Auto 0 REG_SZ
    check "File > Exit" driver menu "$NIGHTJAR" "Exit"
    check "File > Exit ends nightjar" process_ended
}
