# shellcheck shell=bash
# Sourced by run_e2e.sh: windhover's notification-area icon when the taskbar
# starts again, as after Explorer ended: every icon is gone and the shell
# broadcasts "TaskbarCreated"; nightjar's icon under the pointer.

# over_tray_icon OUT COMMAND TITLE: a driver command that watches TITLE's
# program for its icon's next callback, while the pointer moves over the icon.
over_tray_icon() {
    local tray
    armed "$ARTIFACTS/$1" driver "$2" "$3" 10000 || return 1
    tray=$(xdotool search --name "^$TRAY\$" | head -n 1)
    [[ -n $tray ]] || { echo "     no X window \"$TRAY\""; wait "$WATCHER"; return 1; }
    # The pointer moves off the icon and onto it, so that it moves over the
    # icon wherever it was; again every half second while the driver waits,
    # as a motion can be lost between X and Wine's tray on a busy machine.
    local tries
    for ((tries = 0; tries < 10; tries++)); do
        xdotool mousemove --window "$tray" 60 30 mousemove --window "$tray" 12 32
        sleep 0.5
        kill -0 "$WATCHER" 2>/dev/null || break
    done
    wait "$WATCHER"
}

# forget_tray_icon: the driver learns the icon's id from a callback (the
# mouse moving over the icon; the driver also tells the tray's icon window of
# a move itself) and takes the icon away.
forget_tray_icon() { over_tray_icon trayforget.out trayforget "$WINDHOVER"; }

# focus_main [TITLE]: the main window (windhover's unless named) takes the X
# focus, as a click on it gives it; a menu of a program without it closes at
# once under Wine.
focus_main() {
    local title=${1:-$WINDHOVER} window
    window=$(xdotool search --name "^$title\$" | head -n 1)
    [[ -n $window ]] || { echo "     no X window \"$title\""; return 1; }
    xdotool windowfocus --sync "$window"
}

windhover_taskbar_restart() {
    echo "# windhover when the taskbar starts again"
    # The help window would stand over Wine's tray in the top left corner.
    check "the help window is off" quietly timeout 60 wine reg add "$SETTINGS_KEY\\Windhover\\Settings" \
        /v showHelp /d 0 /f
    launch windhover Windhover/windhover.exe
    check "the main window shows" driver wait "$WINDHOVER" "$WAIT_MS" || return
    check "the notification-area icon shows" driver wait "$TRAY" "$WAIT_MS" || return
    check "the icon is taken away, as a taskbar that ends takes it" forget_tray_icon
    check "the tray shows no icon" driver gone "$TRAY" "$WAIT_MS"
    check "\"TaskbarCreated\" is broadcast" driver broadcast TaskbarCreated
    check "the icon is there again" driver wait "$TRAY" "$WAIT_MS"
    check "the main window takes the focus" focus_main
    check "its menu's \"Exit\" works" tray_menu 4
    check "windhover ends" process_ended
    check "the icon goes with it" driver gone "$TRAY" "$WAIT_MS"
}

# The pointer passing over nightjar's icon calls the program back with a
# mouse move each time: no menu opens. A click opens it.
nightjar_tray_pass() {
    echo "# nightjar's notification-area icon under the pointer"
    check "\"Auto\" is \"0\"" quietly timeout 60 wine reg add "$MACHINE_KEY" /v Auto /d 0 /f
    launch nightjar Nightjar/nightjar.exe
    check "the main window shows" driver wait "$NIGHTJAR" "$WAIT_MS" || return
    check "the notification-area icon shows" driver wait "$TRAY" "$WAIT_MS" || return
    check "the main window takes the focus" focus_main "$NIGHTJAR"
    check "the pointer passing over the icon opens no menu" \
        over_tray_icon traymove.out traymove "$NIGHTJAR"
    # Its items: the program's name, the line, Show, Allow, Disable, the website, Exit.
    check "a click on the icon opens the menu; its \"Exit\"" tray_menu 7
    check "nightjar ends" process_ended
    check "the icon goes with it" driver gone "$TRAY" "$WAIT_MS"
}
