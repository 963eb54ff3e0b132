# shellcheck shell=bash
# Sourced by run_e2e.sh: windhover on a settings key that refuses writes, as
# a locked-down account's does. The start and the end go through; the user
# is told once which settings could not be stored.

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
