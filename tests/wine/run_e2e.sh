#!/bin/bash
# End-to-end run of the real windhover.exe and nightjar.exe under Wine, in a
# fresh Windows XP prefix on a virtual X display, looking at what the user
# and the system see: windows, their captions and controls, the registry.
#
#   tests/wine/run_e2e.sh [build-dir]     (default build/win32)
#
# Every wait has a bound. Screenshots and logs go to build/wine-artifacts/.
# Ends with "N passed, M failed" and fails if anything failed.
set -uo pipefail

REPO=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
BUILD=$(cd "${1:-$REPO/build/win32}" && pwd) || exit 2
ARTIFACTS=$REPO/build/wine-artifacts
source "$REPO/scripts/lib/wine.sh"

WAIT_MS=20000         # a window to show or go
ABSENT_MS=3000        # how long a window that must not show is watched for
EXIT_S=20             # a program to end after its main window closes

passed=0
failed=0

pass() { passed=$((passed + 1)); echo "ok   - $*"; }
fail() { failed=$((failed + 1)); echo "FAIL - $*"; }

# check NAME COMMAND...: one check, passed when the command succeeds.
indent() { sed 's/^/       /'; }

check() {
    local name=$1
    shift
    if "$@"; then pass "$name"; else fail "$name"; fi
}

# --- the programs and the tools in the prefix ---------------------------------

INSTALL_DIR="Program Files/Quillmere"

install_programs() {
    local root=$WINEPREFIX/drive_c/$INSTALL_DIR
    mkdir -p "$root/Windhover/sounds" "$root/Nightjar" "$root/Tools"
    cp "$BUILD/blocker/windhover.exe" "$BUILD/blocker/Help.rtf" "$root/Windhover/" &&
        cp "$BUILD/blocker/sounds/pop.wav" "$root/Windhover/sounds/" &&
        cp "$BUILD/svcstop/nightjar.exe" "$BUILD/svcstop/Help.rtf" "$root/Nightjar/" &&
        cp "$BUILD/tests/wine/wdriver.exe" "$BUILD/tests/wine/wmenuhook.dll" "$BUILD/tests/wine/wcontract.exe" \
            "$BUILD/tests/wine/wsinkcheck.exe" "$root/Tools/"
}

program_path() { echo "$WINEPREFIX/drive_c/$INSTALL_DIR/$1"; }

driver() { timeout 60 wine "$(program_path Tools/wdriver.exe)" "$@"; }

# --- starting and ending a program --------------------------------------------

PROGRAM_PID=

# launch NAME EXE: starts the program in the background, its output in a log.
launch() {
    local log=$ARTIFACTS/$1.log
    echo "--- start $2" >>"$log"
    wine "$(program_path "$2")" >>"$log" 2>&1 &
    PROGRAM_PID=$!
}

process_ended() { timeout "$EXIT_S" tail --pid="$PROGRAM_PID" -s 0.1 -f /dev/null; }

# Whatever a failed scenario left running goes before the next one starts.
end_program() {
    [[ -n $PROGRAM_PID ]] || return 0
    if kill -0 "$PROGRAM_PID" 2>/dev/null; then
        kill "$PROGRAM_PID" 2>/dev/null
        wait "$PROGRAM_PID" 2>/dev/null
    fi
    PROGRAM_PID=
}

# --- what the checks look at --------------------------------------------------

SETTINGS_KEY='HKCU\Software\VB and VBA Program Settings'

# setting PRODUCT NAME: prints the value, nothing if there is none.
setting() {
    timeout 60 wine reg query "$SETTINGS_KEY\\$1\\Settings" /v "$2" 2>/dev/null |
        tr -d '\r' | awk -v name="$2" '$1 == name { print $3 }'
}

setting_is() {
    local actual
    actual=$(setting "$1" "$2")
    [[ $actual == "$3" ]] || { echo "     $1 $2 is \"$actual\", not \"$3\""; return 1; }
}

check_state_is() {
    local actual
    actual=$(driver checked "$1" "$2" | tr -d '\r')
    [[ $actual == "$3" ]] || { echo "     \"$2\" on \"$1\" is \"$actual\", not \"$3\""; return 1; }
}

# has_text TITLE TEXT: one of the window's controls reads exactly TEXT.
has_text() {
    local texts
    texts=$(driver texts "$1" | tr -d '\r')
    if ! awk -F'\t' -v text="$2" '$2 == text { found = 1 } END { exit !found }' <<<"$texts"; then
        echo "     no control of \"$1\" reads \"$2\"; it has:"
        indent <<<"$texts"
        return 1
    fi
}

# screenshot NAME TITLE: the whole display, once the program that shows
# TITLE has painted all its windows.
screenshot() {
    local file=$ARTIFACTS/$1.png
    driver settle "$2"
    if timeout 30 import -window root "$file"; then
        SCREENSHOTS+=("$file")
    else
        echo "     no screenshot $file"
    fi
}

SPLASH_SIZE=400x240   # 6000x3600 twips
TRAY="Wine System Tray"  # Wine's own notification area, shown while it holds an icon

# --- the platform contract -----------------------------------------------------

# wcontract.exe checks, row by row, that the real registry, file system and
# version record answer as the simulation the host tests run on does. Its rows
# count as checks; the whole table is in contract.log, the failures and the
# rows where Wine answers otherwise than the simulation are shown here.
platform_contract() {
    echo "# the platform contract"
    local log=$ARTIFACTS/contract.log summary rows_passed rows_failed
    timeout 120 wine "$(program_path Tools/wcontract.exe)" 2>&1 | tr -d '\r' >"$log"
    grep -E '^FAIL|Wine answers' "$log" | sed 's/^/     /'
    summary=$(tail -n 1 "$log")
    if [[ $summary =~ ^([0-9]+)\ passed,\ ([0-9]+)\ failed$ ]]; then
        rows_passed=${BASH_REMATCH[1]} rows_failed=${BASH_REMATCH[2]}
        passed=$((passed + rows_passed))
        failed=$((failed + rows_failed))
        echo "contract: $rows_passed rows passed, $rows_failed failed (table in $log)"
    else
        fail "wcontract.exe runs to its end (see $log)"
    fi
}

# --- the browser event sink -----------------------------------------------------

# wsinkcheck.exe calls the sink's Invoke with real DISPPARAMS, as a browser
# does (Wine's browsers never raise NewWindow2), with windhover's decision
# behind it. Its rows count as checks; the table is in sink.log.
browser_sink() {
    echo "# the browser event sink"
    local log=$ARTIFACTS/sink.log summary
    timeout 120 wine "$(program_path Tools/wsinkcheck.exe)" 2>&1 | tr -d '\r' >"$log"
    grep -E '^FAIL' "$log" | sed 's/^/     /'
    summary=$(tail -n 1 "$log")
    if [[ $summary =~ ^([0-9]+)\ passed,\ ([0-9]+)\ failed$ ]]; then
        passed=$((passed + BASH_REMATCH[1]))
        failed=$((failed + BASH_REMATCH[2]))
        echo "sink: ${BASH_REMATCH[1]} rows passed, ${BASH_REMATCH[2]} failed (table in $log)"
    else
        fail "wsinkcheck.exe runs to its end (see $log)"
    fi
}

# --- windhover ----------------------------------------------------------------

WINDHOVER="Windhover by Quillmere"
HELP="Readme/Help"
SHOW_AT_STARTUP="Show at Startup"

# launch_after_splash NAME EXE MAIN: starts the program; its splash, an
# untitled window of 400x240, shows and goes again once MAIN is up.
launch_after_splash() {
    # The splash is up for about a second: watch for it before the program starts.
    driver wait "" "$WAIT_MS" "$SPLASH_SIZE" &
    local splash_watch=$!
    launch "$1" "$2"
    check "the splash shows" wait "$splash_watch"
    check "the main window \"$3\" shows" driver wait "$3" "$WAIT_MS" || return
    check "the splash goes once the main window is up" driver gone "" "$WAIT_MS" "$SPLASH_SIZE"
}

windhover_first_start() {
    echo "# windhover, first start"
    launch_after_splash windhover Windhover/windhover.exe "$WINDHOVER" || return
    check "the notification-area icon shows" driver wait "$TRAY" "$WAIT_MS"
    # Wine's shell lists no windows: the browser-window tracker finds none and says nothing.
    check "no message box at start" driver absent "Windhover" "$ABSENT_MS"
    check "the help window shows on the first start" driver wait "$HELP" "$WAIT_MS"
    check "showHelp is \"1\" after the start" setting_is Windhover showHelp 1
    check "\"$SHOW_AT_STARTUP\" is ticked" check_state_is "$HELP" "$SHOW_AT_STARTUP" 1
    check "the help window's text comes from Help.rtf" help_text_loaded

    check "unticking \"$SHOW_AT_STARTUP\" works" driver click "$HELP" "$SHOW_AT_STARTUP"
    check "showHelp is \"0\" at once" setting_is Windhover showHelp 0
    check "\"$SHOW_AT_STARTUP\" is unticked" check_state_is "$HELP" "$SHOW_AT_STARTUP" 0

    check "About > About this software" driver menu "$WINDHOVER" "About this software"
    check "the about box \"About Windhover\" shows" driver wait "About Windhover" "$WAIT_MS"
    check "the about box shows version 2.1" has_text "About Windhover" "2.1"
    check "the about box shows the home page" has_text "About Windhover" "www.quillmere.example"
    screenshot windhover "About Windhover"

    check "closing the main window is accepted" driver close "$WINDHOVER"
    check "closing the main window ends windhover" process_ended
}

help_text_loaded() {
    local texts
    texts=$(driver texts "$HELP" | tr -d '\r')
    grep -q "Windhover and Nightjar" <<<"$texts" ||
        { echo "     the help text is not ours:"; indent <<<"$texts"; return 1; }
}

windhover_second_start() {
    echo "# windhover, second start"
    launch windhover Windhover/windhover.exe
    check "the main window shows again" driver wait "$WINDHOVER" "$WAIT_MS" || return
    check "no help window on the second start" driver absent "$HELP" "$ABSENT_MS"
    check "Help > View Help" driver menu "$WINDHOVER" "View Help"
    check "the help window shows from the menu" driver wait "$HELP" "$WAIT_MS"
    check "\"$SHOW_AT_STARTUP\" stays unticked" check_state_is "$HELP" "$SHOW_AT_STARTUP" 0
    check "File > Exit" driver menu "$WINDHOVER" "Exit"
    check "File > Exit ends windhover" process_ended
}

# --- nightjar -----------------------------------------------------------------

NIGHTJAR="Nightjar"

nightjar_start() {
    echo "# nightjar"
    launch_after_splash nightjar Nightjar/nightjar.exe "$NIGHTJAR" || return
    check "the notification-area icon shows" driver wait "$TRAY" "$WAIT_MS"
    check "About > About this software" driver menu "$NIGHTJAR" "About this software"
    check "the about box \"About Nightjar\" shows" driver wait "About Nightjar" "$WAIT_MS"
    check "the about box shows version 2.0" has_text "About Nightjar" "2.0"
    screenshot nightjar "About Nightjar"
    check "closing the about box" driver close "About Nightjar"
    check "the about box goes" driver gone "About Nightjar" "$WAIT_MS"
    check "the main window stays" driver wait "$NIGHTJAR" 0
    check "closing the main window is accepted" driver close "$NIGHTJAR"
    check "closing the main window ends nightjar" process_ended
}

# --- the run --------------------------------------------------------------------

cleanup() {
    end_program
    stop_prefix
    stop_virtual_display
}

main() {
    local started=$SECONDS file
    for file in blocker/windhover.exe blocker/Help.rtf blocker/sounds/pop.wav svcstop/nightjar.exe svcstop/Help.rtf \
        tests/wine/wdriver.exe tests/wine/wmenuhook.dll tests/wine/wcontract.exe tests/wine/wsinkcheck.exe; do
        [[ -f $BUILD/$file ]] || { echo "missing $BUILD/$file: build the Windows target first" >&2; exit 2; }
    done
    rm -rf "$ARTIFACTS"
    mkdir -p "$ARTIFACTS"
    SCREENSHOTS=()

    trap cleanup EXIT
    start_virtual_display "$ARTIFACTS/xvfb.log" || exit 1
    use_prefix "$REPO/build/wine-e2e"
    echo "# a fresh prefix in $WINEPREFIX on display $DISPLAY"
    if ! make_prefix "$ARTIFACTS/prefix.log" persistent || ! draw_own_frames "$ARTIFACTS/prefix.log" ||
        ! install_programs; then
        fail "the Wine prefix is made and the programs installed"
        echo "$passed passed, $failed failed"
        exit 1
    fi

    platform_contract
    browser_sink
    windhover_first_start
    end_program
    windhover_second_start
    end_program
    nightjar_start
    end_program

    if ((failed)); then
        echo "# windows on the display at the end:"
        driver list | indent
    fi
    local shot
    for shot in "${SCREENSHOTS[@]}"; do echo "screenshot: $shot"; done
    echo "logs: $ARTIFACTS (took $((SECONDS - started)) s)"
    echo "$passed passed, $failed failed"
    ((failed == 0))
}

main
