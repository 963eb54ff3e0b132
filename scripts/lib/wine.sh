# shellcheck shell=bash
# A virtual X display and Wine prefixes for running the Windows programs.

# Starts Xvfb on a free display and exports DISPLAY; XVFB_PID is the server.
# Xvfb writes the display's number once it accepts clients.
start_virtual_display() {
    local log=$1 fifo number
    fifo=$(mktemp -u "${TMPDIR:-/tmp}/xvfb.XXXXXX")
    mkfifo "$fifo"
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fifo" >"$log" 2>&1 &
    XVFB_PID=$!
    if ! read -r -t 20 number <"$fifo"; then
        rm -f "$fifo"
        echo "Xvfb did not start; see $log" >&2
        return 1
    fi
    rm -f "$fifo"
    export DISPLAY=":$number"
}

stop_virtual_display() {
    [[ -n ${XVFB_PID:-} ]] || return 0
    kill "$XVFB_PID" 2>/dev/null
    wait "$XVFB_PID" 2>/dev/null
    XVFB_PID=
}

display_works() {
    [[ -n ${DISPLAY:-} ]] && timeout 10 xdpyinfo >/dev/null 2>&1
}

# The environment of a 32-bit prefix at $1 (make_prefix sets it to Windows
# XP). Wine's menu builder stays off: it would add menu entries to the
# desktop's own menus for the prefix.
use_prefix() {
    export WINEPREFIX=$1 WINEARCH=win32 WINEDEBUG=-all WINEDLLOVERRIDES=winemenubuilder.exe=d
}

# Makes the prefix of use_prefix from nothing. With "persistent", one
# wineserver stays up until stop_prefix, for the whole of a test run.
make_prefix() {
    local log=$1 mode=${2:-}
    rm -rf "$WINEPREFIX"
    mkdir -p "$WINEPREFIX"
    if [[ $mode == persistent ]]; then
        wineserver -p || return 1
    fi
    timeout 300 wineboot -i >>"$log" 2>&1 || { echo "wineboot failed; see $log" >&2; return 1; }
    timeout 60 winecfg -v winxp >>"$log" 2>&1 || { echo "winecfg failed; see $log" >&2; return 1; }
}

# On a display with no window manager, Wine is to draw the windows' captions
# and borders itself, as Windows would. Not for a prefix used on a desktop,
# whose window manager then could not move or focus them.
draw_own_frames() {
    timeout 60 wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >>"$1" 2>&1
}

stop_prefix() {
    [[ -n ${WINEPREFIX:-} && -d $WINEPREFIX ]] || return 0
    wineserver -k 2>/dev/null
    timeout 30 wineserver -w 2>/dev/null
    return 0
}
