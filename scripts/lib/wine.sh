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

# Wine's own loaders. Debian's `wine` wrapper (and wineboot and winecfg,
# which go through it) always takes the 32-bit loader when wine32 is
# installed, so each width calls its loader directly.
wine_loader() {
    case $1 in
        32) echo /usr/lib/wine/wine ;;
        64) echo /usr/lib/wine/wine64 ;;
    esac
}

# wine_runs BITS: whether this machine runs Wine's loader of that width. Some
# kernels run no 32-bit programs at all: the 32-bit loader then fails with
# "Exec format error".
wine_runs() {
    local loader
    loader=$(wine_loader "$1")
    [[ -x $loader ]] && timeout 30 "$loader" --version >/dev/null 2>&1
}

# wine_widths: the widths a run takes, from WINE_BITS (32, 64 or both) or,
# unset, every width this machine runs. Says in one line on stderr when the
# 32-bit programs are left out, and fails when no width is left.
wine_widths() {
    local widths=()
    case ${WINE_BITS:-auto} in
        32 | 64) widths=("$WINE_BITS") ;;
        both) widths=(32 64) ;;
        auto)
            if wine_runs 32; then
                widths=(32 64)
            else
                echo "32-bit Wine: not run, this kernel runs no 32-bit programs" >&2
                widths=(64)
            fi
            ;;
        *) echo "WINE_BITS is \"$WINE_BITS\": say 32, 64 or both" >&2; return 2 ;;
    esac
    echo "${widths[@]}"
}

# use_prefix DIR BITS: the environment of a prefix of that width (32 unless
# told) at DIR, which make_prefix sets to Windows XP. `wine` on the PATH is
# then that width's loader, also for timeout and the other tools that run it.
# Wine's menu builder stays off: it would add menu entries to the desktop's
# own menus for the prefix.
use_prefix() {
    local bits=${2:-32} bin
    bin=$REPO/build/wine-bin/$bits
    mkdir -p "$bin"
    printf '#!/bin/sh\nexec %s "$@"\n' "$(wine_loader "$bits")" >"$bin/wine"
    chmod +x "$bin/wine"
    WINE_BASE_PATH=${WINE_BASE_PATH:-$PATH}
    export PATH="$bin:$WINE_BASE_PATH" WINELOADER=$(wine_loader "$bits")
    export WINEPREFIX=$1 WINEARCH=win$bits WINEDEBUG=-all WINEDLLOVERRIDES=winemenubuilder.exe=d
}

# Makes the prefix of use_prefix from nothing. With "persistent", one
# wineserver stays up until stop_prefix, for the whole of a test run. The
# Windows version is the prefix's "Version" value: winecfg -v refuses a
# 64-bit prefix, the value serves both.
make_prefix() {
    local log=$1 mode=${2:-}
    rm -rf "$WINEPREFIX"
    mkdir -p "$WINEPREFIX"
    if [[ $mode == persistent ]]; then
        wineserver -p || return 1
    fi
    if ! timeout 300 wine wineboot.exe -i >>"$log" 2>&1; then
        echo "wineboot failed; see $log, which ends:" >&2
        tail -n 20 "$log" | sed 's/^/     /' >&2
        return 1
    fi
    timeout 60 wine reg add 'HKCU\Software\Wine' /v Version /d winxp /f >>"$log" 2>&1 ||
        { echo "setting Windows XP failed; see $log" >&2; return 1; }
}

# On a display with no window manager, Wine is to draw the windows' captions
# and borders itself, as Windows would. Not for a prefix used on a desktop,
# whose window manager then could not move or focus them.
draw_own_frames() {
    timeout 60 wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >>"$1" 2>&1
}

# window_manager_runs: whether $DISPLAY has a window manager, seen by the
# window it names on the root window, as every EWMH window manager does.
window_manager_runs() {
    timeout 10 xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'
}

# frames_for_display LOG: the prefix set for $DISPLAY, whose frames Wine draws
# itself unless a window manager draws them; set each time for a prefix that
# goes on both kinds of display.
frames_for_display() {
    if window_manager_runs; then
        timeout 60 wine reg delete 'HKCU\Software\Wine\X11 Driver' /v Managed /f >>"$1" 2>&1
        return 0
    fi
    draw_own_frames "$1"
}

# install_test_messenger WSVC: our test service (tests/wine/test_service.cpp,
# WSVC the path of its wsvc.exe) in the prefix under the name Messenger,
# answering each control at once. Wine's service manager finds a service made
# in a fresh prefix only after restart_wineserver.
install_test_messenger() {
    timeout 60 wine "$1" install Messenger quick </dev/null
}

# restart_wineserver [persistent]: the prefix's wineserver ended and, with
# "persistent", started again to stay up until stop_prefix, as make_prefix's.
restart_wineserver() {
    wineserver -k 2>/dev/null
    timeout 30 wineserver -w 2>/dev/null
    [[ ${1:-} != persistent ]] || wineserver -p
}

stop_prefix() {
    [[ -n ${WINEPREFIX:-} && -d $WINEPREFIX ]] || return 0
    wineserver -k 2>/dev/null
    timeout 30 wineserver -w 2>/dev/null
    return 0
}
