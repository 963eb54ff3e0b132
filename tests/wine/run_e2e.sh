#!/bin/bash
# End-to-end run of the real windhover.exe and nightjar.exe under Wine, in a
# fresh Windows XP prefix on a virtual X display, looking at what the user
# and the system see: windows, their captions and controls, the registry.
#
#   [WINE_BITS=32|64|both] tests/wine/run_e2e.sh
#
# The whole run goes once for each width: the 32-bit build (build/win32) in a
# 32-bit prefix and the 64-bit build (build/win64) in a 64-bit one. Unless
# WINE_BITS says otherwise, it takes every width this machine runs.
# Every wait has a bound. Screenshots and logs go to build/wine-artifacts/win32
# and win64. Ends with "N passed, M failed" over all widths and fails if
# anything failed.
set -uo pipefail

REPO=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
source "$REPO/scripts/lib/build.sh"
source "$REPO/scripts/lib/wine.sh"
source "$REPO/tests/wine/e2e_lists.sh"
source "$REPO/tests/wine/e2e_settings.sh"
source "$REPO/tests/wine/e2e_tray.sh"
source "$REPO/tests/wine/e2e_browsers.sh"
source "$REPO/tests/wine/e2e_long_list.sh"
source "$REPO/tests/wine/e2e_pictures.sh"
source "$REPO/tests/wine/e2e_services.sh"
source "$REPO/tests/wine/e2e_keys.sh"
source "$REPO/tests/wine/e2e_paths.sh"
source "$REPO/tests/wine/e2e_tips.sh"
ARTIFACTS_ROOT=$REPO/build/wine-artifacts
# Set for each width by run_width.
WIDTH=
BUILD=
ARTIFACTS=

WAIT_MS=20000         # a window to show or go
ABSENT_MS=3000        # how long a window that must not show is watched for
EXIT_S=20             # a program to end after its main window closes

passed=0
failed=0

pass() { passed=$((passed + 1)); echo "ok   - $*"; }
fail() { failed=$((failed + 1)); echo "FAIL - $*"; }

indent() { sed 's/^/       /'; }

# check NAME COMMAND...: one check, passed when the command succeeds; fails
# as the command does, so that a scenario can stop at a step it needs.
check() {
    local name=$1
    shift
    if "$@"; then pass "$name"; else fail "$name"; return 1; fi
}

# --- the programs and the tools in the prefix ---------------------------------

INSTALL_DIR="Program Files/Quillmere"

# The test programs of tests/wine/ all go to the tools folder; a step whose
# program is missing fails on its own.
install_programs() {
    local root=$WINEPREFIX/drive_c/$INSTALL_DIR
    mkdir -p "$root/Windhover/sounds" "$root/Nightjar" "$root/Tools"
    cp "$BUILD/blocker/windhover.exe" "$BUILD/blocker/Help.rtf" "$BUILD/blocker/icon.ico" \
        "$BUILD/blocker/hoticon.ico" "$root/Windhover/" &&
        cp "$BUILD/blocker/sounds/pop.wav" "$root/Windhover/sounds/" &&
        cp "$BUILD/svcstop/nightjar.exe" "$BUILD/svcstop/Help.rtf" "$root/Nightjar/" &&
        cp "$BUILD"/tests/wine/*.exe "$BUILD"/tests/wine/*.dll "$root/Tools/"
}

program_path() { echo "$WINEPREFIX/drive_c/$INSTALL_DIR/$1"; }

driver() { timeout 60 wine "$(program_path Tools/wdriver.exe)" "$@"; }

# --- Wine's desktop -------------------------------------------------------------

# On Windows the desktop lasts as long as the session. Wine's explorer ends
# its desktop, and every window on it, a second after the wineserver counts
# no thread of another program on it; while one of explorer's own threads
# ends (an idle worker, a finished call from windhover), the count takes a
# program that runs on one thread, as nightjar does, for none. The driver
# holds the desktop with two threads of its own from each start of the
# wineserver to its end, so that it lasts as Windows' does.
HOLD_PID=
DESKTOP_PID=

hold_desktop() {
    local log=$ARTIFACTS/desktop-hold.log end=$((SECONDS + WAIT_MS / 1000))
    DESKTOP_PID=
    : >"$log"  # the background job would empty it only once it runs
    wine "$(program_path Tools/wdriver.exe)" hold >>"$log" 2>&1 </dev/null &
    HOLD_PID=$!
    while ((SECONDS < end)) && kill -0 "$HOLD_PID" 2>/dev/null; do
        DESKTOP_PID=$(tr -d '\r' <"$log" | awk '$1 == "holding" { print $2 }')
        [[ -n $DESKTOP_PID ]] && return 0
        sleep 0.2
    done
    echo "     the driver does not hold the desktop; see $log"
    return 1
}

release_desktop() {
    [[ -n $HOLD_PID ]] || return 0
    kill "$HOLD_PID" 2>/dev/null
    wait "$HOLD_PID" 2>/dev/null
    HOLD_PID=
}

# desktop_kept: the desktop's process is still the one held since the wineserver started.
desktop_kept() {
    local now
    now=$(driver desktop | tr -d '\r')
    [[ $now == "$DESKTOP_PID" ]] || { echo "     the desktop's process is $now, not $DESKTOP_PID"; return 1; }
}

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

# reg_data KEY NAME: the data of a REG_SZ value, nothing if there is none.
reg_data() {
    timeout 60 wine reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' |
        awk -v name="$2" '{ line = $0; sub(/^ +/, "", line) }
            index(line, name " ") == 1 && line ~ /REG_SZ/ { sub(/^.*REG_SZ +/, "", line); print line }'
}

reg_data_is() {
    local actual
    actual=$(reg_data "$1" "$2")
    [[ $actual == "$3" ]] || { echo "     $2 under $1 is \"$actual\", not \"$3\""; return 1; }
}

reg_key_absent() { ! timeout 60 wine reg query "$1" >/dev/null 2>&1; }

# read_is TITLE TARGET TEXT: the status bar's parts or the list box's items,
# joined by "|", read exactly TEXT.
read_is() {
    local actual
    actual=$(driver read "$1" "$2" | tr -d '\r' | paste -sd'|')
    [[ $actual == "$3" ]] || { echo "     $2 of \"$1\" reads \"$actual\", not \"$3\""; return 1; }
}

# file_is PATH BYTES: the file in the prefix holds exactly BYTES (printf's escapes).
file_is() {
    local path
    path=$(program_path "$1")
    [[ -f $path ]] || { echo "     no file $1"; return 1; }
    cmp -s "$path" <(printf '%b' "$2") || { echo "     $1 holds: $(od -An -c "$path" | tr -s ' ')"; return 1; }
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

# --- rows checked by our own test programs ----------------------------------------

# rows NAME EXE: runs the test program EXE from the tools folder; it prints
# one "ok" or "FAIL" line a row and then "N passed, M failed". Its rows
# count as checks; the whole table is in NAME.log, the failures and the rows
# where Wine answers otherwise than the simulation are shown here. The output
# goes through a file: a service the program started may hold a pipe open for
# as long as it runs.
rows() {
    local log=$ARTIFACTS/$1.log summary rows_passed rows_failed
    timeout 120 wine "$(program_path "Tools/$2")" >"$log.raw" 2>&1 </dev/null
    tr -d '\r' <"$log.raw" >"$log" && rm -f "$log.raw"
    grep -E '^FAIL|Wine answers' "$log" | sed 's/^/     /'
    # A program the rows started may still write to the console afterwards.
    summary=$(grep -E '^[0-9]+ passed, [0-9]+ failed$' "$log" | tail -n 1)
    if [[ $summary =~ ^([0-9]+)\ passed,\ ([0-9]+)\ failed$ ]]; then
        rows_passed=${BASH_REMATCH[1]} rows_failed=${BASH_REMATCH[2]}
        passed=$((passed + rows_passed))
        failed=$((failed + rows_failed))
        echo "$1: $rows_passed rows passed, $rows_failed failed (table in $log)"
    else
        fail "$2 runs to its end (see $log)"
    fi
}

# wcontract.exe checks, row by row, that the real registry, file system and
# version record answer as the simulation the host tests run on does.
platform_contract() {
    echo "# the platform contract"
    rows contract wcontract.exe
}

# wmodules.exe runs windhover's toolbar-button module against the real
# registry, nightjar's address lookup and hidden start against the system,
# and loads both programs' splash picture.
toolbar_button_and_address() {
    echo "# the toolbar button, the local address, the hidden start and the splash picture"
    rows modules wmodules.exe
}

# --- nightjar's service layer ---------------------------------------------------

# The test services (tests/wine/test_service.cpp): name, behaviour, dependency.
TEST_SERVICES=("NjQuick quick" "NjPending pending NjQuick" "NjStall stall" "NjExit exitcode" "NjNoPause nopause")

# The wineserver restarted (Wine's service manager finds a service made with
# CreateService in a fresh prefix only then), and the desktop held again.
restart_held_wineserver() {
    release_desktop
    restart_wineserver persistent && hold_desktop
}

# wsvccheck.exe drives the test services through nightjar's real service
# layer and checks what Wine's Service Control Manager reports.
service_layer() {
    echo "# the service layer against Wine's Service Control Manager"
    local log=$ARTIFACTS/service-install.log service
    for service in "${TEST_SERVICES[@]}"; do
        # shellcheck disable=SC2086  # name, behaviour and dependency as separate words
        if ! timeout 60 wine "$(program_path Tools/wsvc.exe)" install $service >>"$log" 2>&1 </dev/null; then
            fail "the test service \"$service\" is installed (see $log)"
            return
        fi
    done
    check "the wineserver restarts" restart_held_wineserver || return
    rows service-layer wsvccheck.exe
    echo "# the service wait box against Wine's Service Control Manager"
    rows wait-box wwaitbox.exe
}

# wsinkcheck.exe calls windhover's browser event sink's Invoke with real
# DISPPARAMS, as a browser does (Wine's browsers never raise NewWindow2), with
# the popup decision behind it.
browser_sink() {
    echo "# the browser event sink"
    rows sink wsinkcheck.exe
}

# wcontrols.exe shows a list box and a report-view list through the real
# backend and checks the native controls against the forms layer's.
list_controls() {
    echo "# the list box and the report-view list"
    rows controls wcontrols.exe
}

# --- windhover ----------------------------------------------------------------

WINDHOVER="Windhover by Quillmere"
HELP="Readme/Help"
SHOW_AT_STARTUP="Show at Startup"

# launch_after_splash NAME EXE MAIN: starts the program; its splash, an
# untitled window of 400x240, shows and goes again once MAIN is up.
launch_after_splash() {
    # The splash is up for about a second: the program starts once the watch
    # for it has looked.
    if armed "$ARTIFACTS/splash.out" driver watch "" "$WAIT_MS" "$SPLASH_SIZE"; then
        launch "$1" "$2"
        check "the splash shows" wait "$WATCHER"
    else
        launch "$1" "$2"
        fail "the splash shows (its watch never started)"
    fi
    check "the main window \"$3\" shows" driver wait "$3" "$WAIT_MS" || return
    check "the splash goes once the main window is up" driver gone "" "$WAIT_MS" "$SPLASH_SIZE"
}

windhover_first_start() {
    echo "# windhover, first start"
    launch_after_splash windhover Windhover/windhover.exe "$WINDHOVER" || return
    check "the notification-area icon shows" driver wait "$TRAY" "$WAIT_MS"
    # Wine's shell lists no windows: the browser-window tracker finds none and says nothing.
    check "no message box at start" driver absent "Windhover" "$ABSENT_MS"
    check "windhover holds Win+Z: registering it again fails with 1409" driver hotkey taken
    check "Win+Z typed on the display reaches windhover's hot-key target as a mouse move" win_z_reaches_target
    check "the help window shows on the first start" driver wait "$HELP" "$WAIT_MS"
    check "showHelp is \"1\" after the start" setting_is Windhover showHelp 1
    check "\"$SHOW_AT_STARTUP\" is ticked" check_state_is "$HELP" "$SHOW_AT_STARTUP" 1
    check "the help window's text comes from Help.rtf" help_text_loaded

    check "unticking \"$SHOW_AT_STARTUP\" works" driver click "$HELP" "$SHOW_AT_STARTUP"
    check "showHelp is \"0\" at once" setting_is Windhover showHelp 0
    check "\"$SHOW_AT_STARTUP\" is unticked" check_state_is "$HELP" "$SHOW_AT_STARTUP" 0

    windhover_options
    windhover_site_lists
    windhover_allow_next
    windhover_tools_menu
    windhover_tray_menu

    check "About > About this software" driver menu "$WINDHOVER" "About this software"
    check "the about box \"About Windhover\" shows" driver wait "About Windhover" "$WAIT_MS"
    check "the about box shows version 2.1" has_text "About Windhover" "2.1"
    check "the about box shows the home page" has_text "About Windhover" "www.quillmere.example"
    screenshot windhover "About Windhover"

    check "closing the main window is accepted" driver close "$WINDHOVER"
    check "closing the main window ends windhover" process_ended
    check "the notification-area icon goes" driver gone "$TRAY" "$WAIT_MS"
    check "Win+Z is free once windhover has ended" driver hotkey free
    windhover_settings_stored
}

# The controls of windhover's main window, in the order the program makes
# them: the frame of the options, the six boxes in screen order, the frame of
# the site lists, then the Add and Delete buttons of each list.
BOX_BLOCKING=@Button:2
BOX_SETUP=@Button:3
BOX_LINKS=@Button:4
BOX_SOUND=@Button:5
BOX_ONTOP=@Button:6
BOX_RUN=@Button:7
ADD_ALLOWED=@Button:9
DELETE_ALLOWED=@Button:10
ADD_DISALLOWED=@Button:11
DELETE_DISALLOWED=@Button:12
STATUS=@msctls_statusbar32:1
COUNT="0 Popups blocked to date"
RUN_KEY='HKLM\Software\Microsoft\Windows\CurrentVersion\Run'
BUTTON_KEY='HKLM\Software\Microsoft\Internet Explorer\Extensions\{ECC5777A-6E88-BFCE-13CE-81F134789E7B}'
WINDOWS_FOLDER='C:\Program Files\Quillmere\Windhover'

# status_is TEXT: the message panel of windhover's status bar.
status_is() { read_is "$WINDHOVER" "$STATUS" "$COUNT|$1"; }

windhover_options() {
    local box
    check "the first start made allowed.txt with the maker's host" \
        file_is Windhover/allowed.txt 'www.quillmere.example\r\n'
    check "the first start made disallowed.txt with one empty line" file_is Windhover/disallowed.txt '\r\n'
    check "chkSound is stored at the first start" setting_is Windhover chkSound 1
    check "the status bar counts no popups; the message panel has Win+Z's message" \
        status_is "The next popup will be allowed."
    for box in "$BOX_BLOCKING 1" "$BOX_SETUP 1" "$BOX_LINKS 0" "$BOX_SOUND 1" "$BOX_ONTOP 0" "$BOX_RUN 0"; do
        # shellcheck disable=SC2086  # the box and its value
        check "option box ${box% *} starts at ${box#* }" check_state_is "$WINDHOVER" $box
    done
    check "ticking \"Visual\"" driver click "$WINDHOVER" "$BOX_ONTOP"
    check "chkOnTop is \"1\" at once" setting_is Windhover chkOnTop 1
    check "the status bar says \"Always On Top Enabled\"" status_is "Always On Top Enabled"
    check "unticking \"Visual\"" driver click "$WINDHOVER" "$BOX_ONTOP"
    check "chkOnTop is \"0\" at once" setting_is Windhover chkOnTop 0
    check "unticking \"Audio\"" driver click "$WINDHOVER" "$BOX_SOUND"
    check "chkSound is \"0\" at once" setting_is Windhover chkSound 0
    check "the status bar says \"Sounds Disabled\"" status_is "Sounds Disabled"
    check "ticking \"Automation\"" driver click "$WINDHOVER" "$BOX_RUN"
    check "the run-at-log-on command is written quoted" \
        reg_data_is "$RUN_KEY" Windhover "\"$WINDOWS_FOLDER\\windhover.exe\""
    check "the status bar says \"Run On Startup Enabled\"" status_is "Run On Startup Enabled"
    check "unticking \"Automation\"" driver click "$WINDHOVER" "$BOX_RUN"
    check "the run-at-log-on value goes" test -z "$(reg_data "$RUN_KEY" Windhover)"
    check "ticking \"Exceptions\" (stored at the exit)" driver click "$WINDHOVER" "$BOX_LINKS"
    check "unticking \"Setup Mode\" (stored at the exit)" driver click "$WINDHOVER" "$BOX_SETUP"
    check "chkLinks waits for the exit" test -z "$(setting Windhover chkLinks)"
}

windhover_site_lists() {
    check "typing a site into the allowed box" driver type "$WINDHOVER" @Edit:1 www.friend.example
    check "Add beside the allowed list" driver click "$WINDHOVER" "$ADD_ALLOWED"
    check "allowed.txt holds the site" \
        file_is Windhover/allowed.txt 'www.quillmere.example\r\nwww.friend.example\r\n'
    check "the allowed list shows it" read_is "$WINDHOVER" @ListBox:1 "www.quillmere.example|www.friend.example"
    check "the text box keeps what was typed" has_text "$WINDHOVER" www.friend.example
    check "selecting the maker's host" driver select "$WINDHOVER" @ListBox:1 0
    check "Delete beside the allowed list" driver click "$WINDHOVER" "$DELETE_ALLOWED"
    check "allowed.txt lost it" file_is Windhover/allowed.txt 'www.friend.example\r\n'
    check "the allowed list lost it" read_is "$WINDHOVER" @ListBox:1 "www.friend.example"
    check "typing a site into the disallowed box" driver type "$WINDHOVER" @Edit:2 ads.example
    check "Add beside the disallowed list" driver click "$WINDHOVER" "$ADD_DISALLOWED"
    check "disallowed.txt holds the site after its empty line" file_is Windhover/disallowed.txt '\r\nads.example\r\n'
    check "the disallowed list shows it" read_is "$WINDHOVER" @ListBox:2 "ads.example"
    check "selecting it" driver select "$WINDHOVER" @ListBox:2 0
    check "Delete beside the disallowed list" driver click "$WINDHOVER" "$DELETE_DISALLOWED"
    check "disallowed.txt is back to one empty line" file_is Windhover/disallowed.txt '\r\n'
}

# Win+Z came first (win_z_reaches_target) and turned the switch on.
windhover_allow_next() {
    check "\"Allow Next Popup\"" driver click "$WINDHOVER" "Allow Next Popup"
    check "the button turns off what Win+Z turned on" status_is "The next popup will NOT be allowed."
    check "Action > Allow the Next Popup (Win-Z)" driver menu "$WINDHOVER" "Allow the Next Popup (Win-Z)"
    check "the menu turns it on" status_is "The next popup will be allowed."
    check "Win+Z again" win_z_reaches_target
    check "Win+Z turns it off" status_is "The next popup will NOT be allowed."
}

windhover_tools_menu() {
    check "Tools > Add Program to IE Tools Menu" driver menu "$WINDHOVER" "Add Program to IE Tools Menu"
    check "the toolbar button runs windhover.exe" reg_data_is "$BUTTON_KEY" Exec "$WINDOWS_FOLDER\\windhover.exe"
    check "the toolbar button's text" reg_data_is "$BUTTON_KEY" ButtonText Windhover
    check "the toolbar button's icon" reg_data_is "$BUTTON_KEY" Icon "$WINDOWS_FOLDER\\icon.ico"
    check "Tools > Remove Program from IE Tools Menu" driver menu "$WINDHOVER" "Remove Program from IE Tools Menu"
    check "the toolbar button's key goes" reg_key_absent "$BUTTON_KEY"
}

# tray_menu ITEM: a right click on windhover's notification-area icon opens
# its menu; the user goes down to item ITEM (1 "Close this menu", 2 "Show
# program", 3 "Allow next popup (win-z)", 4 "Exit") and presses Enter. The
# click goes to the icon's own window in Wine's tray, which calls the program
# back as for the pointer's click: a click through the display lands on
# whatever window stands over the tray, as the help window, in the same top
# left corner, does when it came up after the tray.
tray_menu() { driver trayclick && driver popup "$1"; }

windhover_tray_menu() {
    check "\"Minimize to Taskbar\"" driver click "$WINDHOVER" "Minimize to Taskbar"
    check "the main window hides" driver gone "$WINDHOVER" "$WAIT_MS"
    check "state is \"down\"" setting_is Windhover state down
    check "the tray menu's \"Show program\"" tray_menu 2
    check "the main window comes back" driver wait "$WINDHOVER" "$WAIT_MS"
    check "state is \"up\" again" setting_is Windhover state up
    check "the tray menu's \"Allow next popup (win-z)\"" tray_menu 3
    check "the tray item turns the switch on" status_is "The next popup will be allowed."
    check "the tray menu's \"Close this menu\"" tray_menu 1
    check "closing the menu changes nothing" status_is "The next popup will be allowed."
    check "the main window still shows" driver wait "$WINDHOVER" 0
}

# The settings table, as File > Exit (or the close box) leaves it.
windhover_settings_stored() {
    local pair
    for pair in chkRunAtStart=0 chkOnTop=0 chkAuto=0 chkStopPop=1 intStopped=0 chkLinks=1 state=up chkSound=0; do
        check "$pair is stored" setting_is Windhover "${pair%=*}" "${pair#*=}"
    done
    check "strAllowed is stored" test -n "$(setting Windhover strAllowed)"
    check "strDisallowed is stored" \
        timeout 60 wine reg query "$SETTINGS_KEY\\Windhover\\Settings" /v strDisallowed
}

# Win+Z typed on the X display while windhover's main window has the X focus
# (Wine takes keys only then): the program gets WM_HOTKEY and then posts its
# hidden picture box a plain mouse move, as the driver's hook sees them.
win_z_reaches_target() {
    local window
    armed "$ARTIFACTS/hotkey.out" driver hotkeymove "$WINDHOVER" 10000 || return 1
    window=$(xdotool search --name "^$WINDHOVER\$" | head -n 1)
    if [[ -z $window ]]; then
        echo "     no X window \"$WINDHOVER\""
        wait "$WATCHER"
        return 1
    fi
    xdotool windowfocus --sync "$window" key super+z
    wait "$WATCHER"
}

# armed OUT COMMAND...: starts a driver command that watches the program for
# what the user does next, its output in OUT, and returns once it says
# "armed"; WATCHER is its process, for the caller to wait for. Fails, with
# the command ended, when it never watched. The command's own bound is the
# only one: the driver's start may have to wait for Wine's desktop to start.
WATCHER=
armed() {
    local out=$1
    shift
    : >"$out"
    "$@" >"$out" &
    WATCHER=$!
    until grep -q armed "$out"; do
        if ! kill -0 "$WATCHER" 2>/dev/null; then
            grep -q armed "$out" && return 0
            wait "$WATCHER"
            return 1
        fi
        sleep 0.1
    done
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
    check "the link exception ticked at the last exit is ticked again" check_state_is "$WINDHOVER" "$BOX_LINKS" 1
    check "setup mode unticked at the last exit stays unticked" check_state_is "$WINDHOVER" "$BOX_SETUP" 0
    check "the allowed list is read back from allowed.txt" read_is "$WINDHOVER" @ListBox:1 "www.friend.example"
    screenshot windhover-main "$WINDHOVER"
    check "Help > View Help" driver menu "$WINDHOVER" "View Help"
    check "the help window shows from the menu" driver wait "$HELP" "$WAIT_MS"
    check "\"$SHOW_AT_STARTUP\" stays unticked" check_state_is "$HELP" "$SHOW_AT_STARTUP" 0
    check "File > Exit" driver menu "$WINDHOVER" "Exit"
    check "File > Exit ends windhover" process_ended
}

# A log-off: Windows asks the main window and then ends the session; the
# settings are stored as File > Exit stores them.
windhover_log_off() {
    echo "# windhover, log-off"
    launch windhover Windhover/windhover.exe
    check "the main window shows" driver wait "$WINDHOVER" "$WAIT_MS" || return
    check "ticking \"Setup Mode\"" driver click "$WINDHOVER" "$BOX_SETUP"
    check "the session ends" driver endsession "$WINDHOVER"
    check "windhover ends with the session" process_ended
    check "chkAuto is stored at the log-off" setting_is Windhover chkAuto 1
}

# --- nightjar -----------------------------------------------------------------

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
RUN_KEY='HKLM\Software\Microsoft\Windows\CurrentVersion\Run'
NO_MESSENGER="The Messenger service is not installed on this computer, so there are no popup messages for Nightjar to prevent. The program will now close."
REFUSAL="This program can only be run on Windows NT/2000/XP."

wsvc() { timeout 60 wine "$(program_path Tools/wsvc.exe)" "$@" </dev/null; }

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

# registry_value KEY NAME: the value's data as reg.exe shows it; nothing if there is none.
registry_value() {
    timeout 60 wine reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' |
        sed -n "s/^ *$2 \{1,\}REG_[A-Z_]* \{1,\}//p"
}

registry_value_is() {
    local actual
    actual=$(registry_value "$1" "$2")
    [[ $actual == "$3" ]] || { echo "     $1 $2 is \"$actual\", not \"$3\""; return 1; }
}

quietly() { "$@" >/dev/null 2>&1; }

# prefix_version NAME: the Windows version the prefix reports (winxp, win7).
prefix_version() { quietly timeout 60 wine reg add 'HKCU\Software\Wine' /v Version /d "$1" /f; }

# message_is TITLE TEXT: the program's message box with that title says TEXT.
message_is() {
    local actual
    actual=$(driver message "$1" | tr -d '\r')
    [[ $actual == "$2" ]] || { echo "     the box \"$1\" says \"$actual\""; return 1; }
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

window_count() { driver list | wc -l; }

# one_window TITLE: exactly one window shows with that caption.
one_window() {
    local count
    count=$(driver list | tr -d '\r' | awk -F'\t' -v title="$1" '$2 == title' | wc -l)
    [[ $count -eq 1 ]] || { echo "     $count windows \"$1\""; return 1; }
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

# --- the executables ------------------------------------------------------------

# The system DLLs the programs may import; anything else would have to ship
# beside them.
SYSTEM_DLLS="advapi32 comctl32 gdi32 iphlpapi kernel32 msvcrt ole32 oleaut32 shell32 shlwapi user32 version winmm"

# built_for BITS EXE: the executable is a Windows program of that width that
# imports only system DLLs.
built_for() {
    local format dll foreign=()
    format=$(x86_64-w64-mingw32-objdump -f "$2" | awk '/file format/ { print $NF }')
    [[ $format == "$([[ $1 == 32 ]] && echo pei-i386 || echo pei-x86-64)" ]] ||
        { echo "     $2 is $format"; return 1; }
    for dll in $(x86_64-w64-mingw32-objdump -p "$2" | awk '/DLL Name/ { print tolower($3) }'); do
        [[ " $SYSTEM_DLLS " == *" ${dll%.dll} "* ]] || foreign+=("$dll")
    done
    [[ ${#foreign[@]} -eq 0 ]] || { echo "     $2 needs ${foreign[*]}"; return 1; }
}

# --- the run --------------------------------------------------------------------

cleanup() {
    end_program
    release_desktop
    stop_prefix
    stop_virtual_display
}

# run_width BITS: every check, on the programs of that width in a fresh prefix.
run_width() {
    local bits=$1 file
    echo "## the $bits-bit programs"
    WIDTH=$bits
    BUILD=$(windows_build_dir "$bits")
    ARTIFACTS=$ARTIFACTS_ROOT/win$bits
    mkdir -p "$ARTIFACTS"
    for file in blocker/windhover.exe blocker/Help.rtf blocker/icon.ico blocker/hoticon.ico \
        blocker/sounds/pop.wav svcstop/nightjar.exe svcstop/Help.rtf \
        tests/wine/wdriver.exe tests/wine/whooks.dll; do
        [[ -f $BUILD/$file ]] || { fail "$BUILD/$file is built"; return; }
    done
    check "windhover.exe is a $bits-bit program needing only system DLLs" built_for "$bits" "$BUILD/blocker/windhover.exe"
    check "nightjar.exe is a $bits-bit program needing only system DLLs" built_for "$bits" "$BUILD/svcstop/nightjar.exe"
    if ! wine_runs "$bits"; then
        fail "this machine runs $bits-bit Wine"
        return
    fi

    use_prefix "$REPO/build/wine-e2e-$bits" "$bits"
    echo "# a fresh prefix in $WINEPREFIX on display $DISPLAY"
    if ! make_prefix "$ARTIFACTS/prefix.log" persistent || ! draw_own_frames "$ARTIFACTS/prefix.log" ||
        ! install_programs || ! hold_desktop; then
        fail "the Wine prefix is made, the programs installed and the desktop held"
        release_desktop
        stop_prefix
        return
    fi

    platform_contract
    browser_sink
    toolbar_button_and_address
    service_layer
    list_controls
    windhover_first_start
    end_program
    windhover_second_start
    end_program
    windhover_log_off
    end_program
    windhover_hidden_list
    end_program
    windhover_unmarked_utf16_list
    end_program
    windhover_two_copies
    end_program
    windhover_line_added_behind
    end_program
    windhover_lf_list
    end_program
    windhover_unreadable_list
    end_program
    windhover_locked_settings
    end_program
    windhover_taskbar_restart
    end_program
    windhover_browsers
    end_program
    windhover_long_list
    end_program
    windhover_long_folder
    end_program
    windhover_long_item
    end_program
    nightjar_without_messenger
    end_program
    nightjar_refused_on_windows_7
    end_program
    install_messenger
    nightjar_service_actions
    end_program
    nightjar_start
    end_program
    nightjar_pictures
    end_program
    tool_tips
    check "Wine's desktop process outlives the tool tips' programs" desktop_kept
    keyboard_navigation
    nightjar_planted_net
    end_program
    check "Wine's desktop process outlives nightjar's test message" desktop_kept
    nightjar_refused_stop
    end_program
    nightjar_auto_dword
    end_program
    nightjar_tray_pass
    end_program
    nightjar_wine_service
    end_program

    if ((failed)); then
        echo "# windows on the display at the end:"
        driver list | indent
    fi
    release_desktop
    stop_prefix
}

main() {
    local started=$SECONDS widths bits shot
    widths=$(wine_widths) || { echo "0 passed, 1 failed"; exit 1; }
    rm -rf "$ARTIFACTS_ROOT"
    mkdir -p "$ARTIFACTS_ROOT"
    SCREENSHOTS=()

    trap cleanup EXIT
    start_virtual_display "$ARTIFACTS_ROOT/xvfb.log" || exit 1
    for bits in $widths; do run_width "$bits"; done
    # shellcheck disable=SC2086  # one word a width
    decision_times_side_by_side $widths

    for shot in "${SCREENSHOTS[@]}"; do echo "screenshot: $shot"; done
    echo "logs: $ARTIFACTS_ROOT (took $((SECONDS - started)) s)"
    echo "$passed passed, $failed failed"
    ((failed == 0))
}

main
